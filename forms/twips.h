// Window layout is described in twips; the screen works in pixels: 1440 twips to the
// inch, so 15 twips a pixel at 96 dpi, 7.5 at 192.
#pragma once

namespace forms {

// Whole twips per pixel at the screen's DPI (15 at 96 dpi). Truncated: a ratio, not
// what lengths are converted with.
int TwipsPerPixelX();
int TwipsPerPixelY();

// Pixels for a length in twips at `dpi`: twips × dpi / 1440 in exact proportion,
// rounded to the nearest pixel, a half away from zero.
int TwipsToPixels(int twips, int dpi);

// The same at the screen's DPI.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

}  // namespace forms
