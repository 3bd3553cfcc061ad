#include "forms/twips.h"

#include <windows.h>

namespace forms {
namespace {

int ScreenDpi(int index) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, index) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int Round(int twips, int perPixel) {
    return twips >= 0 ? (twips + perPixel / 2) / perPixel : -((-twips + perPixel / 2) / perPixel);
}

}  // namespace

int TwipsPerPixelX() { return 1440 / ScreenDpi(LOGPIXELSX); }
int TwipsPerPixelY() { return 1440 / ScreenDpi(LOGPIXELSY); }

int TwipsToPixelsX(int twips) { return Round(twips, TwipsPerPixelX()); }
int TwipsToPixelsY(int twips) { return Round(twips, TwipsPerPixelY()); }

}  // namespace forms
