#include "buttons/painters/high_contrast.h"

#include <windows.h>

namespace buttons {
namespace {

int Brightness(int32_t rgb) {
    const int r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
    return (r * 299 + g * 587 + b * 114) / 1000;
}

int32_t Sys(int index) { return static_cast<int32_t>(::GetSysColor(index)); }

}  // namespace

SystemPalette SystemPalette::Current() {
    return {Sys(COLOR_BTNFACE), Sys(COLOR_BTNTEXT),    Sys(COLOR_GRAYTEXT), Sys(COLOR_3DHILIGHT),
            Sys(COLOR_3DSHADOW), Sys(COLOR_3DDKSHADOW), Sys(COLOR_HOTLIGHT), Sys(COLOR_WINDOW)};
}

FaceChoice HighContrastFace(const PainterInputs& in, const FaceChoice& styleChoice, const SystemPalette& p) {
    FaceChoice choice;
    choice.face = p.face;
    choice.second = p.face;
    choice.captionColorArg = in.enabled ? p.text : p.grayText;
    choice.checked = styleChoice.checked;
    choice.singlePass = true;
    return choice;
}

int32_t HighContrastRingColour(int32_t colour, int32_t styleFace, const SystemPalette& p) {
    if (colour == kNone) return kNone;
    const int difference = Brightness(colour) - Brightness(styleFace);
    if (difference > 8) return p.hilight;
    if (difference >= -8) return p.face;
    return difference < -96 ? p.dkShadow : p.shadow;
}

PainterFinish HighContrastFinish(const PainterInputs& in, PainterFinish f, int32_t styleFace, const SystemPalette& p) {
    for (int i = 1; i <= 12; ++i) f.rings[i] = HighContrastRingColour(f.rings[i], styleFace, p);
    for (int i = 0; i < f.cornerCount; ++i)
        f.corners[i].colour = f.corners[i].colour == in.containerBackRgb
                                  ? p.window
                                  : HighContrastRingColour(f.corners[i].colour, styleFace, p);
    f.designEllipseColour = p.text;
    f.outlineColour = HighContrastRingColour(f.outlineColour, styleFace, p);
    f.drawFocus = in.defaultOutline && in.showFocusRect;
    f.focusSolid = true;
    f.focusColour = p.text;
    return f;
}

}  // namespace buttons
