// Gradient faces: the colour table and the band layout of a gradient fill.
#pragma once

#include <cstdint>

#include "buttons/button_enums.h"
#include <vector>

namespace buttons {

// Fills `table` (its size set by the caller) with colours from `start` to `end`,
// stepping each channel in single precision and flooring, so a long table can end
// one level short of `end`. A single entry holds `start`.
void BuildGradientColors(std::vector<int32_t>& table, int32_t start, int32_t end);

// How a gradient of GradientMode `mode` covers a face of width x height pixels on a
// screen of screenWidth x screenHeight pixels: `count` bands of `size` pixels, as
// vertical strips from the left (horizontal) or horizontal strips from the top.
// A face larger than a quarter of the screen in that direction uses 2-pixel bands.
struct GradientBands {
    bool horizontal = false;
    int32_t count = 0;
    int32_t size = 1;
    bool reversed = false;  // the first band gets the end colour (modes 2 and 4)
};
GradientBands GradientBandsFor(int32_t mode, int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight);

}  // namespace buttons

namespace buttons {

class qvButtons_H;

// FillGradient of `control` as if its GradientMode were `mode` for the call (the ring
// of the round and picture shapes is drawn top to bottom whatever the face uses).
void FillGradientInMode(qvButtons_H& control, int32_t mode, int32_t start, int32_t end);

}  // namespace buttons
