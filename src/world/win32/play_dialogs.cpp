#include "world/win32/play_dialogs.h"

#include "app/win32/shell.h"
#include "resources/win32/resource_ids.h"
#include "world/play_session.h"

namespace trelux {
namespace {

struct CodeAnswer {
  std::string text;
};

INT_PTR CALLBACK skipDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetFocus(GetDlgItem(dialog, IDC_SKIP_CODE_EDIT));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        char text[kEnteredCodeLength + 1] = {};
        GetDlgItemTextA(dialog, IDC_SKIP_CODE_EDIT, text, sizeof text);
        reinterpret_cast<CodeAnswer*>(GetWindowLongPtrA(dialog, DWLP_USER))->text = text;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default: return FALSE;
  }
}

// Broken into lines by hand: a message box that wraps a long line itself
// may cut its last word short.
const char* const kSecretTexts[] = {
    "You found the secret button!  Good job!\nIf you enjoy Trelux, try building your own "
    "version!  Here are some prices, if you're interested!",
    "Lasers:\n"
    "Red laser pointers are the cheapest, from\n"
    "about $5 to $15.  Green ones cost $15 to $40,\n"
    "and blue ones $30 to $80.  For yellow, cyan,\n"
    "magenta and white, point two or three pointers\n"
    "at the same spot through a beam combiner, or\n"
    "simply tape them side by side.",
    "Lenses:\n"
    "Clear plastic cubes from a craft shop cost\n"
    "$1 to $3 each.  Paint them with transparent\n"
    "glass paint ($4 to $8 a bottle) in the colour\n"
    "the lens should let through.",
    "Mirrors\n"
    "Small plain mirror tiles cost $1 to $4 each.\n"
    "For coloured mirrors, glue a coloured filter\n"
    "sheet ($3 to $6) over a plain one, or buy\n"
    "dichroic mirrors for $15 to $40 if you want\n"
    "the real thing.",
    "Sensors:\n"
    "Working light sensors that know their colours\n"
    "are a project of their own.  Boxes painted in\n"
    "the sensor's colour work just as well, and\n"
    "you can see where the light lands.",
    "T-Mirrors:\n"
    "A beam splitter cube sends half the light\n"
    "straight on and half to the side.  Small ones\n"
    "cost $10 to $30; a piece of clear glass at an\n"
    "angle does the job for under $2.",
    "Thanks for clicking the secret button, and I hope you enjoyed this tour of optics "
    "expenses!\nNow, back to Trelux!",
};

void showSecrets(HWND dialog) {
  for (const char* text : kSecretTexts) MessageBoxA(dialog, text, kProgramTitle, MB_OK);
}

INT_PTR CALLBACK helpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // Enter and Space close the help; "Secret!" waits for a choice.
      SetFocus(GetDlgItem(dialog, IDOK));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      // OK is the only way out: Esc (IDCANCEL) does nothing here.
      if (LOWORD(wParam) == IDOK) {
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_SECRET) {
        showSecrets(dialog);
        return TRUE;
      }
      return LOWORD(wParam) == IDCANCEL;
    default: return FALSE;
  }
}

struct LevelList {
  const std::vector<std::string>& lines;
  int32_t selected;
};

INT_PTR CALLBACK goToDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto& list = *reinterpret_cast<const LevelList*>(lParam);
      HWND listBox = GetDlgItem(dialog, IDC_GO_TO_LIST);
      for (const std::string& line : list.lines)
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
      SendMessageA(listBox, LB_SETCURSEL, static_cast<WPARAM>(list.selected), 0);
      SetFocus(listBox);  // arrows pick, Enter goes
      return FALSE;
    }
    case WM_COMMAND: {
      const bool doubleClicked =
          LOWORD(wParam) == IDC_GO_TO_LIST && HIWORD(wParam) == LBN_DBLCLK;
      if (LOWORD(wParam) == IDOK || doubleClicked) {
        const LRESULT chosen = SendDlgItemMessageA(dialog, IDC_GO_TO_LIST, LB_GETCURSEL, 0, 0);
        EndDialog(dialog, chosen == LB_ERR ? -1 : chosen);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, -1);
        return TRUE;
      }
      return FALSE;
    }
    default: return FALSE;
  }
}

}  // namespace

std::optional<int32_t> askLevel(HINSTANCE instance, HWND owner,
                                const std::vector<std::string>& lines, int32_t selected) {
  const LevelList list{lines, selected};
  const INT_PTR chosen = DialogBoxParamA(instance, "playGoToDlg", owner, goToDialogProc,
                                         reinterpret_cast<LPARAM>(&list));
  if (chosen < 0 || chosen >= static_cast<INT_PTR>(lines.size())) return std::nullopt;
  return static_cast<int32_t>(chosen);
}

std::optional<std::string> askCompletionCode(HINSTANCE instance, HWND owner) {
  CodeAnswer answer;
  const INT_PTR result = DialogBoxParamA(instance, "skipLevelDlg", owner, skipDialogProc,
                                         reinterpret_cast<LPARAM>(&answer));
  if (result != IDOK) return std::nullopt;
  return answer.text;
}

void showHelpDialog(HINSTANCE instance, HWND owner) {
  DialogBoxParamA(instance, "helpDlg", owner, helpDialogProc, 0);
}

}  // namespace trelux
