// Fonts of the forms' controls, made from the font description the buttons use too
// (FontObject; read from JSON by FontObjectFromJson).
#pragma once

#include "forms/font_object.h"
#include "platform/handles.h"

namespace forms {

// Character height in pixels for a point size at `dpi` (negative, as LOGFONT wants
// it: -13 for 9.75 pt at 96 dpi, -26 at 192): points × dpi / 72, halves away from zero.
int FontHeightForPoints(double points, int dpi);

// The font of a control of a window shown at `dpi`.
platform::Font CreateControlFont(const FontObject& font, int dpi);

}  // namespace forms
