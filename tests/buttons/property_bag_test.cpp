// The property bag: case-insensitive keys, defaults that are not stored, value
// conversions and the JSON "properties" format of the form descriptions.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "forms/property_bag.h"
#include "platform/text.h"
#include "tests/buttons/button_fixture.h"

namespace forms {
namespace {

TEST(PropertyBag, KeysMatchWithoutRegardToCase) {
    PropertyBag bag;
    bag.WriteInt32(L"cBhover", 0x82551B, 0);
    EXPECT_EQ(bag.ReadInt32(L"cBHover", 0), 0x82551B);
    EXPECT_EQ(bag.ReadInt32(L"CBHOVER", 0), 0x82551B);
    bag.WriteInt32(L"CBHOVER", 5, 0);  // the same entry, not a second one
    EXPECT_EQ(bag.size(), 1u);
    EXPECT_EQ(bag.Keys(), std::vector<std::wstring>{L"cBhover"});
    EXPECT_EQ(bag.ReadInt32(L"cbhover", 0), 5);
}

TEST(PropertyBag, AValueEqualToItsWriteDefaultIsNotStored) {
    PropertyBag bag;
    bag.WriteText(L"Caption", L"", L"");
    bag.WriteInt32(L"CapAlign", 2, 2);
    bag.WriteInt16(L"ImgSize", 16, 16);
    bag.WriteBool(L"Focus", true, true);
    bag.WritePicture(L"Image", nullptr);
    EXPECT_EQ(bag.size(), 0u);
    // Without a default it is always stored.
    bag.WriteInt32(L"Mode", 0);
    bag.WriteBool(L"Value", false);
    EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"Mode", L"Value"}));
    // Writing the default later removes the entry written before.
    bag.WriteInt32(L"CapAlign", 0, 2);
    EXPECT_TRUE(bag.Contains(L"CapAlign"));
    bag.WriteInt32(L"CapAlign", 2, 2);
    EXPECT_FALSE(bag.Contains(L"CapAlign"));
}

TEST(PropertyBag, AMissingKeyReadsAsTheDefaultGiven) {
    PropertyBag bag;
    EXPECT_EQ(bag.ReadText(L"Caption", L"x"), L"x");
    EXPECT_EQ(bag.ReadInt16(L"ImgSize", 16), 16);
    EXPECT_EQ(bag.ReadInt32(L"cBack", -2147483633), -2147483633);
    EXPECT_TRUE(bag.ReadBool(L"Focus", true));
    EXPECT_EQ(bag.ReadFont(L"Font", nullptr), nullptr);
    EXPECT_EQ(bag.ReadPicture(L"Image", nullptr), nullptr);
}

TEST(PropertyBag, BooleansAreMinusOneAndZero) {
    PropertyBag bag;
    bag.Set(L"a", std::int64_t{-1});
    bag.Set(L"b", std::int64_t{0});
    bag.Set(L"c", std::wstring(L"True"));
    bag.Set(L"d", true);
    EXPECT_TRUE(bag.ReadBool(L"a", false));
    EXPECT_FALSE(bag.ReadBool(L"b", true));
    EXPECT_TRUE(bag.ReadBool(L"c", false));
    EXPECT_TRUE(bag.ReadBool(L"d", false));
    bag.WriteBool(L"e", true);
    EXPECT_EQ(bag.ReadInt32(L"e", 0), -1);
}

TEST(PropertyBag, ColoursAsNumbersOrHexTexts) {
    const auto json = nlohmann::json::parse(R"({"a": "0x8000000F", "b": 2147483663, "c": "0x00A86814",
                                                "d": -2147483633, "e": 16777215, "f": "&H80000012"})");
    PropertyBag bag = PropertyBag::FromJson(json);
    EXPECT_EQ(static_cast<std::uint32_t>(bag.ReadInt32(L"a", 0)), 0x8000000Fu);
    EXPECT_EQ(static_cast<std::uint32_t>(bag.ReadInt32(L"b", 0)), 0x8000000Fu);
    EXPECT_EQ(bag.ReadInt32(L"c", 0), 0x00A86814);
    EXPECT_EQ(static_cast<std::uint32_t>(bag.ReadInt32(L"d", 0)), 0x8000000Fu);
    EXPECT_EQ(bag.ReadInt32(L"e", 0), 0xFFFFFF);
    EXPECT_EQ(static_cast<std::uint32_t>(bag.ReadInt32(L"f", 0)), 0x80000012u);
}

TEST(PropertyBag, ValuesThatDoNotConvertRaise) {
    const auto json = nlohmann::json::parse(R"({"text": "abc", "big": 40000, "huge": 4294967296,
                                                "font": {"name": "Arial"}, "num": 3})");
    PropertyBag bag = PropertyBag::FromJson(json);
    EXPECT_THROW(bag.ReadInt32(L"text", 0), PropertyError);
    EXPECT_THROW(bag.ReadBool(L"text", false), PropertyError);
    EXPECT_THROW(bag.ReadInt16(L"big", 0), PropertyError);  // does not fit 16 bits
    EXPECT_EQ(bag.ReadInt32(L"big", 0), 40000);
    EXPECT_THROW(bag.ReadInt32(L"huge", 0), PropertyError);
    EXPECT_THROW(bag.ReadInt32(L"font", 0), PropertyError);
    EXPECT_THROW(bag.ReadFont(L"num", nullptr), PropertyError);
    EXPECT_THROW(bag.ReadPicture(L"num", nullptr), PropertyError);
    EXPECT_THROW(bag.ReadPicture(L"text", nullptr), PropertyError);  // no such file
    EXPECT_THROW(PropertyBag::FromJson(nlohmann::json::parse(R"({"a": [1, 2]})")), PropertyError);
}

