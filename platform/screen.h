// The screen's resolution, read from the screen DC.
#pragma once

#include <windows.h>

namespace platform {

// Dots per inch of the screen: LOGPIXELSX or LOGPIXELSY; 96 when it cannot be read.
int ScreenDpi(int index);

// The primary screen's width and height in pixels. Reading them costs as much as a
// whole repaint of a button under Wine, so they are read again at most once a second.
SIZE ScreenSize();

}  // namespace platform
