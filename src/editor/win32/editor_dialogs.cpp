#include "editor/win32/editor_dialogs.h"

#include <string>
#include <utility>

#include "app/win32/shell.h"
#include "editor/editor_checks.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

// ---- Shared by the dialogs ------------------------------------------------------

// The whole text of a control, however long.
std::string fieldText(HWND dialog, int id) {
  HWND field = GetDlgItem(dialog, id);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(field)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Shows the refusal over the dialog; true when there was one.
bool refused(HWND dialog, const std::optional<InputProblem>& problem) {
  if (!problem) return false;
  MessageBoxA(dialog, problem->text.c_str(), kProgramTitle,
              problem->warning ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
  return true;
}

// Null until WM_INITDIALOG has kept it: messages such as WM_SETFONT come
// before.
template <typename Data>
Data* dataOf(HWND dialog) {
  return reinterpret_cast<Data*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

template <typename Data>
void keepData(HWND dialog, LPARAM data) {
  SetWindowLongPtrA(dialog, DWLP_USER, data);
}

// Runs a dialog whose procedure fills data on OK; true when it was accepted.
template <typename Data>
bool runDialog(HINSTANCE instance, HWND owner, const char* name, DLGPROC procedure, Data& data) {
  return DialogBoxParamA(instance, name, owner, procedure, reinterpret_cast<LPARAM>(&data)) == IDOK;
}

// The common tail of every procedure: Cancel, Esc and the close box cancel.
INT_PTR cancelOn(HWND dialog, UINT message, WPARAM wParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

bool isOk(UINT message, WPARAM wParam) { return message == WM_COMMAND && LOWORD(wParam) == IDOK; }

// ---- New puzzle set ---------------------------------------------------------------

INT_PTR CALLBACK newSetProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    keepData<std::string>(dialog, lParam);
    SetFocus(GetDlgItem(dialog, IDC_EDITOR_FIELD));
    return FALSE;  // the focus is set
  }
  std::string* const name = dataOf<std::string>(dialog);
  if (name && isOk(message, wParam)) {
    const std::string typed = fieldText(dialog, IDC_EDITOR_FIELD);
    if (refused(dialog, checkSetName(typed))) return TRUE;
    *name = typed;
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  return cancelOn(dialog, message, wParam);
}

// ---- Go to level --------------------------------------------------------------------

INT_PTR CALLBACK goToProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    keepData<int32_t>(dialog, lParam);
    SetDlgItemInt(dialog, IDC_EDITOR_FIELD, static_cast<UINT>(*dataOf<int32_t>(dialog)), FALSE);
    SetFocus(GetDlgItem(dialog, IDC_EDITOR_FIELD));
    return FALSE;
  }
  int32_t* const chosen = dataOf<int32_t>(dialog);
  if (chosen && isOk(message, wParam)) {
    const int32_t number = fieldNumber(fieldText(dialog, IDC_EDITOR_FIELD));
    if (refused(dialog, checkLevelNumber(number))) return TRUE;
    *chosen = number;
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  return cancelOn(dialog, message, wParam);
}

// ---- Resize -------------------------------------------------------------------------

INT_PTR CALLBACK resizeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    keepData<InteriorSize>(dialog, lParam);
    const InteriorSize& size = *dataOf<InteriorSize>(dialog);
    SetDlgItemTextA(dialog, IDC_RESIZE_WIDTH_LABEL, sizeLabel("Width").c_str());
    SetDlgItemTextA(dialog, IDC_RESIZE_HEIGHT_LABEL, sizeLabel("Height").c_str());
    SetDlgItemInt(dialog, IDC_RESIZE_WIDTH, static_cast<UINT>(size.width), FALSE);
    SetDlgItemInt(dialog, IDC_RESIZE_HEIGHT, static_cast<UINT>(size.height), FALSE);
    return TRUE;
  }
  InteriorSize* const chosen = dataOf<InteriorSize>(dialog);
  if (chosen && isOk(message, wParam)) {
    const InteriorSize size{fieldNumber(fieldText(dialog, IDC_RESIZE_WIDTH)),
                            fieldNumber(fieldText(dialog, IDC_RESIZE_HEIGHT))};
    if (refused(dialog, checkInteriorSize(size.width, size.height))) return TRUE;
    *chosen = size;
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  return cancelOn(dialog, message, wParam);
}

// ---- Description and completion code -------------------------------------------

// The On and Off buttons of a switched text, and how the text is taken.
struct SwitchedTextDialog {
  SwitchedText value;
  int onButton = 0;
  int offButton = 0;
  bool isCode = false;
  // Set while the dialog fills the field, whose change is not the user's.
  bool filling = false;
};

// The code's field is usable only while "On" is checked. The description's
// always takes typing, and typing checks "On": a box that ignored the keys
// while the focus sat on OK let the first blank close it and lose the text.
void showSwitch(HWND dialog, const SwitchedTextDialog& data) {
  if (!data.isCode) return;
  EnableWindow(GetDlgItem(dialog, IDC_EDITOR_FIELD),
               IsDlgButtonChecked(dialog, data.onButton) == BST_CHECKED);
}

// WM_INITDIALOG's answer: FALSE when the focus was put on the field.
INT_PTR initSwitchedText(HWND dialog, SwitchedTextDialog& data) {
  data.filling = true;
  SetDlgItemTextA(dialog, IDC_EDITOR_FIELD, data.value.text.c_str());
  data.filling = false;
  CheckRadioButton(dialog, data.onButton, data.offButton,
                   data.value.enabled ? data.onButton : data.offButton);
  showSwitch(dialog, data);
  if (data.isCode) {
    SendDlgItemMessageA(dialog, IDC_EDITOR_FIELD, EM_LIMITTEXT, kMaxEnteredCodeLength, 0);
    return TRUE;
  }
  SetFocus(GetDlgItem(dialog, IDC_EDITOR_FIELD));
  return FALSE;
}

INT_PTR CALLBACK switchedTextProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    keepData<SwitchedTextDialog>(dialog, lParam);
    return initSwitchedText(dialog, *dataOf<SwitchedTextDialog>(dialog));
  }
  SwitchedTextDialog* const kept = dataOf<SwitchedTextDialog>(dialog);
  if (message != WM_COMMAND || !kept) return FALSE;
  SwitchedTextDialog& data = *kept;
  const int id = LOWORD(wParam);
  if (id == IDC_EDITOR_FIELD && HIWORD(wParam) == EN_CHANGE) {
    if (!data.isCode && !data.filling)
      CheckRadioButton(dialog, data.onButton, data.offButton, data.onButton);
    return TRUE;
  }
  if (id == data.onButton || id == data.offButton) {
    showSwitch(dialog, data);
    return TRUE;
  }
  if (id == IDOK) {
    const bool enabled = IsDlgButtonChecked(dialog, data.onButton) == BST_CHECKED;
    const std::string text = fieldText(dialog, IDC_EDITOR_FIELD);
    const std::string cut = data.isCode ? cutCompletionCode(text) : cutDescription(text);
    if (data.isCode && refused(dialog, checkCompletionCode(enabled, cut))) return TRUE;
    data.value = {enabled, cut};
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  return cancelOn(dialog, message, wParam);
}

