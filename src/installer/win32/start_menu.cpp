#include "installer/win32/start_menu.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

namespace trelux {
namespace {

// IPersistFile takes a wide name; the system's own paths are ANSI text here.
std::wstring wide(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> buffer(size > 0 ? size : 1);
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), size);
  return buffer.data();
}

bool saveShortcut(IShellLinkA* shortcut, const std::string& link, const std::string& program,
                  const std::string& directory) {
  shortcut->SetPath(program.c_str());
  shortcut->SetWorkingDirectory(directory.c_str());
  shortcut->SetIconLocation(program.c_str(), 0);
  IPersistFile* file = nullptr;
  if (FAILED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) return false;
  const bool saved = SUCCEEDED(file->Save(wide(link).c_str(), TRUE));
  file->Release();
  return saved;
}

}  // namespace

std::string startMenuShortcut(const std::string& name) {
  char folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS | CSIDL_FLAG_CREATE, nullptr, 0, folder)))
    return {};
  return std::string(folder) + "\\" + name + ".lnk";
}

bool createShortcut(const std::string& link, const std::string& program, const std::string& directory) {
  const HRESULT com = CoInitialize(nullptr);
  IShellLinkA* shortcut = nullptr;
  bool made = false;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&shortcut)))) {
    made = saveShortcut(shortcut, link, program, directory);
    shortcut->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return made;
}

}  // namespace trelux
