// The property rules of qvButtons_H: hover-colour following, access keys, range
// checks, repaints and marked keys, and the design-mode messages.
#include <gtest/gtest.h>

#include "tests/buttons/button_fixture.h"

namespace buttons {
namespace {

using test::HostWindow;
using test::MakeButton;
using test::MessageRecorder;
using Keys = std::vector<std::wstring>;

constexpr std::int32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kGrey = 0x808080;

class Properties : public ::testing::Test {
protected:
    HostWindow& host = test::SharedHost();
    MessageRecorder messages;
    std::unique_ptr<qvButtons_H> run = MakeButton(host.hwnd(), true);

    // A button loaded with gradient top-to-bottom in green, face and hover red.
    std::unique_ptr<qvButtons_H> LoadedWithGradient(std::int32_t lock) {
        forms::PropertyBag bag;
        bag.WriteInt32(L"Gradient", gmTopToBottom);
        bag.WriteInt32(L"cGradient", kGreen);
        bag.WriteInt32(L"cBack", kRed);
        bag.WriteInt32(L"cBHover", kRed);
        bag.WriteInt32(L"LockHover", lock);
        return MakeButton(host.hwnd(), true, &bag);
    }
};

// ---- Hover-colour following: one test per row of the table ----

TEST_F(Properties, BackColorWithLock0Or2DrivesTheHoverBackColorThroughItsSet) {
    // Gradient off: the hover colour becomes the new face colour; nothing to lock.
    run->BackColor(kRed);
    EXPECT_EQ(run->HoverBackColor(), kRed);
    EXPECT_EQ(run->HoverColorLocks(), LockNone);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"cBHover", L"cBack"}));

    // Gradient on: the hover colour becomes the gradient colour through its set,
    // which adds LockBack when that differs from the face colour (0 becomes 1 and
    // 2 becomes 3).
    for (std::int32_t lock : {LockNone, LockFore}) {
        auto b = LoadedWithGradient(lock);
        b->BackColor(kBlue);
        EXPECT_EQ(b->HoverBackColor(), kGreen);
        EXPECT_EQ(b->HoverColorLocks(), lock | LockBack);
        EXPECT_EQ(b->MarkedKeys(), (Keys{L"cBHover", L"cBack"}));
    }
    // Already equal to the gradient colour: the hover set does nothing, no lock.
    run->GradientMode(gmTopToBottom);
    run->GradientColor(kGreen);
    run->BackColor(kBlue);
    EXPECT_EQ(run->HoverBackColor(), kGreen);
    EXPECT_EQ(run->HoverColorLocks(), LockNone);
}

TEST_F(Properties, BackColorWithLock1Or3LeavesTheHoverBackColor) {
    run->HoverColorLocks(LockBack);
    run->HoverBackColor(kGreen);
    run->BackColor(kRed);
    EXPECT_EQ(run->HoverBackColor(), kGreen);
    run->HoverColorLocks(LockBoth);
    run->BackColor(kBlue);
    EXPECT_EQ(run->HoverBackColor(), kGreen);
    EXPECT_EQ(run->HoverColorLocks(), LockBoth);
}

TEST_F(Properties, GradientColorWithGradientOnSetsTheHoverBackColorDirectly) {
    run->GradientMode(gmLeftToRight);
    run->ClearMarkedKeys();
    run->GradientColor(kRed);
    EXPECT_EQ(run->HoverBackColor(), kRed);
    EXPECT_EQ(run->HoverColorLocks(), LockNone);  // direct: no lock change
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"cGradient"}));

    // Gradient off: the hover colour stays.
    auto b = MakeButton(host.hwnd(), true);
    const std::int32_t before = b->HoverBackColor();
    b->GradientColor(kRed);
    EXPECT_EQ(b->HoverBackColor(), before);
    EXPECT_EQ(b->GradientColor(), kRed);
}

