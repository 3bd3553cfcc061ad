// qvButtons_H persistence: initialise, write and read properties with the 23 keys,
// their defaults and order, and the system's own stored buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "platform/text.h"
#include "tests/buttons/button_fixture.h"

namespace buttons {
namespace {

using test::MakeButton;
using Keys = std::vector<std::wstring>;

class Persistence : public ::testing::Test {
protected:
    test::HostWindow& host = test::SharedHost();
    test::MessageRecorder messages;
    test::TempFolder folder;

    forms::PropertyBag Save(qvButtons_H& b) {
        forms::PropertyBag bag;
        b.Save(bag);
        return bag;
    }
};

TEST_F(Persistence, InitialisePropertiesOfANewInstance) {
    qvButtons_H b;
    b.SetAmbientDisplayName(L"qvButtons_H7");
    b.SetAmbientBackColor(0x00336699);
    b.Parent().Font = forms::MakeFont(L"Arial", 10, 400);
    b.Create(host.hwnd(), 0, 0, 80, 30, nullptr);
    EXPECT_EQ(b.InternalTag(), std::to_wstring(reinterpret_cast<std::uintptr_t>(host.hwnd())));
    EXPECT_EQ(b.Caption(), L"qvButtons_H7");
    EXPECT_EQ(b.CaptionAlign(), CaptionCenter);
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_EQ(b.HoverForeColor(), kButtonText);
    EXPECT_EQ(b.HoverBackColor(), kButtonFace);
    EXPECT_EQ(b.BackColor(), kButtonFace);
    EXPECT_EQ(b.GradientColor(), 0);
    EXPECT_EQ(b.Font()->Name, L"Arial");
    EXPECT_EQ(qvButtons_HProbe::ContainerBackRGB(b), 0x00336699);
    Keys marked = b.MarkedKeys();
    EXPECT_EQ(marked.size() >= 6 ? Keys(marked.begin(), marked.begin() + 6) : marked,
              (Keys{L"Caption", L"CapAlign", L"Focus", L"cFHover", L"cBHover", L"Font"}));
}

TEST_F(Persistence, AnMdiParentsFontIsNotTaken) {
    qvButtons_H b;
    b.Parent().Font = forms::MakeFont(L"Arial", 10, 400);
    b.Parent().IsMdiForm = true;
    b.Create(host.hwnd(), 0, 0, 80, 30, nullptr);
    EXPECT_EQ(b.Font()->Name, L"MS Sans Serif");
}

TEST_F(Persistence, WritesTheKeysInOrderAndAlwaysModeValueAndBack) {
    auto b = MakeButton(host.hwnd(), true);
    forms::PropertyBag bag = Save(*b);
    // Host extents first, then every key that differs from its write default. A new
    // instance has GradientColor 0 (default 0x8000000F) and ImagePixels 0 (default 16).
    EXPECT_EQ(bag.Keys(), (Keys{L"_ExtentX", L"_ExtentY", L"Caption", L"Font", L"cGradient", L"Mode", L"Value",
                                L"ImgSize", L"cBack"}));
    EXPECT_EQ(bag.ReadInt32(L"Mode", 9), 0);
    EXPECT_FALSE(bag.ReadBool(L"Value", true));
    EXPECT_EQ(bag.ReadInt32(L"cBack", 0), kButtonFace);
}

TEST_F(Persistence, AllTwentyThreeKeysWhenNothingIsDefault) {
    test::WriteBmpFile(folder.File(L"i.bmp"), 8, 8, RGB(9, 9, 9));
    test::WriteIconFile(folder.File(L"p.ico"));
    auto b = MakeButton(host.hwnd(), true);
    b->Caption(L"&Go");
    b->ButtonStyle(bsEtched);
    b->ButtonShape(ShapeOval);
    b->CaptionAlign(CaptionLeft);
    b->ForeColor(0x010203);
    b->HoverColorLocks(LockBoth);
    b->HoverForeColor(0x040506);
    b->HoverBackColor(0x070809);
    b->ShowFocusRect(false);
    b->GradientColor(0x0A0B0C);
    b->GradientMode(gmRightToLeft);
    b->CaptionStyle(CaptionEngraved);
    b->Mode(ModeCheck);
    b->Value(true);
    b->CustomClick(3);
    b->PictureAlign(paRightEdge);
    b->Picture(forms::PictureObject::LoadFile(folder.File(L"i.bmp")));
    b->PictureSize(ps32);
    b->Enabled(false);
    b->BackColor(0x0D0E0F);
    b->MouseIcon(forms::PictureObject::LoadFile(folder.File(L"p.ico")));
    b->MousePointer(11);
    forms::PropertyBag bag = Save(*b);
    EXPECT_EQ(bag.Keys(), (Keys{L"_ExtentX", L"_ExtentY", L"Caption", L"CapAlign", L"BackStyle", L"Shape", L"Font",
                                L"cFore", L"cFHover", L"cBhover", L"Focus", L"LockHover", L"cGradient", L"Gradient",
                                L"CapStyle", L"Mode", L"Value", L"CustomClick", L"ImgAlign", L"Image", L"ImgSize",
                                L"Enabled", L"cBack", L"mPointer", L"mIcon"}));
    EXPECT_EQ(bag.ReadInt16(L"ImgSize", 0), 32);  // pixels, not the enumeration
    EXPECT_EQ(bag.ReadInt16(L"mPointer", 0), 11);
}

TEST_F(Persistence, WriteThenReadIsLossless) {
    test::WriteBmpFile(folder.File(L"i.bmp"), 8, 8, RGB(9, 9, 9));
    test::WriteIconFile(folder.File(L"p.ico"));
    auto a = MakeButton(host.hwnd(), true);
    a->Caption(L"Save &As||now");
    a->ButtonStyle(bsRoundedFrame);
    a->CaptionAlign(CaptionRight);
    a->ForeColor(0x112233);
    a->HoverForeColor(0x445566);
    a->GradientMode(gmBottomToTop);
    a->GradientColor(0x778899);
    a->BackColor(0x0000FF);
    a->CaptionStyle(CaptionEmbossed);
    a->Mode(ModeCheck);
    a->Value(true);
    a->PictureAlign(paLeftOfCaption);
    a->Picture(forms::PictureObject::LoadFile(folder.File(L"i.bmp")));
    a->PictureSize(ps24);
    a->Enabled(false);
    a->FontStyle(FontItalic | FontUnderline);
    a->MouseIcon(forms::PictureObject::LoadFile(folder.File(L"p.ico")));

    // Through the bag in memory and through its JSON form.
    forms::PropertyBag bag = Save(*a);
    forms::PropertyBag fromJson = forms::PropertyBag::FromJson(nlohmann::json::parse(bag.ToJson().dump()));
    for (const forms::PropertyBag* source : {&bag, &fromJson}) {
        auto b = MakeButton(host.hwnd(), true, source);
        EXPECT_EQ(b->Caption(), a->Caption());
        EXPECT_EQ(b->AccessKeys(), L"A");
        EXPECT_EQ(b->ButtonStyle(), a->ButtonStyle());
        EXPECT_EQ(b->ButtonShape(), a->ButtonShape());
        EXPECT_EQ(b->CaptionAlign(), a->CaptionAlign());
        EXPECT_EQ(b->ForeColor(), a->ForeColor());
        EXPECT_EQ(b->HoverForeColor(), a->HoverForeColor());
        EXPECT_EQ(b->HoverBackColor(), a->HoverBackColor());
        EXPECT_EQ(b->HoverColorLocks(), a->HoverColorLocks());
        EXPECT_EQ(b->GradientMode(), a->GradientMode());
        EXPECT_EQ(b->GradientColor(), a->GradientColor());
        EXPECT_EQ(b->BackColor(), a->BackColor());
        EXPECT_EQ(b->CaptionStyle(), a->CaptionStyle());
        EXPECT_EQ(b->Mode(), a->Mode());
        EXPECT_EQ(b->Value(), a->Value());
        EXPECT_EQ(b->CustomClick(), a->CustomClick());
        EXPECT_EQ(b->PictureAlign(), a->PictureAlign());
        ASSERT_TRUE(b->Picture());
        EXPECT_EQ(b->Picture()->SourcePath(), a->Picture()->SourcePath());
        EXPECT_EQ(qvButtons_HProbe::ImagePixels(*b), 24);
        EXPECT_EQ(b->PictureSize(), ps24);
        EXPECT_EQ(b->Enabled(), false);
        EXPECT_EQ(b->ShowFocusRect(), a->ShowFocusRect());
        EXPECT_EQ(*b->Font(), *a->Font());
        EXPECT_EQ(b->FontStyle(), FontItalic | FontUnderline);
        ASSERT_TRUE(b->MouseIcon());
        EXPECT_EQ(b->MousePointer(), 99);
        // Saved again, the bag is the same.
        forms::PropertyBag again = Save(*b);
        EXPECT_EQ(again.ToJson().dump(), bag.ToJson().dump());
    }
}

TEST_F(Persistence, CaptionAlignIsStoredOnlyWhenNotCentred) {
    auto a = MakeButton(host.hwnd(), true);
    a->CaptionAlign(CaptionLeft);
    forms::PropertyBag left = Save(*a);
    EXPECT_EQ(left.ReadInt32(L"CapAlign", -1), 0);
    EXPECT_EQ(MakeButton(host.hwnd(), true, &left)->CaptionAlign(), CaptionLeft);
    a->CaptionAlign(CaptionCenter);
    forms::PropertyBag centre = Save(*a);
    EXPECT_FALSE(centre.Contains(L"CapAlign"));
    EXPECT_EQ(MakeButton(host.hwnd(), true, &centre)->CaptionAlign(), CaptionCenter);
}

TEST_F(Persistence, AHoverBackColorEqualToBackColorIsNotStoredAndReadsBackTheBackColor) {
    auto a = MakeButton(host.hwnd(), true);
    a->BackColor(0x00ABCDEF);
    ASSERT_EQ(a->HoverBackColor(), 0x00ABCDEF);
    forms::PropertyBag bag = Save(*a);
    EXPECT_FALSE(bag.Contains(L"cBhover"));
    EXPECT_EQ(MakeButton(host.hwnd(), true, &bag)->HoverBackColor(), 0x00ABCDEF);
}

TEST_F(Persistence, HoverBackColorIsWrittenAsCBhoverAndReadAsCBHover) {
    auto a = MakeButton(host.hwnd(), true);
    a->HoverBackColor(0x0082551B);
    forms::PropertyBag bag = Save(*a);
    const Keys keys = bag.Keys();
    EXPECT_NE(std::find(keys.begin(), keys.end(), L"cBhover"), keys.end());
    EXPECT_EQ(MakeButton(host.hwnd(), true, &bag)->HoverBackColor(), 0x0082551B);
    for (const wchar_t* spelling : {L"cBHover", L"CBHOVER", L"cbhover"}) {
        forms::PropertyBag other;
        other.Set(spelling, std::int64_t{0x123456});
        EXPECT_EQ(MakeButton(host.hwnd(), true, &other)->HoverBackColor(), 0x123456) << spelling;
    }
}

TEST_F(Persistence, ReadingDefaultsComeFromTheParentAndFromTheBackColorJustRead) {
    qvButtons_H b;
    b.Parent().BackColor = 0x00445566;
    b.Parent().Font = forms::MakeFont(L"Arial", 12);
    forms::PropertyBag empty;
    b.Create(host.hwnd(), 0, 0, 60, 20, &empty);
    EXPECT_EQ(b.BackColor(), 0x00445566);
    EXPECT_EQ(b.HoverBackColor(), 0x00445566);
    EXPECT_EQ(b.GradientColor(), kButtonFace);
    EXPECT_EQ(b.ForeColor(), kButtonText);
    EXPECT_EQ(b.HoverForeColor(), kButtonText);
    EXPECT_EQ(qvButtons_HProbe::ImagePixels(b), 16);
    EXPECT_EQ(b.CaptionAlign(), CaptionCenter);
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Caption(), L"");
    ASSERT_TRUE(b.Font());  // no stored font: the parent's, as for a new instance
    EXPECT_EQ(b.Font()->Name, L"Arial");
    EXPECT_NE(b.Font(), b.Parent().Font);
    EXPECT_FALSE(b.DelayDrawingFlag());
    EXPECT_EQ(b.InternalTag(), std::to_wstring(reinterpret_cast<std::uintptr_t>(host.hwnd())));
}

TEST_F(Persistence, ReadingStoresValuesDirectlyWithoutRulesOrRangeChecks) {
    forms::PropertyBag bag;
    bag.WriteInt32(L"Mode", ModeCommand);
    bag.WriteBool(L"Value", true);  // refused by the property rule, kept by reading
    bag.WriteInt32(L"CapAlign", 7);
    bag.WriteInt32(L"LockHover", 0);
    bag.WriteInt32(L"cBack", 0x0000FF);
    bag.WriteInt32(L"cBHover", 0x00FF00);
    bag.WriteInt32(L"cFore", 0x010101);
    bag.WriteInt32(L"cFHover", 0x020202);
    auto b = MakeButton(host.hwnd(), false, &bag);
    EXPECT_TRUE(b->Value());
    EXPECT_EQ(b->CaptionAlign(), 7);
    EXPECT_EQ(b->HoverBackColor(), 0x00FF00);  // no following, no lock
    EXPECT_EQ(b->HoverForeColor(), 0x020202);
    EXPECT_EQ(b->HoverColorLocks(), LockNone);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Persistence, BackStyle9IsKeptAndPaintsNothing) {
    forms::PropertyBag bag;
    bag.Set(L"BackStyle", std::int64_t{9});
    auto b = MakeButton(host.hwnd(), true, &bag);
    EXPECT_EQ(b->ButtonStyle(), 9);
    EXPECT_EQ(b->RefreshCount(), 0);  // no painter ran: no transfer, no refresh
    b->Refresh();
    ::InvalidateRect(b->hWnd(), nullptr, FALSE);
    ::UpdateWindow(b->hWnd());
    EXPECT_EQ(b->RefreshCount(), 0);
    forms::PropertyBag saved = Save(*b);
    EXPECT_EQ(saved.ReadInt32(L"BackStyle", 0), 9);
}

TEST_F(Persistence, AStoredIconWithoutPointerEndsAtPointer0) {
    test::WriteIconFile(folder.File(L"p.ico"));
    forms::PropertyBag bag;
    bag.Set(L"mIcon", forms::PictureObject::LoadFile(folder.File(L"p.ico")));
    auto b = MakeButton(host.hwnd(), true, &bag);
    EXPECT_TRUE(b->MouseIcon());
    EXPECT_EQ(b->MousePointer(), 0);

    bag.WriteInt16(L"mPointer", 99, 0);
    EXPECT_EQ(MakeButton(host.hwnd(), true, &bag)->MousePointer(), 99);
}

TEST_F(Persistence, AStoredValueThatDoesNotConvertGoesBackToTheHost) {
    forms::PropertyBag bag;
    bag.Set(L"Mode", std::wstring(L"option"));
    qvButtons_H b;
    EXPECT_THROW(b.Create(host.hwnd(), 0, 0, 60, 20, &bag), forms::PropertyError);
    forms::PropertyBag tooBig;
    tooBig.Set(L"ImgSize", std::int64_t{70000});
    qvButtons_H c;
    EXPECT_THROW(c.Create(host.hwnd(), 0, 0, 60, 20, &tooBig), forms::PropertyError);
}

TEST_F(Persistence, ASavedCheckedOptionButtonClearsTheOnesLoadedBeforeIt) {
    test::HostWindow& container = host;
    forms::PropertyBag checked;
    checked.WriteInt32(L"Mode", ModeOption);
    checked.WriteBool(L"Value", true);
    auto first = MakeButton(container.hwnd(), true, &checked);
    auto second = MakeButton(container.hwnd(), true, &checked);
    EXPECT_FALSE(first->Value());
    EXPECT_TRUE(second->Value());
    second->Mode(ModeCommand);
    first->Mode(ModeCommand);
    EXPECT_EQ(::GetPropA(container.hwnd(), "qv_OptCount"), nullptr);
}

// ---- The system's own stored buttons ----

void ExpectStoredLook(const qvButtons_H& b, const std::wstring& caption) {
    EXPECT_EQ(b.Caption(), caption);
    EXPECT_EQ(b.CaptionAlign(), CaptionCenter);
    EXPECT_EQ(b.ButtonStyle(), bsFlat);
    EXPECT_EQ(b.ButtonShape(), ShapeRectangle);
    ASSERT_TRUE(b.Font());
    EXPECT_EQ(b.Font()->Name, L"Arial");
    EXPECT_DOUBLE_EQ(b.Font()->Size, 9.75);
    EXPECT_TRUE(b.Font()->Bold());
    EXPECT_FALSE(b.Font()->Italic);
    EXPECT_FALSE(b.Font()->Underline);
    EXPECT_FALSE(b.Font()->Strikethrough);
    EXPECT_EQ(b.ForeColor(), 0x00A86814);
    EXPECT_EQ(b.HoverForeColor(), 0x00FFFFFF);
    EXPECT_EQ(b.HoverBackColor(), 0x0082551B);
    EXPECT_EQ(b.HoverColorLocks(), LockBoth);
    EXPECT_EQ(b.GradientColor(), 0x00FFFFFF);
    EXPECT_EQ(b.GradientMode(), gmBottomToTop);
    EXPECT_EQ(b.Mode(), ModeCommand);
    EXPECT_FALSE(b.Value());
    EXPECT_EQ(b.BackColor(), kButtonFace);
    // Everything else at its default.
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_EQ(b.CaptionStyle(), CaptionFlat);
    EXPECT_EQ(b.CustomClick(), 0);
    EXPECT_EQ(b.PictureAlign(), paLeftEdge);
    EXPECT_FALSE(b.Picture());
    EXPECT_EQ(qvButtons_HProbe::ImagePixels(b), 16);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.MousePointer(), 0);
    EXPECT_FALSE(b.MouseIcon());
}

