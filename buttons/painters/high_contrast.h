// The painters' decisions in the system's high-contrast look: system colours only
// (face, text, the 3D colours), no gradient, no stored colour, a plain caption, a
// solid focus mark in the text colour. The geometry (rings, corners, region) stays
// the style's own; only its colours are mapped.
#pragma once

#include <cstdint>

#include "buttons/painters/style_rules.h"

namespace buttons {

// The system colours the look draws with (RGB).
struct SystemPalette {
    int32_t face = 0;      // COLOR_BTNFACE
    int32_t text = 0;      // COLOR_BTNTEXT
    int32_t grayText = 0;  // COLOR_GRAYTEXT
    int32_t hilight = 0;   // COLOR_3DHILIGHT
    int32_t shadow = 0;    // COLOR_3DSHADOW
    int32_t dkShadow = 0;  // COLOR_3DDKSHADOW
    int32_t hotLight = 0;  // COLOR_HOTLIGHT: the hover frame
    int32_t window = 0;    // COLOR_WINDOW: the container around shaped buttons
    static SystemPalette Current();
};

// The face: the button face, no second colour, the caption in the text colour (grey
// text when disabled), one pass; the style's checked flag is kept.
FaceChoice HighContrastFace(const PainterInputs& in, const FaceChoice& styleChoice, const SystemPalette& p);

// A colour of the style's rings mapped by its brightness against the face the style
// lit it from: lighter to the highlight, equal to the face, darker to the shadow,
// much darker to the dark shadow. kNone stays kNone.
int32_t HighContrastRingColour(int32_t colour, int32_t styleFace, const SystemPalette& p);

// The style's finish with every colour mapped (corner pixels of the container's
// colour become the window colour), and the focus mark solid in the text colour
// whenever the control shows its default outline.
PainterFinish HighContrastFinish(const PainterInputs& in, PainterFinish f, int32_t styleFace, const SystemPalette& p);

}  // namespace buttons
