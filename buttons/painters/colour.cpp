#include "buttons/painters/colour.h"

#include "buttons/qvbuttons_h.h"

#include <windows.h>

#include <algorithm>

namespace buttons {

namespace {

int32_t Channel(int32_t colour, int shift) { return (colour >> shift) & 0xFF; }

int32_t Clamp(int32_t v) { return std::clamp<int32_t>(v, 0, 255); }

}  // namespace

int32_t ShiftColor(int32_t colour, int16_t amount, bool proportional) {
    const int32_t red = Channel(colour, 0) + amount;
    const int32_t green = Channel(colour, 8) + amount;
    const int32_t blue = Channel(colour, 16);
    const int32_t shiftedBlue = proportional ? blue + (amount * blue) / 192 : blue + amount;
    return Clamp(red) + 256 * Clamp(green) + 65536 * Clamp(shiftedBlue);
}

FaceColors FaceColorsForStyle(int32_t style, int32_t backRgb, int32_t hoverRgb, int32_t previousChecked) {
    FaceColors c{backRgb, backRgb, hoverRgb, previousChecked};
    switch (style) {
    case bsRoundedFrame:
        c.face = ShiftColor(backRgb, 31);
        c.pressed = ShiftColor(kGrey, -16);
        c.hover = ShiftColor(hoverRgb, 31);
        c.checked = ShiftColor(kGrey, 16, true);
        break;
    case bsShadedRounded:  // pressed is taken from the already lightened face
        c.face = ShiftColor(backRgb, 48, true);
        c.pressed = ShiftColor(c.face, -32, true);
        c.hover = ShiftColor(hoverRgb, 48, true);
        c.checked = ShiftColor(kWhite, -32, true);
        break;
    case bsEtched:
        c.pressed = ShiftColor(kGrey, 12);
        c.checked = ShiftColor(ShiftColor(kGrey, 12), 31);
        break;
    case bsBevel: case bsFramedBevel: case bsFlat: case bsHoverFrame: case bsSoftBevel:
        c.checked = ShiftColor(kWhite, -32);
        break;
    default:
        break;
    }
    return c;
}

}  // namespace buttons

namespace buttons {

std::int32_t qvButtons_H::ShiftColor(std::int32_t color, std::int16_t amount, bool proportional) {
    return buttons::ShiftColor(color, amount, proportional);
}

}  // namespace buttons
