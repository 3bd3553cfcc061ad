// The screen's resolution, read from the screen DC.
#pragma once

namespace platform {

// Dots per inch of the screen: LOGPIXELSX or LOGPIXELSY; 96 when it cannot be read.
int ScreenDpi(int index);

}  // namespace platform
