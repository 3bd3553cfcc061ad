// The contact sheet tool run as its own process; its bitmap read back.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "tests/support/run_process.h"
#include "tests/support/temp_folder.h"

namespace {

DWORD RunSheet(const std::wstring& arguments) {
    return testsupport::RunAndWait(L"\"" CONTACTSHEET_EXE L"\" " + arguments, 120000);
}

template <typename T>
T Field(const std::string& data, size_t at) {
    T value{};
    std::memcpy(&value, data.data() + at, sizeof value);
    return value;
}

TEST(ContactSheet, WritesOneBitmapWithTheSystemButtonsInTheirStates) {
    testsupport::TempFolder folder(L"sheet");
    const std::wstring out = folder.File(L"sheet.bmp");
    ASSERT_EQ(RunSheet(L"\"" + out + L"\""), 0u);
    const std::string bmp = testsupport::ReadWholeFile(out);
    ASSERT_GE(bmp.size(), 54u);
    ASSERT_EQ(bmp.substr(0, 2), "BM");
    const auto offset = Field<std::uint32_t>(bmp, 10);
    const auto width = Field<std::int32_t>(bmp, 18);
    const auto height = Field<std::int32_t>(bmp, 22);
    EXPECT_EQ(Field<std::uint16_t>(bmp, 28), 24);
    // Two blocks across, two down; each 120 label pixels plus 7 cells of 96 + 8 and
    // a margin of 8, and 24 + 18 header pixels plus 8 rows of 32 + 8 and 8. Below
    // them the picture block: 24 + 18 header pixels, 5 rows of 56 + 8, another 18
    // header pixels, 3 rows of 56 + 8 and 8; below that the high-contrast block and
    // the 200 % block: 24 + 18 header pixels, 8 rows of 64 + 8 and 8.
    ASSERT_EQ(width, 2 * (120 + 7 * 104 + 8));
    ASSERT_EQ(height, 3 * (24 + 18 + 8 * 40 + 8) + 24 + 18 + 8 * 64 + 18 + 8 + 24 + 18 + 8 * 72 + 8);
    const int stride = (width * 3 + 3) & ~3;
    ASSERT_EQ(bmp.size(), offset + static_cast<size_t>(stride) * height);
    auto at = [&](int x, int y) {
        const size_t p = offset + static_cast<size_t>(height - 1 - y) * stride + x * 3;
        return RGB(static_cast<unsigned char>(bmp[p + 2]), static_cast<unsigned char>(bmp[p + 1]),
                   static_cast<unsigned char>(bmp[p]));
    };

    // Last block (the system's own colours with their gradient), row bsFlat.
    const int x0 = 856 + 120 + 8, y0 = 370 + 24 + 18 + 8 + 4 * 40;
    // At rest: white left and top, grey right and bottom.
    EXPECT_EQ(at(x0, y0 + 16), RGB(255, 255, 255));
    EXPECT_EQ(at(x0 + 40, y0), RGB(255, 255, 255));
    EXPECT_EQ(at(x0 + 95, y0 + 16), RGB(128, 128, 128));
    EXPECT_EQ(at(x0 + 40, y0 + 31), RGB(128, 128, 128));
    // Hovered: the hover face.
    EXPECT_EQ(at(x0 + 104 + 5, y0 + 16), static_cast<COLORREF>(0x82551B));
    // Pressed: grey left and top, white right and bottom.
    const int x2 = x0 + 2 * 104;
    EXPECT_EQ(at(x2, y0 + 16), RGB(128, 128, 128));
    EXPECT_EQ(at(x2 + 40, y0), RGB(128, 128, 128));
    EXPECT_EQ(at(x2 + 95, y0 + 16), RGB(255, 255, 255));
    EXPECT_EQ(at(x2 + 40, y0 + 31), RGB(255, 255, 255));

    // Picture block, row ps32, column paLeftEdge (image at 4, 12 in the cell): the
    // sun's black outline and yellow middle; disabled (six columns on) the outline
    // is grey and the yellow mixes with the face by the greying raster operation.
    const int px = 120 + 8 + 4, py = 740 + 24 + 18 + 4 + 2 * 64 + 12 + 16;
    EXPECT_EQ(at(px + 2, py), RGB(0, 0, 0));
    EXPECT_EQ(at(px + 16, py), RGB(250, 200, 30));
    EXPECT_EQ(at(px + 6 * 104 + 2, py), RGB(128, 128, 128));
    EXPECT_EQ(at(px + 6 * 104 + 16, py), ((::GetSysColor(COLOR_BTNFACE) ^ 0x808080) & RGB(250, 200, 30)) ^ 0x808080);

    // The 200 % block: cells of 192 x 64 at (128 + 200 column, 1690 + 50 + 72 row)
    // on the launcher's blue.
    const COLORREF field = RGB(0x14, 0x62, 0xA0);
    const auto cell = [](int row, int column) { return POINT{128 + 200 * column, 1690 + 50 + 72 * row}; };
    {
        SCOPED_TRACE("200 %, bsFlat at rest: edges at the cell's full size, then the field");
        const POINT c = cell(4, 0);
        EXPECT_EQ(at(c.x, c.y + 32), RGB(255, 255, 255));
        EXPECT_EQ(at(c.x + 96, c.y), RGB(255, 255, 255));
        EXPECT_EQ(at(c.x + 191, c.y + 32), RGB(128, 128, 128));
        EXPECT_EQ(at(c.x + 96, c.y + 63), RGB(128, 128, 128));
        EXPECT_EQ(at(c.x + 194, c.y + 32), field);
        EXPECT_EQ(at(c.x + 96, c.y + 66), field);
        // "Prova" in 9.75 pt bold at 192 dpi: 26 pixels a character, its capitals about
        // 0.7 of that high (at 96 dpi they would take 9 rows).
        int inked = 0;
        for (int y = 2; y < 62; ++y) {
            bool dark = false;
            for (int x = 2; x < 190; ++x) dark |= GetRValue(at(c.x + x, c.y + y)) < 100;
            inked += dark;
        }
        EXPECT_TRUE(inked >= 16 && inked <= 21) << inked;
    }
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE("200 %, the oval of style " + std::to_string(row) + ": cut at the ellipse in 192 x 64");
        // Pixels well inside the ellipse are the button's, those well outside the field's.
        const POINT c = cell(row, 3);
        int wrong = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 192; ++x) {
                const double dx = (x + 0.5 - 96) / 96, dy = (y + 0.5 - 32) / 32;
                const double d = std::sqrt(dx * dx + dy * dy);
                if ((d < 0.9 && at(c.x + x, c.y + y) == field) || (d > 1.1 && at(c.x + x, c.y + y) != field)) ++wrong;
            }
        }
        EXPECT_EQ(0, wrong);
    }
}

TEST(ContactSheet, NeedsExactlyOneArgument) {
    EXPECT_EQ(RunSheet(L""), 2u);
}

}  // namespace
