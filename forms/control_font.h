// Fonts of the forms' controls, made from the font description the buttons use too
// (FontObject; read from JSON by FontObjectFromJson).
#pragma once

#include "forms/font_object.h"
#include "platform/handles.h"

namespace forms {

// Character height in pixels for a point size on this screen (negative, as
// LOGFONT wants it: -13 for 9.75 pt at 96 dpi).
int FontHeightForPoints(double points);

platform::Font CreateControlFont(const FontObject& font);

}  // namespace forms
