// Where the focus mark of a button goes and how it is drawn.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "buttons/button_enums.h"

namespace buttons {

struct FocusInput {
    int32_t style = 0;
    int32_t shape = 0;
    bool defaultOutline = false;
    bool solid = false;        // a solid frame in the colour instead of the dotted one
    bool captionFlag = false;  // frame the caption rather than the face
    int32_t colour = 0;
    int32_t sw = 0, sh = 0;
    int32_t flatLeft = 0, flatRight = 0;
    RECT captionRect{};
    RECT imageRect{};
    bool captionEmpty = false;
    bool value = false;
    bool pressed = false;
};

struct FocusPlan {
    enum class Kind { None, FocusRect, Polyline };
    Kind kind = Kind::None;
    RECT rect{};                   // for FocusRect
    std::array<POINT, 5> points{};  // for Polyline
    int32_t colour = 0;            // pen colour (selected for both kinds)
    bool captionFlag = false;      // set for the ovals
};

FocusPlan PlanFocus(const FocusInput& in);

}  // namespace buttons
