#include "buttons/painters/gradient.h"

#include "buttons/qvbuttons_h.h"

#include <algorithm>
#include <cmath>

#include "platform/screen.h"

namespace buttons {

void BuildGradientColors(std::vector<int32_t>& table, int32_t start, int32_t end) {
    if (table.empty()) return;
    table[0] = start;
    const size_t m = table.size() - 1;
    if (m == 0) return;
    float channel[3];
    float step[3];
    for (int k = 0; k < 3; ++k) {
        channel[k] = static_cast<float>((start >> (8 * k)) & 0xFF);
        const int32_t target = (end >> (8 * k)) & 0xFF;
        step[k] = (static_cast<float>(target) - channel[k]) / static_cast<float>(m);
    }
    for (size_t i = 1; i <= m; ++i) {
        int32_t colour = 0;
        for (int k = 0; k < 3; ++k) {
            channel[k] = std::clamp(channel[k] + step[k], 0.0f, 255.0f);
            colour += static_cast<int32_t>(std::floor(channel[k])) << (8 * k);
        }
        table[i] = colour;
    }
}

GradientBands GradientBandsFor(int32_t mode, int32_t width, int32_t height, int32_t screenWidth,
                               int32_t screenHeight) {
    GradientBands bands;
    if (mode < gmLeftToRight || mode > gmBottomToTop) return bands;
    bands.horizontal = mode <= gmRightToLeft;
    bands.reversed = mode == gmRightToLeft || mode == gmBottomToTop;
    const int32_t extent = bands.horizontal ? width : height;
    const int32_t screen = bands.horizontal ? screenWidth : screenHeight;
    if (extent <= 0) return bands;
    if (screen / extent < 4) {
        bands.size = 2;
        bands.count = extent / 2;
    } else {
        bands.count = extent;
    }
    return bands;
}

}  // namespace buttons

namespace buttons {

void qvButtons_H::BuildGradientColors(std::vector<std::int32_t>& table, std::int32_t start, std::int32_t end) {
    buttons::BuildGradientColors(table, start, end);
}

void qvButtons_H::FillGradient(std::int32_t start, std::int32_t end) {
    FillGradientInMode(*this, GradientMode(), start, end);
}

void FillGradientInMode(qvButtons_H& control, std::int32_t mode, std::int32_t start, std::int32_t end) {
    const std::int32_t sw = control.ScaleWidthPixels();
    const std::int32_t sh = control.ScaleHeightPixels();
    const SIZE screen = platform::ScreenSize();
    const GradientBands bands = GradientBandsFor(mode, sw, sh, screen.cx, screen.cy);
    if (bands.count <= 0) return;
    std::vector<std::int32_t> table(static_cast<size_t>(bands.count));
    BuildGradientColors(table, start, end);
    RECT band = bands.horizontal ? RECT{0, 0, bands.size, sh} : RECT{0, 0, sw, bands.size};
    HDC dc = control.Buffer().dc();
    for (std::int32_t i = 0; i < bands.count; ++i) {
        const std::int32_t index = bands.reversed ? bands.count - 1 - i : i;
        control.DrawRectangle(dc, band.left, band.top, band.right, band.bottom, table[index]);
        if (bands.horizontal) ::OffsetRect(&band, bands.size, 0);
        else ::OffsetRect(&band, 0, bands.size);
    }
}

}  // namespace buttons
