// The forms' message loop: dispatches messages after the forms' own keys
// (keyboard_navigation.h).
#pragma once

#include <windows.h>

#include <functional>

#include "forms/keyboard_navigation.h"

namespace forms {

// Runs until WM_QUIT (returns false, leaving WM_QUIT posted again for outer loops)
// or until keepGoing() turns false (returns true).
bool RunMessageLoop(const std::function<bool()>& keepGoing);

}  // namespace forms
