#include "puzzles/win32/chooser_dialog.h"

#include <vector>

#include "app/startup_files.h"
#include "puzzles/catalogue.h"
#include "puzzles/set_choice.h"
#include "puzzles/set_record.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

constexpr const char* kLevelFileName = "levels.dat";

struct ChooserList {
  const std::vector<PuzzleSetEntry>& entries;
  int preselected;
};

void fillList(HWND dialog, const std::vector<PuzzleSetEntry>& entries) {
  // The list is not sorted, so a line's index is its entry's index.
  for (const PuzzleSetEntry& entry : entries)
    SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(entry.name.c_str()));
}

// Beside the list: how far the player got in the selected set.
void showRecord(HWND dialog) {
  const auto* list =
      reinterpret_cast<const ChooserList*>(GetWindowLongPtrA(dialog, DWLP_USER));
  const LRESULT selected = SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_GETCURSEL, 0, 0);
  std::string text;
  if (list && selected >= 0 && selected < static_cast<LRESULT>(list->entries.size())) {
    const PuzzleSetEntry& entry = list->entries[static_cast<size_t>(selected)];
    if (const auto record = readSetRecord(entry.folder + kLevelFileName))
      text = describeRecord(*record);
  }
  SetDlgItemTextA(dialog, IDC_PUZZLE_RECORD, text.c_str());
}

// Ready for the keyboard: the set to offer first is chosen and the list has
// the focus, so Enter takes it and the arrow keys pick another. An empty
// list says why it is empty.
void prepareList(HWND dialog, const ChooserList& list) {
  HWND listBox = GetDlgItem(dialog, IDC_PUZZLE_LIST);
  if (list.entries.empty()) {
    // The note takes the record's place.
    ShowWindow(GetDlgItem(dialog, IDC_PUZZLE_RECORD), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_PUZZLE_NONE), SW_SHOW);
  } else {
    SendMessageA(listBox, LB_SETCURSEL, static_cast<WPARAM>(list.preselected), 0);
  }
  showRecord(dialog);
  SetFocus(listBox);
}

INT_PTR CALLBACK chooserDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto& list = *reinterpret_cast<const ChooserList*>(lParam);
      fillList(dialog, list.entries);
      prepareList(dialog, list);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_PUZZLE_LIST && HIWORD(wParam) == LBN_SELCHANGE) {
        showRecord(dialog);
        return TRUE;
      }
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
  const ChooserList list{entries, preselectedSet(entries, setting(kLastSetKey))};
  const INT_PTR chosen = DialogBoxParamA(instance, "puzzleDialog", parent, chooserDialogProc,
                                         reinterpret_cast<LPARAM>(&list));
  if (chosen < 0 || chosen >= static_cast<INT_PTR>(entries.size())) return false;
  const PuzzleSetEntry& entry = entries[static_cast<size_t>(chosen)];
  levelFile = entry.folder + kLevelFileName;
  if (descriptorFile) *descriptorFile = entry.descriptorFile;
  if (folder) *folder = entry.folder;
  return true;
}

}  // namespace trelux