TEST_F(Properties, GradientModeSetsTheHoverBackColorDirectlyFromBackOrGradient) {
    run->HoverColorLocks(LockBack);  // lock the back colour while preparing
    run->BackColor(kRed);
    run->GradientColor(kGreen);
    run->HoverColorLocks(LockFore);  // 2 follows the back colour
    run->ClearMarkedKeys();
    run->GradientMode(gmBottomToTop);
    EXPECT_EQ(run->HoverBackColor(), kGreen);
    EXPECT_EQ(run->HoverColorLocks(), LockFore);
    run->GradientMode(gmNone);
    EXPECT_EQ(run->HoverBackColor(), kRed);
    EXPECT_EQ(run->HoverColorLocks(), LockFore);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"Gradient", L"Gradient"}));
}

TEST_F(Properties, ForeColorWithLock0Or1DrivesTheHoverForeColorWithoutLocking) {
    run->ForeColor(kRed);
    EXPECT_EQ(run->HoverForeColor(), kRed);
    EXPECT_EQ(run->HoverColorLocks(), LockNone);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"cFHover", L"cFore"}));

    run->HoverColorLocks(LockBack);
    run->ForeColor(kGreen);
    EXPECT_EQ(run->HoverForeColor(), kGreen);
    EXPECT_EQ(run->HoverColorLocks(), LockBack);

    run->HoverColorLocks(LockFore);
    run->HoverForeColor(kBlue);
    run->ForeColor(kGrey);
    EXPECT_EQ(run->HoverForeColor(), kBlue);
}

TEST_F(Properties, HoverBackColorOtherThanBackColorGainsLockBack) {
    run->HoverBackColor(run->BackColor());  // the same value: nothing at all
    EXPECT_TRUE(run->MarkedKeys().empty());
    run->HoverBackColor(kRed);
    EXPECT_EQ(run->HoverColorLocks(), LockBack);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"cBHover"}));

    auto b = MakeButton(host.hwnd(), true);
    b->HoverColorLocks(LockFore);
    b->HoverBackColor(kRed);
    EXPECT_EQ(b->HoverColorLocks(), LockBoth);

    // A colour equal to the face colour gains nothing.
    auto c = MakeButton(host.hwnd(), true);
    c->HoverColorLocks(LockBack);
    c->HoverBackColor(kRed);
    c->HoverColorLocks(LockNone);
    EXPECT_EQ(c->HoverBackColor(), c->BackColor());
    c->BackColor(kGreen);
    c->HoverBackColor(kGreen);
    EXPECT_EQ(c->HoverColorLocks(), LockNone);
}

TEST_F(Properties, HoverForeColorOtherThanForeColorGainsLockFore) {
    run->HoverForeColor(kRed);
    EXPECT_EQ(run->HoverColorLocks(), LockFore);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"cFHover"}));  // "LockHover" is not marked

    auto b = MakeButton(host.hwnd(), true);
    b->HoverColorLocks(LockBack);
    b->HoverForeColor(kRed);
    EXPECT_EQ(b->HoverColorLocks(), LockBoth);
}

TEST_F(Properties, HoverColorLocksRederivesTheUnlockedColours) {
    run->HoverColorLocks(LockBoth);
    run->GradientMode(gmTopToBottom);
    run->GradientColor(kGreen);
    run->HoverBackColor(kRed);
    run->HoverForeColor(kBlue);
    run->ClearMarkedKeys();

    run->HoverColorLocks(LockFore);  // back follows: the gradient colour
    EXPECT_EQ(run->HoverBackColor(), kGreen);
    EXPECT_EQ(run->HoverForeColor(), kBlue);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"cBHover", L"LockHover"}));

    run->ClearMarkedKeys();
    run->HoverColorLocks(LockBack);  // fore follows: the caption colour
    EXPECT_EQ(run->HoverForeColor(), run->ForeColor());
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"cFHover", L"LockHover"}));

    run->HoverBackColor(kRed);
    run->HoverForeColor(kBlue);
    run->ClearMarkedKeys();
    run->HoverColorLocks(LockNone);
    EXPECT_EQ(run->HoverBackColor(), kGreen);
    EXPECT_EQ(run->HoverForeColor(), run->ForeColor());
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"cBHover", L"cFHover", L"LockHover"}));
}

