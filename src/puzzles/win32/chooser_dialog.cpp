#include "puzzles/win32/chooser_dialog.h"

#include <vector>

#include "puzzles/catalogue.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

constexpr const char* kLevelFileName = "levels.dat";

void fillList(HWND dialog, const std::vector<PuzzleSetEntry>& entries) {
  // The list is not sorted, so a line's index is its entry's index.
  for (const PuzzleSetEntry& entry : entries)
    SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(entry.name.c_str()));
}

// Ready for the keyboard: the first set is chosen and the list has the
// focus, so Enter takes it and the arrow keys pick another. An empty list
// says why it is empty.
void prepareList(HWND dialog, bool empty) {
  HWND list = GetDlgItem(dialog, IDC_PUZZLE_LIST);
  if (empty)
    ShowWindow(GetDlgItem(dialog, IDC_PUZZLE_NONE), SW_SHOW);
  else
    SendMessageA(list, LB_SETCURSEL, 0, 0);
  SetFocus(list);
}

INT_PTR CALLBACK chooserDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto& entries = *reinterpret_cast<const std::vector<PuzzleSetEntry>*>(lParam);
      fillList(dialog, entries);
      prepareList(dialog, entries.empty());
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        const LRESULT selected = SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_GETCURSEL, 0, 0);
        EndDialog(dialog, selected == LB_ERR ? -1 : selected);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, -1);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      EndDialog(dialog, -1);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

bool choosePuzzleSet(std::string& levelFile, HINSTANCE instance, HWND parent, bool includeLocked,
                     std::string* descriptorFile, std::string* folder) {
  std::vector<PuzzleSetEntry> entries;
  scanPuzzleSets(entries, includeLocked);
  const INT_PTR chosen = DialogBoxParamA(instance, "puzzleDialog", parent, chooserDialogProc,
                                         reinterpret_cast<LPARAM>(&entries));
  if (chosen < 0 || chosen >= static_cast<INT_PTR>(entries.size())) return false;
  const PuzzleSetEntry& entry = entries[static_cast<size_t>(chosen)];
  levelFile = entry.folder + kLevelFileName;
  if (descriptorFile) *descriptorFile = entry.descriptorFile;
  if (folder) *folder = entry.folder;
  return true;
}

}  // namespace trelux
