#include "app/shell.h"

namespace trelux {

HINSTANCE programInstance = nullptr;
HWND mainWindow = nullptr;
HMODULE resourceLibrary = nullptr;

}  // namespace trelux
