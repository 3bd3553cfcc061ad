#include "buttons/painters/cache.h"

#include <gtest/gtest.h>

#include <string>

using namespace buttons;

TEST(CaptionFont, HeightIsNegativePixelsHalvesToEven) {
    EXPECT_EQ(-13, CaptionFontHeight(10.0, 15.0));   // -13.33
    EXPECT_EQ(-11, CaptionFontHeight(8.25, 15.0));   // exactly -11
    EXPECT_EQ(-13, CaptionFontHeight(9.75, 15.0));   // the system's buttons
    EXPECT_EQ(-12, CaptionFontHeight(9.375, 15.0));  // -12.5 -> -12
    EXPECT_EQ(-14, CaptionFontHeight(10.125, 15.0)); // -13.5 -> -14
    EXPECT_EQ(-16, CaptionFontHeight(9.75, 12.0));   // 120 dots per inch: -16.25
}

TEST(CaptionFont, RecordFields) {
    const LOGFONTW lf = CaptionLogFont(L"Arial", 9.75, 700, false, true, true, 15.0);
    EXPECT_EQ(-13, lf.lfHeight);
    EXPECT_EQ(0, lf.lfWidth);
    EXPECT_EQ(0, lf.lfEscapement);
    EXPECT_EQ(0, lf.lfOrientation);
    EXPECT_EQ(700, lf.lfWeight);
    EXPECT_EQ(0, lf.lfItalic);
    EXPECT_EQ(1, lf.lfUnderline);
    EXPECT_EQ(1, lf.lfStrikeOut);
    EXPECT_EQ(1, lf.lfCharSet);
    EXPECT_EQ(0, lf.lfOutPrecision);
    EXPECT_EQ(0, lf.lfClipPrecision);
    EXPECT_EQ(0, lf.lfQuality);
    EXPECT_EQ(0, lf.lfPitchAndFamily);
    EXPECT_EQ(std::wstring(L"Arial"), std::wstring(lf.lfFaceName));
    EXPECT_EQ(1, CaptionLogFont(L"Arial", 8, 400, true, false, false, 15.0).lfItalic);
}

TEST(CaptionFont, LongFaceNameIsCutAndStaysTerminated) {
    const std::wstring name(40, L'x');
    const LOGFONTW lf = CaptionLogFont(name, 10, 400, false, false, false, 15.0);
    EXPECT_EQ(std::wstring(31, L'x'), std::wstring(lf.lfFaceName));
}
