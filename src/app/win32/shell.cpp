#include "app/win32/shell.h"

namespace trelux {

HINSTANCE programInstance = nullptr;
HWND mainWindow = nullptr;
HMODULE resourceLibrary = nullptr;

}  // namespace trelux