TEST_F(Persistence, TheSystemsStoredButtonLoadsWithItsValues) {
    // The stored look, keys in lower case as the forms keep them.
    const auto properties = nlohmann::json::parse(R"({
        "caption": "SOS", "capalign": 2, "backstyle": 4,
        "font": {"name": "Arial", "size": 9.75, "weight": 700, "italic": false, "underline": false, "strikethrough": false},
        "cfore": "0x00A86814", "cfhover": "0x00FFFFFF", "cbhover": "0x0082551B", "lockhover": 3,
        "cgradient": "0x00FFFFFF", "gradient": 4, "mode": 0, "value": false, "cback": "0x8000000F"})");
    forms::PropertyBag bag = forms::PropertyBag::FromJson(properties);
    auto b = MakeButton(host.hwnd(), true, &bag);
    ExpectStoredLook(*b, L"SOS");
    // Saved again it stores exactly those keys (plus the host's extents).
    forms::PropertyBag saved = Save(*b);
    EXPECT_EQ(saved.Keys(), (Keys{L"_ExtentX", L"_ExtentY", L"Caption", L"BackStyle", L"Font", L"cFore", L"cFHover",
                                  L"cBhover", L"LockHover", L"cGradient", L"Gradient", L"Mode", L"Value", L"cBack"}));
}

TEST_F(Persistence, TheLaunchersFormDescriptionsLoadTheirButtonsWithTheStoredValues) {
    const std::filesystem::path forms = std::filesystem::path(NORVEL_SOURCE_DIR) / "launcher" / "forms";
    if (!std::filesystem::exists(forms / "Form1.json")) GTEST_SKIP() << "no form descriptions in this tree";
    std::vector<std::wstring> captions;
    for (const char* name : {"Form1.json", "Form3.json"}) {
        std::ifstream file(forms / name);
        const auto form = nlohmann::json::parse(file);
        for (const auto& control : form.at("controls")) {
            if (control.value("kind", "") != "qvButtons_H") continue;
            forms::PropertyBag bag = forms::PropertyBag::FromJson(control.at("properties"));
            auto b = MakeButton(host.hwnd(), true, &bag);
            const std::wstring caption = b->Caption();
            captions.push_back(caption);
            ExpectStoredLook(*b, caption);
        }
    }
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Altro", L"Annulla", L"Download", L"Iperius", L"SOS"}));
}

}  // namespace
}  // namespace buttons
