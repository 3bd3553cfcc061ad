// The screen's resolution, read from the screen DC.
#pragma once

#include <windows.h>

namespace platform {

// Dots per inch of the screen: LOGPIXELSX or LOGPIXELSY; 96 when it cannot be read.
int ScreenDpi(int index);

// A length laid out for 96 dpi, in pixels of this screen (vertical resolution).
int ScaledFrom96(int pixels);

// A new font of the system's message boxes (the caller owns it), or null.
HFONT CreateMessageFont();

// The primary screen's width and height in pixels. Reading them costs as much as a
// whole repaint of a button under Wine, so they are read again at most once a second.
SIZE ScreenSize();

}  // namespace platform
