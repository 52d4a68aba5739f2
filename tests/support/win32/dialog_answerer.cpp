#include "support/win32/dialog_answerer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace trelux::test {
namespace {

// The static control that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

thread_local DialogAnswerer* active = nullptr;

bool isDialog(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return std::string(className) == "#32770";
}

}  // namespace

std::string windowText(HWND dialog, int id) {
  HWND window = id == 0 ? dialog : GetDlgItem(dialog, id);
  char text[4096] = {};
  if (window) GetWindowTextA(window, text, sizeof text);
  return text;
}

DialogAnswerer::DialogAnswerer() {
  active = this;
  hook_ = SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId());
}

DialogAnswerer::~DialogAnswerer() {
  if (hook_) UnhookWindowsHookEx(hook_);
  active = nullptr;
}

DialogAnswerer& DialogAnswerer::expect(DialogStep step) {
  steps_.push_back(std::move(step));
  return *this;
}

DialogAnswerer& DialogAnswerer::expectMessage(std::string caption, std::string text, int button) {
  DialogStep step;
  step.caption = std::move(caption);
  step.text = std::move(text);
  step.button = button;
  return expect(std::move(step));
}

void DialogAnswerer::verify() const {
  EXPECT_EQ(steps_.size(), 0u) << "dialogs expected but never shown; next: "
                               << (steps_.empty() ? "" : steps_.front().caption);
  for (const SeenDialog& dialog : seen_)
    EXPECT_TRUE(dialog.expected) << "unexpected dialog \"" << dialog.caption << "\": "
                                 << dialog.text;
}

LRESULT CALLBACK DialogAnswerer::hook(int code, WPARAM wParam, LPARAM lParam) {
  // The program's own hooks first: the dialog is looked at as it shows.
  const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
  if (code == HCBT_ACTIVATE && active) active->onActivate(reinterpret_cast<HWND>(wParam));
  return result;
}

void DialogAnswerer::onActivate(HWND window) {
  if (!isDialog(window)) return;
  const std::string caption = windowText(window);
  // The downloader's progress window, which has no caption, takes the
  // keyboard during each transfer; it is answered only when a step asks.
  if (caption.empty() && (steps_.empty() || !steps_.front().caption.empty())) return;
  const bool returning =
      std::find(handled_.begin(), handled_.end(), window) != handled_.end();
  if (returning) {
    if (!steps_.empty() && steps_.front().onReturn && steps_.front().caption == caption) {
      const DialogStep step = steps_.front();
      steps_.erase(steps_.begin());
      answer(window, step);
    }
    return;
  }
  handled_.push_back(window);
  SeenDialog seen{caption, windowText(window, kMessageBoxTextId), false};
  if (steps_.empty() || steps_.front().onReturn) {
    // Nobody expected this one: close it so the test goes on, and let
    // verify() report it.
    seen_.push_back(seen);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return;
  }
  const DialogStep step = steps_.front();
  steps_.erase(steps_.begin());
  seen.expected = true;
  EXPECT_EQ(caption, step.caption);
  if (step.text) {
    EXPECT_EQ(seen.text, *step.text) << "in \"" << caption << "\"";
  }
  seen_.push_back(seen);
  if (step.onReturn) return;
  answer(window, step);
}

void DialogAnswerer::answer(HWND window, const DialogStep& step) {
  if (step.inspect) step.inspect(window);
  for (const auto& [id, text] : step.edits) SetDlgItemTextA(window, id, text.c_str());
  if (step.listSelection)
    SendDlgItemMessageA(window, step.listSelection->first, LB_SETCURSEL,
                        static_cast<WPARAM>(step.listSelection->second), 0);
  if (!step.keys.empty()) {
    // A timer fires inside the dialog's own loop, once it waits for input.
    keysToType_ = step.keys;
    typingInto_ = window;
    buttonAfterKeys_ = step.button;
    SetTimer(nullptr, 0, 0, typeNextKey);
    return;
  }
  if (step.button == kNoButton) return;
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(step.button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, step.button)));
}

// One key per tick, so that each goes where the keys before it left the
// focus; the button a tick after the last key, when the characters its
// translation queued are typed too.
void CALLBACK DialogAnswerer::typeNextKey(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (!active) return;
  if (active->keysToType_.empty()) {
    if (active->buttonAfterKeys_ == kNoButton) return;
    // A dialog the keys closed is gone by then.
    HWND dialog = active->typingInto_;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(active->buttonAfterKeys_, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, active->buttonAfterKeys_)));
    return;
  }
  const WORD key = active->keysToType_.front();
  active->keysToType_.erase(active->keysToType_.begin());
  if (HWND focus = GetFocus()) {
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
  } else {
    ADD_FAILURE() << "no control has the keyboard to type into";
    active->keysToType_.clear();
  }
  SetTimer(nullptr, 0, 0, typeNextKey);
}

}  // namespace trelux::test
