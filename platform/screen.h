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

// The DPI-aware functions of user32 (Windows 10 1607 on) are bound late: on older
// systems, Windows 7 among them, the program falls back to the one system DPI.

// The system DPI (GetDpiForSystem), else the screen DC's vertical resolution.
int SystemDpi();
// The DPI `hwnd` is shown at (GetDpiForWindow), else the system DPI.
int WindowDpi(HWND hwnd);
// Grows a client rectangle to the window rectangle for a frame drawn at `dpi`
// (AdjustWindowRectExForDpi), else at the system DPI (AdjustWindowRectEx).
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// The message-box font for `dpi` (the caller owns it), or null: its height is the
// system's one scaled from the system DPI, so at the system DPI it is the same font
// as CreateMessageFont's.
HFONT CreateMessageFont(int dpi);
// WM_DPICHANGED: moves `hwnd` to the rectangle the system suggests (in `lp`) and
// returns the new DPI (in `wp`).
int TakeSuggestedPlace(HWND hwnd, WPARAM wp, LPARAM lp);

// The primary screen's width and height in pixels. Reading them costs as much as a
// whole repaint of a button under Wine, so they are read again at most once a second.
SIZE ScreenSize();

}  // namespace platform
