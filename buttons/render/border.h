// Geometry and pen plan of the button border: three rings of one-pixel lines
// (inner, middle, outer), following the slanted sides of the slanted shapes.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "buttons/button_enums.h"
#include <vector>

namespace buttons {

// The 16 points of the rings: 0-4 inner, 5-9 middle, 10-14 outer, 15 the end of the
// closing bottom segment. sw, sh: client size; flatLeft, flatRight: the columns
// bounding the unslanted part of the face; shape: ButtonShape (1 and 3 slant the
// left side, 2 and 3 the right side).
std::array<POINT, 16> BorderRingPoints(int32_t sw, int32_t sh, int32_t flatLeft, int32_t flatRight, int32_t shape);

// One line of the border, drawn as a two-point polyline (its end pixel not painted).
// `newPen` says whether a pen of `colour` and `penStyle` is selected before it; a
// stroke without a new pen uses the pen selected last.
struct BorderStroke {
    POINT from{};
    POINT to{};
    int32_t colour = 0;
    bool newPen = false;
    int32_t penStyle = PS_SOLID;
};

// The strokes of the border in drawing order. colours[1..12]: inner, middle and outer
// ring, each left, top, right, bottom; a negative colour leaves its side out (index 0
// is unused). outerPenStyle: the pen style of the outer ring, negative for solid.
// A pen is only replaced when the colour changes, so an outer side in the colour of
// the side drawn before it keeps that side's pen. The closing bottom segment is
// drawn with the last pen unless sw equals the right slant flag.
std::vector<BorderStroke> PlanBorder(const std::array<POINT, 16>& points, const std::array<int32_t, 13>& colours,
                                     int32_t outerPenStyle, int32_t sw, int32_t shape);

}  // namespace buttons
