#include "buttons/painters/colour.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace buttons;

TEST(ShiftColor, WorkedExamples) {
    EXPECT_EQ(0x666666, ShiftColor(0x808080, -26));
    EXPECT_EQ(0xE7E7E7, ShiftColor(0xDFDFDF, 8));
    EXPECT_EQ(0xD5DFDF, ShiftColor(0xFFFFFF, -32, true));  // red 223, green 223, blue 213
    EXPECT_EQ(0x8A9090, ShiftColor(0x808080, 16, true));   // red 144, green 144, blue 138
    EXPECT_EQ(0xDFDFDF, ShiftColor(0xFFFFFF, -32));
    EXPECT_EQ(0x8C8C8C, ShiftColor(0x808080, 12));
    EXPECT_EQ(0x707070, ShiftColor(0x808080, -16));
    EXPECT_EQ(0x606060, ShiftColor(0x808080, -32));
}

TEST(ShiftColor, ZeroKeepsClampsAndProportionalBlue) {
    for (int32_t c : {0x000000, 0x123456, 0xFFFFFF, 0x00A86814, 0x0082551B}) {
        EXPECT_EQ(c, ShiftColor(c, 0));
        EXPECT_EQ(c, ShiftColor(c, 0, true));
        EXPECT_EQ(0xFFFFFF, ShiftColor(c, 300));
        EXPECT_EQ(0x000000, ShiftColor(c, -300));
    }
    // Blue 0 stays 0 with the proportional option, whatever the amount.
    for (int16_t n : {-300, -1, 1, 48, 300}) EXPECT_EQ(0, ShiftColor(0x00FF80, n, true) >> 16);
    // Blue 192 moves by exactly n; blue 96 by half of it, truncated toward zero.
    EXPECT_EQ(0xC8, ShiftColor(0xC00000, 8, true) >> 16);
    EXPECT_EQ(0x60 - 3, ShiftColor(0x600000, -7, true) >> 16);  // -7*96/192 = -3.5 -> -3
    EXPECT_EQ(0x60 + 3, ShiftColor(0x600000, 7, true) >> 16);
    // The top byte of the input is ignored.
    EXPECT_EQ(0x0A0A0A, ShiftColor(static_cast<int32_t>(0x7F000000), 10));
}

TEST(FaceColors, DerivedPerStyle) {
    // BackColor red 0x99, green 0x66, blue 0x33; HoverBackColor red 0x30, green 0x20, blue 0x10.
    const int32_t back = 0x336699, hover = 0x102030;
    const FaceColors rounded = FaceColorsForStyle(7, back, hover, 0);
    EXPECT_EQ(0x5285B8, rounded.face);     // 184, 133, 82
    EXPECT_EQ(0x707070, rounded.pressed);
    EXPECT_EQ(0x2F3F4F, rounded.hover);    // 79, 63, 47
    EXPECT_EQ(0x8A9090, rounded.checked);

    const FaceColors shaded = FaceColorsForStyle(2, back, hover, 0);
    EXPECT_EQ(0x3F96C9, shaded.face);      // 201, 150, 51 + 2448/192 = 63
    EXPECT_EQ(0x3576A9, shaded.pressed);   // from the shifted face: 169, 118, 63 - 2016/192 = 53
    EXPECT_EQ(0x145060, shaded.hover);     // 96, 80, 16 + 4
    EXPECT_EQ(0xD5DFDF, shaded.checked);

    const FaceColors etched = FaceColorsForStyle(3, back, hover, 0);
    EXPECT_EQ(back, etched.face);
    EXPECT_EQ(0x8C8C8C, etched.pressed);
    EXPECT_EQ(hover, etched.hover);
    EXPECT_EQ(0xABABAB, etched.checked);

    for (int32_t style : {0, 1, 4, 5, 6}) {
        const FaceColors plain = FaceColorsForStyle(style, back, hover, 0);
        EXPECT_EQ(back, plain.face) << style;
        EXPECT_EQ(back, plain.pressed) << style;
        EXPECT_EQ(hover, plain.hover) << style;
        EXPECT_EQ(0xDFDFDF, plain.checked) << style;
    }

    // A style outside 0..7 leaves the checked colour as it was.
    const FaceColors unknown = FaceColorsForStyle(9, back, hover, 0x010203);
    EXPECT_EQ(back, unknown.face);
    EXPECT_EQ(back, unknown.pressed);
    EXPECT_EQ(hover, unknown.hover);
    EXPECT_EQ(0x010203, unknown.checked);
}

TEST(FaceColors, ShadedRoundedClampsAllChannelsToWhite) {
    EXPECT_EQ(0xFFFFFF, FaceColorsForStyle(2, 0xE0E0E0, 0xE0E0E0, 0).face);
}

TEST(ResolveSystemColor, SystemIndexInLowByte) {
    EXPECT_EQ(static_cast<int32_t>(::GetSysColor(COLOR_BTNFACE)), ResolveSystemColor(static_cast<int32_t>(0x8000000F)));
    EXPECT_EQ(static_cast<int32_t>(::GetSysColor(COLOR_BTNTEXT)), ResolveSystemColor(static_cast<int32_t>(0x80000012)));
    EXPECT_EQ(0x123456, ResolveSystemColor(0x123456));
    EXPECT_EQ(0, ResolveSystemColor(0));
}
