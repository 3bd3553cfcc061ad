// Colour arithmetic of the button control. Colours are 32-bit 0x00BBGGRR values;
// a negative value names a system colour by the index in its low byte.
#pragma once

#include <cstdint>

#include "buttons/button_enums.h"
#include "forms/colors.h"

namespace buttons {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kGrey = 0x808080;
constexpr int32_t kBlack = 0x000000;

// Adds `amount` to red, green and blue, each clamped to 0..255. With `proportional`
// blue changes by amount * blue / 192 (truncated), so a colour without blue keeps none.
int32_t ShiftColor(int32_t colour, int16_t amount, bool proportional = false);

using forms::ResolveSystemColor;

// The face colours a style derives from the resolved BackColor and HoverBackColor.
struct FaceColors {
    int32_t face = 0;
    int32_t pressed = 0;
    int32_t hover = 0;
    int32_t checked = 0;
};

// The cached colours of `style` (0..7). A style outside that range keeps
// `previousChecked` as its checked colour and uses the colours unshifted.
FaceColors FaceColorsForStyle(int32_t style, int32_t backRgb, int32_t hoverRgb, int32_t previousChecked);

}  // namespace buttons
