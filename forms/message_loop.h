// The forms' message loop: dispatches messages, moving the focus with Tab in the
// forms' tab order.
#pragma once

#include <windows.h>

#include <functional>

namespace forms {

// Handles the keys the forms treat themselves (Tab, Shift+Tab); true when done.
bool PreTranslateFormMessage(const MSG& msg);

// Runs until WM_QUIT (returns false, leaving WM_QUIT posted again for outer loops)
// or until keepGoing() turns false (returns true).
bool RunMessageLoop(const std::function<bool()>& keepGoing);

}  // namespace forms
