// The screen-wide mouse pointer: 0 the default, 11 the hourglass. While it is not
// the default, every form shows it instead of its own pointers.
#pragma once

namespace forms {

constexpr int kPointerDefault = 0;
constexpr int kPointerHourglass = 11;

void SetScreenMousePointer(int pointer);
int ScreenMousePointer();

}  // namespace forms