std::optional<SwitchedText> editSwitchedText(HINSTANCE instance, HWND owner, const char* name,
                                             SwitchedTextDialog data) {
  if (!runDialog(instance, owner, name, switchedTextProc, data)) return std::nullopt;
  return data.value;
}

}  // namespace

std::optional<std::string> askNewSetName(HINSTANCE instance, HWND owner) {
  std::string name;
  if (!runDialog(instance, owner, "newPuzzleSetDlg", newSetProc, name)) return std::nullopt;
  return name;
}

std::optional<int32_t> askLevelNumber(HINSTANCE instance, HWND owner, int32_t currentNumber) {
  int32_t number = currentNumber;
  if (!runDialog(instance, owner, "gotoDialog", goToProc, number)) return std::nullopt;
  return number;
}

std::optional<InteriorSize> askInteriorSize(HINSTANCE instance, HWND owner, InteriorSize current) {
  if (!runDialog(instance, owner, "resizeDlg", resizeProc, current)) return std::nullopt;
  return current;
}

std::optional<SwitchedText> editDescription(HINSTANCE instance, HWND owner, SwitchedText current) {
  return editSwitchedText(instance, owner, "descDialog",
                          {std::move(current), IDC_DESCRIPTION_ON, IDC_DESCRIPTION_OFF, false});
}

std::optional<SwitchedText> editCompletionCode(HINSTANCE instance, HWND owner,
                                               SwitchedText current) {
  return editSwitchedText(instance, owner, "codeDlg",
                          {std::move(current), IDC_CODE_ON, IDC_CODE_OFF, true});
}

}  // namespace trelux
