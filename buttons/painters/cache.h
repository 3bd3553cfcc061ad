// The caption font record built from the control's Font.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace buttons {

// Negative character height in pixels of a font of `points` on a screen with
// `twipsPerPixelY` twips per pixel: -20 * points / twipsPerPixelY, halves to even.
// The control passes 1440 / its DPI (15 at 96 dots per inch, 7.5 at 192).
int32_t CaptionFontHeight(double points, double twipsPerPixelY);

// The logical font of the caption: the face name cut to fit its 32-character field
// with its terminating NUL, the height above, the weight, italic, underline and
// strike-out flags, the default character set; everything else 0.
LOGFONTW CaptionLogFont(std::wstring_view name, double points, int32_t weight, bool italic, bool underline,
                        bool strikethrough, double twipsPerPixelY);

}  // namespace buttons