TEST_F(Properties, HoverColorLocks7IsStoredAndNothingIsRederived) {
    run->HoverColorLocks(LockBoth);
    run->HoverBackColor(kRed);
    run->HoverForeColor(kBlue);
    run->ClearMarkedKeys();
    run->HoverColorLocks(7);
    EXPECT_EQ(run->HoverColorLocks(), 7);
    EXPECT_EQ(run->HoverBackColor(), kRed);
    EXPECT_EQ(run->HoverForeColor(), kBlue);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"LockHover"}));
}

TEST_F(Properties, BackColorWithGradientTopToBottomAndLock0TakesTheGradientColourAndLocks) {
    auto b = LoadedWithGradient(LockNone);
    b->BackColor(kRed);
    EXPECT_EQ(b->HoverBackColor(), kGreen);
    EXPECT_EQ(b->HoverColorLocks(), LockBack);
    // A new face colour equal to the gradient colour adds no lock.
    auto c = LoadedWithGradient(LockNone);
    c->BackColor(kGreen);
    EXPECT_EQ(c->HoverBackColor(), kGreen);
    EXPECT_EQ(c->HoverColorLocks(), LockNone);
}

// ---- Access keys ----

TEST(AccessKey, ExamplesOfCaptions) {
    EXPECT_EQ(AccessKeyOf(L"Save &As"), std::optional<std::wstring>(L"A"));
    EXPECT_EQ(AccessKeyOf(L"&Ok"), std::optional<std::wstring>(L"O"));
    EXPECT_EQ(AccessKeyOf(L"Fish && Chips"), std::nullopt);
    EXPECT_EQ(AccessKeyOf(L"Next&"), std::optional<std::wstring>(L""));
    EXPECT_EQ(AccessKeyOf(L"&File && &Exit"), std::optional<std::wstring>(L"E"));  // the last marker
}

TEST_F(Properties, CaptionSetsTheHostAccessKey) {
    run->Caption(L"Save &As");
    EXPECT_EQ(run->AccessKeys(), L"A");
    run->Caption(L"&Ok");
    EXPECT_EQ(run->AccessKeys(), L"O");
    run->Caption(L"Fish && Chips");
    EXPECT_EQ(run->AccessKeys(), L"O");
    EXPECT_EQ(run->Caption(), L"Fish && Chips");
    run->Caption(L"Next&");
    EXPECT_EQ(run->AccessKeys(), L"");
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"Caption", L"Caption", L"Caption", L"Caption"}));
}

// ---- Range checks ----

TEST_F(Properties, OutOfRangeEnumerationsAreIgnoredWithoutAMessage) {
    auto design = MakeButton(host.hwnd(), false);
    for (qvButtons_H* b : {run.get(), design.get()}) {
        const long repaints = b->RefreshCount();
        b->ButtonStyle(8); b->ButtonStyle(-1);
        b->Mode(3); b->Mode(-1);
        b->CaptionAlign(3); b->CaptionAlign(-1);
        b->CaptionStyle(3); b->CaptionStyle(-1);
        b->CustomClick(9); b->CustomClick(-1);
        b->ButtonShape(9); b->ButtonShape(-1);
        b->PictureAlign(6); b->PictureAlign(-1);
        b->PictureSize(5); b->PictureSize(-1);
        b->GradientMode(5); b->GradientMode(-1);
        EXPECT_EQ(b->ButtonStyle(), bsBevel);
        EXPECT_EQ(b->Mode(), ModeCommand);
        EXPECT_EQ(b->CaptionAlign(), CaptionCenter);
        EXPECT_EQ(b->CaptionStyle(), CaptionFlat);
        EXPECT_EQ(b->CustomClick(), 0);
        EXPECT_EQ(b->ButtonShape(), ShapeRectangle);
        EXPECT_EQ(b->PictureAlign(), paLeftEdge);
        EXPECT_EQ(b->PictureSize(), ps16);
        EXPECT_EQ(b->GradientMode(), gmNone);
        EXPECT_TRUE(b->MarkedKeys().empty());
        EXPECT_EQ(b->RefreshCount(), repaints);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Properties, AcceptedEnumerationsAreStoredMarkedAndRepainted) {
    const long repaints = run->RefreshCount();
    run->ButtonStyle(bsFlat);
    run->CaptionAlign(CaptionLeft);
    run->PictureAlign(paRightEdge);
    EXPECT_EQ(run->ButtonStyle(), bsFlat);
    EXPECT_EQ(run->CaptionAlign(), CaptionLeft);
    EXPECT_EQ(run->PictureAlign(), paRightEdge);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"BackStyle", L"CapAlign", L"ImgAlign"}));
    EXPECT_EQ(run->RefreshCount(), repaints + 3);
}

