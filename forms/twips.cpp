#include "forms/twips.h"

#include <windows.h>

#include "platform/screen.h"

namespace forms {
namespace {

int Round(int twips, int perPixel) {
    return twips >= 0 ? (twips + perPixel / 2) / perPixel : -((-twips + perPixel / 2) / perPixel);
}

}  // namespace

int TwipsPerPixelX() { return 1440 / platform::ScreenDpi(LOGPIXELSX); }
int TwipsPerPixelY() { return 1440 / platform::ScreenDpi(LOGPIXELSY); }

int TwipsToPixelsX(int twips) { return Round(twips, TwipsPerPixelX()); }
int TwipsToPixelsY(int twips) { return Round(twips, TwipsPerPixelY()); }

}  // namespace forms
