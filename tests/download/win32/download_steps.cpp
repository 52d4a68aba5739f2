#include "download_steps.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "download/win32/temp_file.h"
#include "resources/win32/resource_ids.h"
#include "support/scratch_folder.h"

namespace trelux::test {

namespace {

thread_local ProgressTexts* recording = nullptr;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  EXPECT_NE(value, nullptr) << name << " is unset: run the test through puzzle_server.py";
  return value ? value : "";
}

}  // namespace

std::string testServer() { return environment("TRELUX_TEST_SERVER"); }

std::string closedServer() { return "127.0.0.1:" + environment("TRELUX_TEST_CLOSED_PORT"); }

std::string stalledServer() { return "127.0.0.1:" + environment("TRELUX_TEST_STALLED_PORT"); }

std::string servedFile(const std::string& relative) {
  std::string path = "Z:" + environment("TRELUX_TEST_SERVER_ROOT") + "/" + relative;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string servedUrl(const std::string& relative) {
  return "http://" + testServer() + "/" + relative;
}

void publishManifest(const std::string& text) {
  writeFile(servedFile("download/files/trelux/download.php"), text);
}

DialogStep downloadLine(int line, bool onReturn) {
  DialogStep step;
  step.caption = "Download Web Puzzles";
  if (line >= 0) step.listSelection = std::make_pair(IDC_WEB_SET_LIST, line);
  step.button = IDC_WEB_DOWNLOAD;
  step.onReturn = onReturn;
  return step;
}

DialogStep finished(bool onReturn) {
  DialogStep step;
  step.caption = "Download Web Puzzles";
  step.button = IDOK;
  step.onReturn = onReturn;
  return step;
}

std::vector<std::string> listLines(HWND dialog, int id) {
  std::vector<std::string> lines;
  const auto count = static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[1024] = {};
    SendDlgItemMessageA(dialog, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    lines.push_back(text);
  }
  return lines;
}

ProgressTexts::ProgressTexts() {
  recording = this;
  hook_ = SetWindowsHookExA(WH_CALLWNDPROC, hook, nullptr, GetCurrentThreadId());
}

ProgressTexts::~ProgressTexts() {
  if (hook_) UnhookWindowsHookEx(hook_);
  recording = nullptr;
}

LRESULT CALLBACK ProgressTexts::hook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && recording && sent->message == WM_COMMAND &&
      LOWORD(sent->wParam) == IDC_PROGRESS_SET_TEXT) {
    recording->texts_.push_back(reinterpret_cast<const char*>(sent->lParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<std::string> downloaderTempFiles() {
  char folder[MAX_PATH + 1] = {};
  GetTempPathA(sizeof folder, folder);
  std::vector<std::string> files;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((std::string(folder) + kTempFilePrefix + "*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    files.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

}  // namespace trelux::test