TEST_F(Properties, PictureAlignTopOrBottomCentresTheCaption) {
    run->CaptionAlign(CaptionRight);
    run->ClearMarkedKeys();
    run->PictureAlign(paTopCenter);
    EXPECT_EQ(run->CaptionAlign(), CaptionCenter);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"CapAlign", L"ImgAlign"}));
}

// ---- Value, PictureSize, FontStyle, Enabled, Mode ----

TEST_F(Properties, ValueTrueIsRefusedInCommandMode) {
    run->Value(true);
    EXPECT_FALSE(run->Value());
    EXPECT_TRUE(run->MarkedKeys().empty());
    EXPECT_TRUE(messages.shown.empty());  // run time: silent
    run->Value(false);                     // False is always accepted
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"Value"}));

    run->Mode(ModeCheck);
    run->Value(true);
    EXPECT_TRUE(run->Value());
}

TEST_F(Properties, ModeBackToCommandClearsValueThroughItsSet) {
    run->Mode(ModeCheck);
    run->Value(true);
    run->ClearMarkedKeys();
    run->Mode(ModeCommand);
    EXPECT_FALSE(run->Value());
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"Value", L"Mode"}));
}

TEST_F(Properties, PictureSize3Stores40PixelsAndReads3) {
    run->PictureSize(ps40);
    EXPECT_EQ(qvButtons_HProbe::ImagePixels(*run), 40);
    EXPECT_EQ(run->PictureSize(), ps40);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"ImgSize"}));
    for (std::int32_t size = ps16; size <= ps48; ++size) {
        run->PictureSize(size);
        EXPECT_EQ(qvButtons_HProbe::ImagePixels(*run), (size + 2) * 8);
        EXPECT_EQ(run->PictureSize(), size);
    }
}

TEST_F(Properties, PictureSizeReadsAZeroImageSizeAs16) {
    qvButtons_HProbe::ImagePixels(*run) = 0;
    EXPECT_EQ(run->PictureSize(), ps16);
    EXPECT_EQ(qvButtons_HProbe::ImagePixels(*run), 16);
}

TEST_F(Properties, FontStyle6IsBoldItalicAndFontStyle1ClearsAll) {
    run->Font()->Underline = true;
    run->Font()->Strikethrough = true;
    run->FontStyle(FontBold | FontItalic);
    EXPECT_TRUE(run->Font()->Bold());
    EXPECT_TRUE(run->Font()->Italic);
    EXPECT_FALSE(run->Font()->Underline);
    EXPECT_TRUE(run->Font()->Strikethrough);  // left alone
    EXPECT_EQ(run->FontStyle(), 6);
    run->FontStyle(1);
    EXPECT_FALSE(run->Font()->Bold());
    EXPECT_FALSE(run->Font()->Italic);
    EXPECT_FALSE(run->Font()->Underline);
    EXPECT_EQ(run->FontStyle(), 0);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"Font", L"Font"}));
    run->FontStyle(FontUnderline);
    EXPECT_EQ(run->FontStyle(), 8);
}

TEST_F(Properties, FontStyleDoesNotChangeTheParentFormsFont) {
    qvButtons_H b;
    b.Parent().Font = forms::MakeFont(L"Arial", 10);
    b.Create(host.hwnd(), 0, 0, 80, 30, nullptr);
    b.FontStyle(FontBold);
    EXPECT_TRUE(b.Font()->Bold());
    EXPECT_FALSE(b.Parent().Font->Bold());
    EXPECT_EQ(b.Font()->Name, L"Arial");
}

