// Window layout is described in twips; the screen works in pixels. The number of
// twips per pixel follows the screen's DPI (15 at 96 dpi).
#pragma once

namespace forms {

int TwipsPerPixelX();
int TwipsPerPixelY();

// Nearest pixel count for a length in twips.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

}  // namespace forms
