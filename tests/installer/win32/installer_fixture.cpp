#include "installer/win32/installer_fixture.h"

#include <filesystem>

#include "installer/win32/installer_program.h"
#include "installer/win32/installer_screens.h"
#include "installer/win32/installer_state.h"
#include "installer/win32/start_menu.h"
#include "support/win32/dialog_answerer.h"

namespace trelux::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRecordKey = "Software\\Marblewick\\Trelux";

BOOL CALLBACK collectId(HWND child, LPARAM ids) {
  reinterpret_cast<std::set<int>*>(ids)->insert(GetDlgCtrlID(child));
  return TRUE;
}

}  // namespace

void deleteRecord() {
  RegDeleteKeyA(HKEY_CURRENT_USER, kRecordKey);
  RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallEntry);
  DeleteFileA(startMenuShortcut("Trelux").c_str());
}

void InstallerFixture::SetUp() {
  deleteRecord();
  folder_ = std::make_unique<ScratchFolder>();
  fs::create_directory("Trelux Package");
  for (const auto& entry : fs::directory_iterator(TRELUX_TEST_PACKAGE_DIR))
    fs::copy_file(entry.path(), fs::path("Trelux Package") / entry.path().filename());
  ASSERT_TRUE(SetCurrentDirectoryA("Trelux Package"));
  start();
}

void InstallerFixture::TearDown() {
  stop();
  deleteRecord();
  folder_.reset();
}

void InstallerFixture::start() {
  int exitCode = -1;
  ASSERT_TRUE(startInstaller(GetModuleHandleA(nullptr), exitCode));
  ASSERT_NE(installer().window, nullptr);
  pump();
}

void InstallerFixture::stop() {
  shutDownInstaller();
  // The quit message a destroyed window leaves must not reach the next start.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void InstallerFixture::pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // left for the test to see
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void InstallerFixture::command(int id) {
  SendMessageA(installer().window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  pump();
}

void InstallerFixture::installInto(const std::string& directory) {
  DialogAnswerer dialogs;
  DialogStep agree;
  agree.caption = "License Agreement";
  agree.button = IDYES;
  dialogs.expect(agree);
  dialogs.expectMessage("Success!", "\n              Installation complete!              \n");
  command(kInstallButton);
  SetDlgItemTextA(installer().window, kDirectoryEdit, directory.c_str());
  command(kInstallHereButton);
  dialogs.verify();
}

std::set<int> InstallerFixture::controls() const {
  std::set<int> ids;
  EnumChildWindows(installer().window, collectId, reinterpret_cast<LPARAM>(&ids));
  return ids;
}

std::string InstallerFixture::installDirectory() const {
  return folder_->path().string() + "\\Program Files\\Trelux Game";
}

std::string InstallerFixture::recordedDirectory() const {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRecordKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  char value[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  DWORD type = 0;
  const LONG status = RegQueryValueExA(key, "installed", nullptr, &type,
                                       reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ) return {};
  // Stored with its terminating zero.
  EXPECT_EQ(size, std::string(value).size() + 1);
  return value;
}

}  // namespace trelux::test