TEST_F(Properties, EnabledToItsOwnValueNeitherRepaintsNorMarks) {
    const long repaints = run->RefreshCount();
    run->Enabled(true);
    EXPECT_EQ(run->RefreshCount(), repaints);
    EXPECT_TRUE(run->MarkedKeys().empty());

    run->Enabled(false);
    EXPECT_FALSE(run->Enabled());
    EXPECT_FALSE(::IsWindowEnabled(run->hWnd()));
    EXPECT_EQ(run->RefreshCount(), repaints + 1);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"Enabled"}));

    run->ClearMarkedKeys();
    run->Enabled(false);
    EXPECT_EQ(run->RefreshCount(), repaints + 1);
    EXPECT_TRUE(run->MarkedKeys().empty());

    // bsEtched command buttons repaint once, through DelayDrawing.
    run->ButtonStyle(bsEtched);
    const long before = run->RefreshCount();
    run->Enabled(true);
    EXPECT_EQ(run->RefreshCount(), before + 1);
}

TEST_F(Properties, EnabledFollowsTheWindowWhenTheFormDisablesIt) {
    ::EnableWindow(run->hWnd(), FALSE);
    EXPECT_FALSE(run->Enabled());
    ::EnableWindow(run->hWnd(), TRUE);
    EXPECT_TRUE(run->Enabled());
}

TEST_F(Properties, ForeColorToItsOwnValueDoesNothing) {
    const long repaints = run->RefreshCount();
    run->ForeColor(run->ForeColor());
    EXPECT_EQ(run->RefreshCount(), repaints);
    EXPECT_TRUE(run->MarkedKeys().empty());
}

TEST_F(Properties, CustomClickIsStoredAndMarkedWithoutRepaint) {
    const long repaints = run->RefreshCount();
    run->CustomClick(4);
    EXPECT_EQ(run->CustomClick(), 4);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"CustomClick"}));
    EXPECT_EQ(run->RefreshCount(), repaints);
}

TEST_F(Properties, ButtonShapeChangeLeavesTheCaptionCentredWithoutMarkingIt) {
    run->CaptionAlign(CaptionLeft);
    run->ClearMarkedKeys();
    run->ButtonShape(ShapeOval);
    EXPECT_EQ(run->ButtonShape(), ShapeOval);
    EXPECT_EQ(run->CaptionAlign(), CaptionCenter);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"Shape"}));
    EXPECT_FALSE(run->DelayDrawingFlag());
}

TEST_F(Properties, MousePointerGoesToTheHostAndIsCheckedThere) {
    run->MousePointer(11);
    EXPECT_EQ(run->MousePointer(), 11);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"mPointer"}));
    EXPECT_THROW(run->MousePointer(40000), std::overflow_error);
    EXPECT_THROW(run->MousePointer(50), std::invalid_argument);
    EXPECT_EQ(run->MousePointer(), 11);
}

TEST_F(Properties, MouseIconSetsTheCustomPointer) {
    test::TempFolder folder;
    test::WriteIconFile(folder.File(L"pointer.ico"));
    run->MouseIcon(forms::PictureObject::LoadFile(folder.File(L"pointer.ico")));
    EXPECT_TRUE(run->MouseIcon());
    EXPECT_EQ(run->MousePointer(), 99);
    EXPECT_EQ(run->MarkedKeys(), (Keys{L"mPointer", L"mIcon"}));
}

TEST_F(Properties, ResetDefaultColorsAtRunTimeDoesNothingAndReadsFalse) {
    run->BackColor(kRed);
    run->GradientColor(kGreen);
    run->GradientMode(gmTopToBottom);
    run->ForeColor(kBlue);
    run->ClearMarkedKeys();
    const long repaints = run->RefreshCount();
    run->ResetDefaultColors(true);
    EXPECT_FALSE(run->ResetDefaultColors());
    EXPECT_EQ(run->BackColor(), kRed);
    EXPECT_EQ(run->GradientColor(), kGreen);
    EXPECT_EQ(run->GradientMode(), gmTopToBottom);
    EXPECT_EQ(run->ForeColor(), kBlue);
    EXPECT_TRUE(run->MarkedKeys().empty());
    EXPECT_EQ(run->RefreshCount(), repaints);
}