TEST(PropertyBag, Int16Limits) {
    PropertyBag bag;
    bag.Set(L"max", std::int64_t{32767});
    bag.Set(L"min", std::int64_t{-32768});
    bag.Set(L"over", std::int64_t{32768});
    bag.Set(L"half", 2.5);
    EXPECT_EQ(bag.ReadInt16(L"max", 0), 32767);
    EXPECT_EQ(bag.ReadInt16(L"min", 0), -32768);
    EXPECT_THROW(bag.ReadInt16(L"over", 0), PropertyError);
    EXPECT_EQ(bag.ReadInt16(L"half", 0), 2);  // halves to even
}

TEST(PropertyBag, FontObjectsAndPicturePathsThroughJson) {
    buttons::test::TempFolder folder;
    const std::wstring path = folder.File(L"pic.bmp");
    buttons::test::WriteBmpFile(path, 12, 7, RGB(1, 2, 3));
    nlohmann::json json = {
        {"Font", {{"name", "Arial"}, {"size", 9.75}, {"weight", 700}, {"italic", false}, {"underline", true},
                  {"strikethrough", false}}},
        {"Image", platform::ToUtf8(path)}};
    PropertyBag bag = PropertyBag::FromJson(json);
    FontRef font = bag.ReadFont(L"font", nullptr);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Name, L"Arial");
    EXPECT_DOUBLE_EQ(font->Size, 9.75);
    EXPECT_EQ(font->Weight, 700);
    EXPECT_TRUE(font->Bold());
    EXPECT_TRUE(font->Underline);
    PictureRef picture = bag.ReadPicture(L"image", nullptr);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind(), PictureObject::Kind::Bitmap);
    BITMAP info{};
    ASSERT_EQ(::GetObjectW(picture->BitmapHandle(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 12);
    EXPECT_EQ(info.bmHeight, 7);
    EXPECT_NE(info.bmBits, nullptr);  // a DIB section with its own pixel memory

    // Saved again: the font as an object, the picture as its path.
    PropertyBag written;
    written.WriteFont(L"Font", font);
    written.WritePicture(L"Image", picture);
    const auto out = written.ToJson();
    EXPECT_EQ(out.at("Font").at("name"), "Arial");
    EXPECT_EQ(out.at("Font").at("size"), 9.75);
    EXPECT_EQ(out.at("Font").at("weight"), 700);
    EXPECT_EQ(out.at("Font").at("underline"), true);
    EXPECT_EQ(out.at("Image"), platform::ToUtf8(path));
    PropertyBag back = PropertyBag::FromJson(nlohmann::json::parse(out.dump()));
    EXPECT_EQ(*back.ReadFont(L"Font", nullptr), *font);
    EXPECT_EQ(back.ReadPicture(L"Image", nullptr)->SourcePath(), path);
}

TEST(PictureObject, JpegFilesBecomeDibSections) {
    buttons::test::TempFolder folder;
    const std::wstring path = folder.File(L"photo.jpg");
    buttons::test::WriteJpegFile(path, 24, 16, RGB(200, 40, 40));
    PictureRef picture = PictureObject::LoadFile(path);
    EXPECT_EQ(picture->kind(), PictureObject::Kind::Bitmap);
    DIBSECTION section{};
    ASSERT_EQ(::GetObjectW(picture->BitmapHandle(), sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, 24);
    EXPECT_EQ(section.dsBm.bmHeight, 16);
    ASSERT_NE(section.dsBm.bmBits, nullptr);
    // The middle pixel, within the loss of the compression.
    const auto* row = static_cast<const BYTE*>(section.dsBm.bmBits) + 8 * section.dsBm.bmWidthBytes;
    const BYTE* pixel = row + 12 * 4;  // blue, green, red, unused
    EXPECT_NEAR(pixel[2], 200, 8);
    EXPECT_NEAR(pixel[1], 40, 8);
    EXPECT_NEAR(pixel[0], 40, 8);
}

TEST(PictureObject, IconFilesBecomeIcons) {
    buttons::test::TempFolder folder;
    buttons::test::WriteIconFile(folder.File(L"a.ico"));
    PictureRef icon = PictureObject::LoadFile(folder.File(L"a.ico"));
    EXPECT_EQ(icon->kind(), PictureObject::Kind::Icon);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon->IconHandle(), &info));
    BITMAP colour{};
    ::GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 16);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    EXPECT_THROW(PictureObject::LoadFile(folder.File(L"missing.bmp")), PictureError);
}

}  // namespace
}  // namespace forms
