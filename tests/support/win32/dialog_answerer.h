// Answers the modal dialogs and message boxes that code under test opens,
// the way a user would: a WH_CBT hook on the test's thread sees each dialog
// as it activates, records its caption and text, fills edits, selects list
// lines and presses a button by posting the message a click would send.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trelux::test {

// A step's button that presses nothing: the dialog closes by itself.
inline constexpr int kNoButton = 0;

struct DialogStep {
  std::string caption;                              // expected caption
  std::optional<std::string> text;                  // expected message box text
  std::vector<std::pair<int, std::string>> edits;   // control id, text to enter
  std::optional<std::pair<int, int>> listSelection; // list box id, line
  std::function<void(HWND)> inspect;                // looks at the dialog first
  int button = IDOK;                                // pressed last, unless kNoButton
  // Typed first: each key, pressed and released, goes to the control that
  // has the focus once the dialog runs. The button is pressed after them only
  // when the dialog is still open, so that keys that fail to close it do not
  // leave the test waiting (verify() reports what opened instead).
  std::vector<WORD> keys;
  // Answers the dialog when it becomes active again (after a message box it
  // opened has closed) instead of when it first opens.
  bool onReturn = false;
};

struct SeenDialog {
  std::string caption;
  std::string text;  // the message box text, empty for other dialogs
  bool expected = false;
};

class DialogAnswerer {
 public:
  DialogAnswerer();
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  DialogAnswerer& expect(DialogStep step);
  // Shorthand for a message box answered with button.
  DialogAnswerer& expectMessage(std::string caption, std::string text, int button = IDOK);

  const std::vector<SeenDialog>& seen() const { return seen_; }
  size_t pendingSteps() const { return steps_.size(); }
  // Fails the current test unless every step was answered and nothing else
  // opened.
  void verify() const;

 private:
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK typeNextKey(HWND, UINT, UINT_PTR timer, DWORD);
  void onActivate(HWND window);
  void answer(HWND window, const DialogStep& step);

  HHOOK hook_ = nullptr;
  std::vector<DialogStep> steps_;
  std::vector<SeenDialog> seen_;
  std::vector<HWND> handled_;
  std::vector<WORD> keysToType_;
  HWND typingInto_ = nullptr;
  int buttonAfterKeys_ = IDOK;
};

// The text of a dialog's control, or of the window itself for id 0.
std::string windowText(HWND dialog, int id = 0);

}  // namespace trelux::test
