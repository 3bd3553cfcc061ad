#include "buttons/painters/gradient.h"

#include <gtest/gtest.h>

using namespace buttons;

namespace {
std::vector<int32_t> Table(size_t n, int32_t a, int32_t b) {
    std::vector<int32_t> t(n, -1);
    BuildGradientColors(t, a, b);
    return t;
}
}  // namespace

TEST(GradientColors, SinglePrecisionCanEndOneLevelShort) {
    const auto t37 = Table(37, 0x000000, 0x0000FF);
    EXPECT_EQ(0x000000, t37.front());
    EXPECT_EQ(0x0000FE, t37.back());
    const auto t30 = Table(30, 0x808080, 0xFFFFFF);
    EXPECT_EQ(0x808080, t30.front());
    EXPECT_EQ(0xFEFEFE, t30.back());
    const auto t256 = Table(256, 0x000000, 0x0000FF);
    EXPECT_EQ(0x0000FF, t256.back());
    for (size_t i = 0; i < t256.size(); ++i) EXPECT_EQ(static_cast<int32_t>(i), t256[i]);
}

TEST(GradientColors, ExactStepsPerChannel) {
    // Red 0 -> 254, green 200 -> 72, blue 8 -> 10 over two steps: 127, -64 and 1,
    // all exact in single precision.
    const auto t = Table(3, 0x08C800, 0x0A48FE);
    EXPECT_EQ((std::vector<int32_t>{0x08C800, 0x09887F, 0x0A48FE}), t);
}

TEST(GradientColors, OneEntryHoldsStartAndEmptyTableIsLeftAlone) {
    EXPECT_EQ(std::vector<int32_t>{0x123456}, Table(1, 0x123456, 0xFFFFFF));
    std::vector<int32_t> empty;
    BuildGradientColors(empty, 1, 2);
    EXPECT_TRUE(empty.empty());
}

TEST(GradientBands, OnePixelBandsUnlessAQuarterOfTheScreen) {
    const GradientBands narrow = GradientBandsFor(1, 100, 30, 1024, 768);
    EXPECT_TRUE(narrow.horizontal);
    EXPECT_EQ(100, narrow.count);
    EXPECT_EQ(1, narrow.size);
    EXPECT_FALSE(narrow.reversed);

    const GradientBands wide = GradientBandsFor(2, 300, 30, 1024, 768);
    EXPECT_TRUE(wide.horizontal);
    EXPECT_EQ(150, wide.count);
    EXPECT_EQ(2, wide.size);
    EXPECT_TRUE(wide.reversed);

    // An odd width in two-pixel mode leaves the last column to the caller.
    const GradientBands odd = GradientBandsFor(1, 301, 30, 1024, 768);
    EXPECT_EQ(150, odd.count);
    EXPECT_EQ(2, odd.size);

    // 1024 \ 256 = 4 is not below 4: still one-pixel bands.
    EXPECT_EQ(256, GradientBandsFor(1, 256, 30, 1024, 768).count);
    EXPECT_EQ(128, GradientBandsFor(1, 257, 30, 1024, 768).count);
}

TEST(GradientBands, VerticalModesUseTheHeightAndScreenHeight) {
    const GradientBands top = GradientBandsFor(3, 89, 41, 1024, 768);
    EXPECT_FALSE(top.horizontal);
    EXPECT_EQ(41, top.count);
    EXPECT_EQ(1, top.size);
    EXPECT_FALSE(top.reversed);
    const GradientBands bottom = GradientBandsFor(4, 89, 200, 1024, 768);
    EXPECT_EQ(100, bottom.count);
    EXPECT_EQ(2, bottom.size);
    EXPECT_TRUE(bottom.reversed);
}

TEST(GradientBands, NoBandsForEmptyFacesOrNoGradient) {
    EXPECT_EQ(0, GradientBandsFor(1, 0, 30, 1024, 768).count);
    EXPECT_EQ(0, GradientBandsFor(3, 30, 0, 1024, 768).count);
    EXPECT_EQ(0, GradientBandsFor(1, 1, 30, 3, 768).count);  // one pixel in two-pixel mode
    EXPECT_EQ(0, GradientBandsFor(0, 100, 30, 1024, 768).count);
    EXPECT_EQ(0, GradientBandsFor(5, 100, 30, 1024, 768).count);
}