TEST_F(Properties, ResetDefaultColorsInDesignModeRestoresTheStandardColoursWithOneRepaint) {
    auto design = MakeButton(host.hwnd(), false);
    design->BackColor(kRed);
    design->GradientColor(kGreen);
    design->GradientMode(gmTopToBottom);
    design->ForeColor(kBlue);
    design->HoverColorLocks(LockBoth);
    design->HoverBackColor(kGrey);
    design->ClearMarkedKeys();
    const long repaints = design->RefreshCount();
    design->ResetDefaultColors(true);
    EXPECT_FALSE(design->ResetDefaultColors());
    EXPECT_EQ(design->BackColor(), kButtonFace);
    EXPECT_EQ(design->ForeColor(), kButtonText);
    EXPECT_EQ(design->GradientColor(), kButtonFace);
    EXPECT_EQ(design->GradientMode(), gmNone);
    EXPECT_EQ(design->HoverColorLocks(), LockNone);
    EXPECT_EQ(design->HoverBackColor(), kButtonFace);
    EXPECT_EQ(design->HoverForeColor(), kButtonText);
    EXPECT_GT(design->RefreshCount(), repaints);
    EXPECT_FALSE(design->DelayDrawingFlag());
    const Keys& marked = design->MarkedKeys();
    ASSERT_GE(marked.size(), 2u);
    EXPECT_EQ(marked[marked.size() - 2], L"cGradient");
    EXPECT_EQ(marked.back(), L"cBack");
    design->ResetDefaultColors(false);  // False does nothing
}

// ---- Design-mode messages ----

struct DesignCase {
    const char* name;
    std::wstring text;
};

class DesignMessages : public ::testing::Test {
protected:
    HostWindow& host = test::SharedHost();
    MessageRecorder messages;
    test::TempFolder folder;

    forms::PictureRef Bitmap() {
        test::WriteBmpFile(folder.File(L"face.bmp"), 20, 10, RGB(0, 128, 0));
        return forms::PictureObject::LoadFile(folder.File(L"face.bmp"));
    }

    // Runs `provoke` on a design-mode button and on a run-mode one; returns the texts
    // shown for the design-mode one; the run-mode one must show nothing.
    template <typename Action>
    std::vector<std::wstring> Provoke(Action provoke) {
        auto run = MakeButton(host.hwnd(), true);
        provoke(*run);
        EXPECT_TRUE(messages.shown.empty()) << "run mode showed a message";
        messages.shown.clear();
        auto design = MakeButton(host.hwnd(), false);
        provoke(*design);
        std::vector<std::wstring> texts;
        for (const auto& m : messages.shown) {
            EXPECT_EQ(m.icon, static_cast<UINT>(MB_ICONINFORMATION));
            EXPECT_EQ(m.title, platform::AppTitle());
            texts.push_back(m.text);
        }
        messages.shown.clear();
        return texts;
    }
};

TEST_F(DesignMessages, CaptionAlignWithAPictureAboveOrBelow) {
    auto texts = Provoke([&](qvButtons_H& b) {
        b.Picture(Bitmap());
        EXPECT_EQ(qvButtons_HProbe::PictureWidth(b) + qvButtons_HProbe::PictureHeight(b), 30);
        b.PictureAlign(paTopCenter);
        b.ClearMarkedKeys();
        b.CaptionAlign(CaptionLeft);
        EXPECT_EQ(b.CaptionAlign(), CaptionCenter);
        EXPECT_TRUE(b.MarkedKeys().empty());
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{
                         L"When button images are aligned top/bottom center, \r\nbutton captions can only be center aligned"}));
}

TEST_F(DesignMessages, CustomClickOnAShapeBelow7) {
    auto texts = Provoke([](qvButtons_H& b) {
        b.CustomClick(2);
        EXPECT_EQ(b.CustomClick(), 2);
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{
                         L"This property has no effect unless the Button Shape is a custom shape."}));
}

