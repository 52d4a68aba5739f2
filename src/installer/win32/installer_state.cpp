#include "installer/win32/installer_state.h"

namespace trelux {

Installer& installer() {
  static Installer state;
  return state;
}

}  // namespace trelux
