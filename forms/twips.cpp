#include "forms/twips.h"

#include <windows.h>

#include "platform/screen.h"

namespace forms {

int TwipsPerPixelX() { return 1440 / platform::ScreenDpi(LOGPIXELSX); }
int TwipsPerPixelY() { return 1440 / platform::ScreenDpi(LOGPIXELSY); }

int TwipsToPixels(int twips, int dpi) {
    // In 64 bits: a layout of any size at any DPI, halves away from zero.
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

int TwipsToPixelsX(int twips) { return TwipsToPixels(twips, platform::ScreenDpi(LOGPIXELSX)); }
int TwipsToPixelsY(int twips) { return TwipsToPixels(twips, platform::ScreenDpi(LOGPIXELSY)); }

}  // namespace forms
