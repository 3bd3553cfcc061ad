// buttonshot run as its own process on description files, its BMP read back.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/buttons/button_fixture.h"
#include "tests/support/run_process.h"

namespace buttons {
namespace {

// Runs buttonshot with the arguments; returns its exit code.
DWORD RunButtonshot(const std::wstring& arguments) {
    return testsupport::RunAndWait(L"\"" BUTTONSHOT_EXE L"\" " + arguments, 60000);
}

struct Bmp {
    int width = 0, height = 0, bits = 0;
    std::vector<unsigned char> data;
    std::uint32_t offset = 0;
    // 0x00BBGGRR of the pixel at (x, y), y counted from the top.
    COLORREF At(int x, int y) const {
        const int stride = (width * 3 + 3) & ~3;
        const size_t at = offset + static_cast<size_t>(height - 1 - y) * stride + x * 3;
        return RGB(data[at + 2], data[at + 1], data[at]);
    }
};

Bmp ReadBmp(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    Bmp bmp;
    bmp.data.assign(std::istreambuf_iterator<char>(file), {});
    if (bmp.data.size() < 54 || bmp.data[0] != 'B' || bmp.data[1] != 'M') return bmp;
    std::memcpy(&bmp.offset, &bmp.data[10], 4);
    std::memcpy(&bmp.width, &bmp.data[18], 4);
    std::memcpy(&bmp.height, &bmp.data[22], 4);
    std::uint16_t bits = 0;
    std::memcpy(&bits, &bmp.data[28], 2);
    bmp.bits = bits;
    return bmp;
}

void WriteText(const std::wstring& path, const std::string& text) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << text;
}

class Buttonshot : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::wstring description = folder.File(L"button.json");
    std::wstring picture = folder.File(L"button.bmp");
};

TEST_F(Buttonshot, RendersTheFaceOfADescriptionToA24BitBmp) {
    WriteText(description, R"({"width": 60, "height": 30, "userMode": true, "containerBackColor": "0x00FF0000",
        "properties": {"backstyle": 4, "cback": "0x000000FF", "Mode": 0, "Value": false}})");
    ASSERT_EQ(RunButtonshot(L"\"" + description + L"\" \"" + picture + L"\""), 0u);
    const Bmp bmp = ReadBmp(picture);
    EXPECT_EQ(bmp.width, 60);
    EXPECT_EQ(bmp.height, 30);
    EXPECT_EQ(bmp.bits, 24);
    ASSERT_EQ(bmp.data.size(), bmp.offset + static_cast<size_t>((60 * 3 + 3) & ~3) * 30);
    // A flat face without caption, gradient or focus: the middle is the back colour.
    EXPECT_EQ(bmp.At(30, 15), RGB(255, 0, 0));
    EXPECT_EQ(bmp.At(10, 10), RGB(255, 0, 0));
}

TEST_F(Buttonshot, SystemColoursAreResolvedAndHighContrastDrawsOnlyThem) {
    WriteText(description, R"({"width": 40, "height": 20,
        "properties": {"backstyle": 4, "cback": 2147483663}})");
    ASSERT_EQ(RunButtonshot(L"\"" + description + L"\" \"" + picture + L"\""), 0u);
    EXPECT_EQ(ReadBmp(picture).At(20, 10), ::GetSysColor(COLOR_BTNFACE));
    // A stored red face: the button face all the same.
    WriteText(description, R"({"width": 40, "height": 20, "highContrast": true,
        "properties": {"backstyle": 4, "cback": "0x000000FF"}})");
    ASSERT_EQ(RunButtonshot(L"\"" + description + L"\" \"" + picture + L"\""), 0u);
    EXPECT_EQ(ReadBmp(picture).At(20, 10), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(Buttonshot, OutsideTheWindowRegionTheContainerShows) {
    WriteText(description, R"({"width": 89, "height": 41, "containerBackColor": "0x0000FF00",
        "properties": {"backstyle": 0, "shape": 4, "cback": "0x00FF0000", "mode": 0, "value": false}})");
    ASSERT_EQ(RunButtonshot(L"\"" + description + L"\" \"" + picture + L"\""), 0u);
    const Bmp bmp = ReadBmp(picture);
    // The corners lie outside the ellipse (0, 0, 89, 41); the middle is the face.
    for (POINT corner : {POINT{0, 0}, POINT{88, 0}, POINT{0, 40}, POINT{88, 40}, POINT{3, 3}})
        EXPECT_EQ(bmp.At(corner.x, corner.y), RGB(0, 255, 0)) << corner.x << "," << corner.y;
    EXPECT_EQ(bmp.At(44, 20), RGB(0, 0, 255));
}

TEST_F(Buttonshot, ReportsBadInput) {
    EXPECT_EQ(RunButtonshot(L"--help"), 0u);
    EXPECT_EQ(RunButtonshot(L"only-one-argument"), 2u);
    WriteText(description, "{ not json");
    EXPECT_EQ(RunButtonshot(L"\"" + description + L"\" \"" + picture + L"\""), 1u);
    WriteText(description, R"({"properties": {"mode": "option"}})");
    EXPECT_EQ(RunButtonshot(L"\"" + description + L"\" \"" + picture + L"\""), 1u);
    EXPECT_EQ(RunButtonshot(L"\"" + folder.File(L"missing.json") + L"\" \"" + picture + L"\""), 1u);
}

}  // namespace
}  // namespace buttons
