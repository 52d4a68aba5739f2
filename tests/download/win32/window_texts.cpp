// Prints what the shown dialogs captioned CAPTION hold, for the end-to-end
// test, since xdotool reads no control: each control's text as
// "ID text: TEXT" (line breaks written "\n"), and each line of a list box
// as "ID line: TEXT". Fails when no such dialog is shown.
//   window_texts.exe CAPTION
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr UINT kWait = 5000;  // milliseconds a busy window may take to answer

// Sent as Unicode: Wine hands an ANSI sender's LB_GETTEXT from another
// process the list's wide characters unconverted.
LRESULT ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWait, &answer)) {
    return -1;
  }
  return static_cast<LRESULT>(answer);
}

// The text in the ANSI code page, its line breaks written "\n".
std::string oneLine(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.resize(std::strlen(text.c_str()));
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += text[i] == '\n' ? std::string("\\n") : std::string(1, text[i]);
  }
  return line;
}

void printListLines(HWND list, int id) {
  const LRESULT count = ask(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = ask(list, LB_GETTEXTLEN, i, 0);
    if (length < 0) continue;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ask(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    std::printf("%d line: %s\n", id, oneLine(text.c_str()).c_str());
  }
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
  const int id = GetDlgCtrlID(control);
  char kind[64] = {};
  GetClassNameA(control, kind, sizeof kind);
  if (lstrcmpiA(kind, "ListBox") == 0) {
    printListLines(control, id);
    return TRUE;
  }
  wchar_t text[4096] = {};
  ask(control, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  std::printf("%d text: %s\n", id, oneLine(text).c_str());
  return TRUE;
}

struct Search {
  const char* caption;
  int found = 0;
};

BOOL CALLBACK printDialog(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char kind[64] = {};
  char caption[512] = {};
  GetClassNameA(window, kind, sizeof kind);
  GetWindowTextA(window, caption, sizeof caption);
  if (std::strcmp(kind, "#32770") != 0 || !IsWindowVisible(window) ||
      std::strcmp(caption, search->caption) != 0) {
    return TRUE;
  }
  ++search->found;
  EnumChildWindows(window, printControl, 0);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_texts CAPTION\n");
    return 2;
  }
  Search search{argv[1]};
  EnumWindows(printDialog, reinterpret_cast<LPARAM>(&search));
  if (search.found == 0) std::fprintf(stderr, "window_texts: no dialog \"%s\" is shown\n", argv[1]);
  return search.found > 0 ? 0 : 1;
}
