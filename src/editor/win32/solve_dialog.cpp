#include "editor/win32/solve_dialog.h"

#include <cstring>
#include <string>
#include <utility>

#include "editor/editor_solve.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressIntervalMs = 100;

void showProgress(HWND dialog, const SolveJob& job) {
  const std::string text =
      "Searching for the shortest solution...\n" + groupedNumber(job.statesSeen()) + " positions";
  SetDlgItemTextA(dialog, IDC_SOLVE_STATUS, text.c_str());
}

INT_PTR CALLBACK solveProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    SetTimer(dialog, kProgressTimer, kProgressIntervalMs, nullptr);
    return TRUE;
  }
  // Null until WM_INITDIALOG has kept it: messages such as WM_SETFONT come
  // before.
  auto* job = reinterpret_cast<SolveJob*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!job) return FALSE;
  switch (message) {
    case WM_TIMER:
      if (job->finished()) {
        KillTimer(dialog, kProgressTimer);
        EndDialog(dialog, IDOK);
      } else {
        showProgress(dialog, *job);
      }
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      KillTimer(dialog, kProgressTimer);
      job->cancel();
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default: return FALSE;
  }
}

struct Solution {
  std::string report;
  std::string keys;
};

bool copyToClipboard(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool copied = false;
  if (memory) {
    if (void* bytes = GlobalLock(memory)) {
      memcpy(bytes, text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
      copied = SetClipboardData(CF_TEXT, memory) != nullptr;
    }
    if (!copied) GlobalFree(memory);  // the clipboard did not take it
  }
  CloseClipboard();
  return copied;
}

INT_PTR CALLBACK solutionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    const auto& solution = *reinterpret_cast<const Solution*>(lParam);
    SetDlgItemTextA(dialog, IDC_SOLVE_REPORT, solution.report.c_str());
    SetDlgItemTextA(dialog, IDC_SOLVE_KEYS, solution.keys.c_str());
    return TRUE;
  }
  const auto* solution = reinterpret_cast<const Solution*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (message != WM_COMMAND || !solution) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_SOLVE_COPY:
      if (copyToClipboard(dialog, solution->keys)) SetDlgItemTextA(dialog, IDC_SOLVE_COPY, "Copied");
      return TRUE;
    case IDOK:
    case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
    default: return FALSE;
  }
}

}  // namespace

bool showSolution(HINSTANCE instance, HWND owner, const std::string& report,
                  const std::string& keys) {
  Solution solution{report, keys};
  return DialogBoxParamA(instance, "solutionDlg", owner, solutionProc,
                         reinterpret_cast<LPARAM>(&solution)) == IDOK;
}

std::optional<SolveResult> runSolveDialog(HINSTANCE instance, HWND owner, std::string snapshot) {
  SolveJob job(std::move(snapshot));
  const INT_PTR answer = DialogBoxParamA(instance, "solveProgressDlg", owner, solveProc,
                                         reinterpret_cast<LPARAM>(&job));
  if (answer != IDOK) return std::nullopt;
  return job.result();
}

}  // namespace trelux
