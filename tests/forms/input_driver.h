// Real keyboard and pointer input (SendInput), and a pump that runs the forms'
// own key handling as their message loop does.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace hosttest {

// Delivers this thread's messages for `ms` milliseconds, forms keys included.
void PumpFor(int ms);
// Presses the keys in order and releases them in reverse order, then pumps.
void Keys(std::initializer_list<WORD> keys);
// Moves the pointer to a screen point (absolute move: the window sees WM_MOUSEMOVE).
void MoveTo(POINT screen);
void LeftButton(bool down);
// The centre of a window in screen coordinates.
POINT CentreOf(HWND hwnd);
// Colours of a window's client pixels, read through its top-level window's DC.
std::vector<COLORREF> PixelsOf(HWND hwnd);

}  // namespace hosttest
