// How a caption is drawn: the pressed offset, whether image and text are drawn,
// and the text passes (embossed and engraved copies, the disabled shadow), as a
// pure plan that the drawing routine carries out.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "buttons/button_enums.h"

namespace buttons {

// What the caption drawing reads from the control.
struct CaptionInputs {
    int32_t style = 0;  // ButtonStyle
    int32_t shape = 0;  // ButtonShape
    bool value = false;
    bool pressed = false;  // HeldDown and PointerOver
    bool enabled = true;
    bool hovering = false;
    bool hasCaption = false;
    int32_t gradientMode = 0;
    int32_t captionAlign = 2;
    int32_t captionStyle = 0;
    int32_t hoverForeRgb = 0;  // HoverForeColor resolved
    int32_t foreRgb = 0;       // ForeColor resolved
    bool highContrast = false;  // one plain pass in the painter's caption colour
};

// One drawing of the text: its offset from the (shifted) caption rectangle and colour.
struct TextPass {
    int32_t dx = 0;
    int32_t dy = 0;
    int32_t colour = 0;
};

struct CaptionPlan {
    POINT shift{};  // moves caption and image rectangles
    bool drawImage = false;
    bool drawText = false;
    UINT format = 0;
    std::array<TextPass, 3> passes{};
    int passCount = 0;
    bool singlePass = false;  // the single-pass flag as the routine leaves it
};

// face: the colour the face was filled with; altColour: the painter's caption colour
// argument (negative for none); checked and singlePass: the painter's flags.
CaptionPlan PlanCaption(const CaptionInputs& in, int32_t face, int32_t altColour, bool checked, bool singlePass);

}  // namespace buttons