TEST_F(DesignMessages, CustomShapeWithoutAPicture) {
    auto texts = Provoke([](qvButtons_H& b) {
        b.ButtonShape(ShapeCustom);
        EXPECT_EQ(b.ButtonShape(), ShapeRectangle);
        EXPECT_TRUE(b.MarkedKeys().empty());
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{
                         L"The Picture Property must be assigned first and must be a bitmap or JPEG."}));
}

TEST_F(DesignMessages, CustomShapeWithAnIconPicture) {
    test::WriteIconFile(folder.File(L"i.ico"));
    auto texts = Provoke([&](qvButtons_H& b) {
        b.Picture(forms::PictureObject::LoadFile(folder.File(L"i.ico")));
        EXPECT_EQ(qvButtons_HProbe::PictureKind(b), 1);
        b.ClearMarkedKeys();
        b.ButtonShape(ShapeCustom3D);
        EXPECT_EQ(b.ButtonShape(), ShapeRectangle);
        EXPECT_TRUE(b.MarkedKeys().empty());
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{
                         L"The Picture Property must be assigned first and must be a bitmap or JPEG."}));
}

TEST_F(DesignMessages, IconAssignedToACustomShapedButton) {
    test::WriteIconFile(folder.File(L"i.ico"));
    auto texts = Provoke([&](qvButtons_H& b) {
        b.Picture(Bitmap());
        b.ButtonShape(ShapeCustom);
        ASSERT_EQ(b.ButtonShape(), ShapeCustom);
        b.ClearMarkedKeys();
        b.Picture(forms::PictureObject::LoadFile(folder.File(L"i.ico")));
        EXPECT_EQ(b.ButtonShape(), ShapeRectangle);
        EXPECT_EQ(b.MarkedKeys(), (Keys{L"Shape", L"Image"}));
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Icons cannot be used for custom buttons. Only use bitmaps or JPEGs.\r\n"
                                                L"Button was changed to Rectangular shaped."}));
}

TEST_F(DesignMessages, NoPictureOnACustomShapedButtonMakesItRectangularSilently) {
    auto texts = Provoke([&](qvButtons_H& b) {
        b.Picture(Bitmap());
        b.ButtonShape(ShapeCustom);
        ASSERT_EQ(b.ButtonShape(), ShapeCustom);
        b.Picture(nullptr);
        EXPECT_EQ(b.ButtonShape(), ShapeRectangle);
        EXPECT_EQ(qvButtons_HProbe::PictureWidth(b), 0);
        EXPECT_EQ(qvButtons_HProbe::PictureHeight(b), 0);
    });
    EXPECT_TRUE(texts.empty());
}

TEST_F(DesignMessages, ShowFocusRectOnADefaultButton) {
    auto texts = Provoke([](qvButtons_H& b) {
        qvButtons_H::VisualState look = b.CurrentVisualState();
        look.defaultOutline = true;
        b.SetVisualState(look);
        const long repaints = b.RefreshCount();
        b.ShowFocusRect(false);
        EXPECT_FALSE(b.ShowFocusRect());
        EXPECT_EQ(b.MarkedKeys(), (Keys{L"Focus"}));
        if (b.UserMode()) {
            // Run time: the outline goes and the button repaints.
            EXPECT_FALSE(b.CurrentVisualState().defaultOutline);
            EXPECT_EQ(b.RefreshCount(), repaints + 1);
        } else {
            EXPECT_TRUE(b.CurrentVisualState().defaultOutline);
            EXPECT_EQ(b.RefreshCount(), repaints);
        }
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{
                         L"The focus rectangle may appear on default buttons ONLY while in design mode, \r\n"
                         L"but will not appear when the form is running."}));
}

TEST_F(DesignMessages, ValueTrueInCommandMode) {
    auto texts = Provoke([](qvButtons_H& b) {
        b.Value(true);
        EXPECT_FALSE(b.Value());
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"This property is not applicable for command button modes."}));
}

