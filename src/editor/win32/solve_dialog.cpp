#include "editor/win32/solve_dialog.h"

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

}  // namespace

std::optional<SolveResult> runSolveDialog(HINSTANCE instance, HWND owner, std::string snapshot) {
  SolveJob job(std::move(snapshot));
  const INT_PTR answer = DialogBoxParamA(instance, "solveProgressDlg", owner, solveProc,
                                         reinterpret_cast<LPARAM>(&job));
  if (answer != IDOK) return std::nullopt;
  return job.result();
}

}  // namespace trelux
