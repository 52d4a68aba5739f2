#include "app/win32/options_dialog.h"

#include <optional>

#include "app/startup_files.h"
#include "audio/volumes.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

constexpr int kLineStep = 3;
constexpr int kPageStep = 15;

void initialiseBar(HWND dialog, int id, int position) {
  HWND bar = GetDlgItem(dialog, id);
  SendMessageA(bar, SBM_SETRANGE, 0, kMaxVolume);
  SendMessageA(bar, SBM_SETPOS, position, TRUE);
}

// The bar's new position for a scroll request, or nothing when it stays.
// A step may land below 0: SetScrollInfo brings it back to the range.
std::optional<int> scrolledPosition(HWND bar, int request, int trackPosition) {
  const int position = static_cast<int>(SendMessageA(bar, SBM_GETPOS, 0, 0));
  switch (request) {
    case SB_LINELEFT: return position - kLineStep;
    case SB_LINERIGHT: return position + kLineStep;
    case SB_PAGELEFT: return position - kPageStep;
    case SB_PAGERIGHT: return position + kPageStep;
    case SB_THUMBTRACK: return trackPosition;
    default: return std::nullopt;
  }
}

void onScroll(HWND bar, WPARAM wParam) {
  const std::optional<int> position =
      scrolledPosition(bar, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
  if (!position) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  info.nPos = *position;
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

int barPosition(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, SBM_GETPOS, 0, 0)) % 256;
}

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      initialiseBar(dialog, IDC_SOUND_SCROLL, soundVolume());
      initialiseBar(dialog, IDC_MUSIC_SCROLL, musicVolume());
      return TRUE;
    case WM_HSCROLL: {
      HWND bar = reinterpret_cast<HWND>(lParam);
      const int id = GetDlgCtrlID(bar);
      if (id == IDC_SOUND_SCROLL || id == IDC_MUSIC_SCROLL) onScroll(bar, wParam);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        EndDialog(dialog, barPosition(dialog, IDC_SOUND_SCROLL) * 256 +
                              barPosition(dialog, IDC_MUSIC_SCROLL));
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, -1);
        return TRUE;
      }
      return FALSE;
    default: return FALSE;
  }
}

}  // namespace

void showOptionsDialog(HINSTANCE instance, HWND owner) {
  const INT_PTR result = DialogBoxParamA(instance, "optionsDialog", owner, optionsDialogProc, 0);
  applyOptionsResult(static_cast<int>(result));
  // Saved at once: a crash before the exit would lose the volumes.
  if (result != -1) saveSettings();
}

}  // namespace trelux