TEST_F(DesignMessages, PictureSizeOnACustomShape) {
    auto texts = Provoke([&](qvButtons_H& b) {
        b.Picture(Bitmap());
        b.ButtonShape(ShapeCustom);
        ASSERT_EQ(b.ButtonShape(), ShapeCustom);
        EXPECT_EQ(qvButtons_HProbe::ImagePixels(b), 48);  // the custom shape forced ps48
        b.ClearMarkedKeys();
        b.PictureSize(ps24);
        EXPECT_EQ(qvButtons_HProbe::ImagePixels(b), 48);
        EXPECT_TRUE(b.MarkedKeys().empty());
    });
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"The picture size cannot be changed for Shaped buttons"}));
}

TEST_F(DesignMessages, MouseIconThatIsNoIcon) {
    auto run = MakeButton(host.hwnd(), true);
    run->MouseIcon(Bitmap());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(run->MouseIcon());
    EXPECT_EQ(run->MousePointer(), 0);
    EXPECT_TRUE(run->MarkedKeys().empty());

    auto design = MakeButton(host.hwnd(), false);
    design->MouseIcon(Bitmap());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, L"Select .ico Or .cur Files Only");
    EXPECT_EQ(messages.shown[0].text, L"Invalid picture");
    EXPECT_EQ(messages.shown[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(design->MousePointer(), 0);
    EXPECT_TRUE(design->MarkedKeys().empty());
}

TEST_F(DesignMessages, NoneForAcceptedChanges) {
    auto texts = Provoke([](qvButtons_H& b) {
        b.Mode(ModeCheck);
        b.Value(true);
        b.CustomClick(0);
        b.ShowFocusRect(false);
        b.PictureSize(ps32);
    });
    EXPECT_TRUE(texts.empty());
}

// ---- Methods and lifecycle ----

TEST_F(Properties, DelayDrawingHoldsRepaintsUntilItIsCleared) {
    const long repaints = run->RefreshCount();
    run->DelayDrawing(true);
    run->BackColor(kRed);
    run->Caption(L"Later");
    EXPECT_EQ(run->RefreshCount(), repaints);
    run->DelayDrawing(false);
    EXPECT_EQ(run->RefreshCount(), repaints + 1);
    run->DelayDrawing(true);
    run->Refresh();
    EXPECT_FALSE(run->DelayDrawingFlag());
    EXPECT_EQ(run->RefreshCount(), repaints + 2);
}

TEST_F(Properties, ShowInDesignModeDrawsTheDefaultOutline) {
    qvButtons_H design;
    design.SetAmbientUserMode(false);
    design.SetAmbientDisplayAsDefault(true);
    design.Create(host.hwnd(), 0, 0, 80, 30, nullptr);
    EXPECT_TRUE(design.CurrentVisualState().defaultOutline);

    qvButtons_H running;
    running.SetAmbientDisplayAsDefault(true);
    running.Create(host.hwnd(), 0, 40, 80, 30, nullptr);
    EXPECT_FALSE(running.CurrentVisualState().defaultOutline);  // Show does nothing at run time
    running.SetAmbientDisplayAsDefault(false);
    running.SetAmbientDisplayAsDefault(true);  // the ambient change sets it (ShowFocusRect is True)
    EXPECT_TRUE(running.CurrentVisualState().defaultOutline);
    running.ShowFocusRect(false);
    running.SetAmbientDisplayAsDefault(true);
    EXPECT_FALSE(running.CurrentVisualState().defaultOutline);
}

TEST_F(Properties, AmbientBackColorResolvesTheContainerColour) {
    run->SetAmbientBackColor(static_cast<std::int32_t>(0x80000005));
    EXPECT_EQ(qvButtons_HProbe::ContainerBackRGB(*run), static_cast<std::int32_t>(::GetSysColor(COLOR_WINDOW)));
    run->SetAmbientBackColor(0x123456);
    EXPECT_EQ(qvButtons_HProbe::ContainerBackRGB(*run), 0x123456);
}

TEST_F(Properties, TerminationReleasesTheButtonsGdiObjects) {
    const long before = platform::LiveGdiCount();
    {
        auto b = MakeButton(host.hwnd(), true);
        b->BackColor(kRed);
        b->Refresh();
        EXPECT_GT(platform::LiveGdiCount(), before);
    }
    EXPECT_EQ(platform::LiveGdiCount(), before);
}

}  // namespace
}  // namespace buttons
