// The painters' decisions read against the style tables: face and caption colours,
// ring colours by FaceState, corner pixels, region outline and focus mark.
#include "buttons/painters/style_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace buttons {
namespace {

constexpr int32_t N = -1;  // side not drawn
constexpr int32_t White = 0xFFFFFF, Grey = 0x808080, Black = 0;

// ShiftColor written out again here, so the expectations do not lean on the code under test.
int32_t S(int32_t c, int n, bool p = false) {
    auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    const int nb = p ? b + (n * b) / 192 : b + n;
    return clamp(r + n) + 256 * clamp(g + n) + 65536 * clamp(nb);
}

PainterInputs Command(int32_t style) {
    PainterInputs in;
    in.style = style;
    in.faceColor = 0xC0B0A0;
    in.pressedFaceColor = 0x908070;
    in.checkedFaceColor = 0xDFDFDF;
    in.gradientRgb = 0x00FF00;
    in.foreColor = in.foreRgb = 0x102030;
    in.hoverForeColor = 0x405060;
    in.containerBackRgb = 0xA0A0A0;
    in.width = 100;
    in.height = 30;
    in.flatRight = 100;
    return in;
}

PainterInputs CheckBox(int32_t style, bool value) {
    PainterInputs in = Command(style);
    in.mode = 1;
    in.value = value;
    return in;
}

// What the face fill leaves in FaceState: 2 pressed, 1 default outline, else 0.
int16_t FilledState(const PainterInputs& in) { return in.pressed() ? 2 : (in.defaultOutline ? 1 : 0); }

PainterFinish Finish(const PainterInputs& in) {
    const FaceChoice f = ChooseFace(in);
    return ChooseFinish(in, f.face, FilledState(in));
}

std::vector<int32_t> Ring(const PainterFinish& f, int ring) {
    return {f.rings[1 + 4 * ring], f.rings[2 + 4 * ring], f.rings[3 + 4 * ring], f.rings[4 + 4 * ring]};
}
using V = std::vector<int32_t>;

TEST(StandardFace, CommandCheckBoxAndDisabledChoices) {
    PainterInputs in = Command(0);
    FaceChoice f = StandardFace(in);
    EXPECT_EQ(f.face, in.faceColor);
    EXPECT_EQ(f.second, in.gradientRgb);
    EXPECT_EQ(f.captionColorArg, -1);
    EXPECT_FALSE(f.checked);
    EXPECT_FALSE(f.singlePass);

    in.enabled = false;
    EXPECT_EQ(StandardFace(in).captionColorArg, -1) << "a disabled command button gets the embossed text";

    PainterInputs box = CheckBox(4, true);
    f = StandardFace(box);
    EXPECT_EQ(f.face, box.checkedFaceColor);
    EXPECT_TRUE(f.checked);
    EXPECT_TRUE(f.singlePass);
    box.enabled = false;
    EXPECT_EQ(StandardFace(box).captionColorArg, 0x808080);
    box.value = false;
    EXPECT_EQ(StandardFace(box).face, box.faceColor);
}

TEST(BevelPainter, RingsByStateAndOutline) {
    PainterInputs in = Command(0);
    PainterFinish f = Finish(in);
    EXPECT_TRUE(f.drawBorder);
    EXPECT_EQ(Ring(f, 0), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 1), (V{0xE9E9E9, 0xE9E9E9, Grey, Grey}));
    EXPECT_EQ(Ring(f, 2), (V{White, White, Black, Black}));
    EXPECT_EQ(f.outerPenStyle, 0);

    in.defaultOutline = true;
    f = Finish(in);
    EXPECT_EQ(f.faceState, 1);
    EXPECT_EQ(Ring(f, 0), (V{0xE9E9E9, 0xE9E9E9, Grey, Grey}));
    EXPECT_EQ(Ring(f, 1), (V{White, White, Black, Black}));
    EXPECT_EQ(Ring(f, 2), (V{Black, Black, Black, Black}));

    in.heldDown = in.pointerOver = true;  // pressed with the outline
    f = Finish(in);
    EXPECT_EQ(f.faceState, 2);
    EXPECT_EQ(Ring(f, 0), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 1), (V{N, N, Grey, Grey}));
    EXPECT_EQ(Ring(f, 2), (V{Black, Black, Black, Black}));
}

TEST(BevelPainter, CheckedCheckBoxLooksSunken) {
    PainterInputs in = CheckBox(0, true);
    PainterFinish f = Finish(in);
    EXPECT_EQ(f.faceState, 3);
    EXPECT_EQ(Ring(f, 0), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 1), (V{N, N, 0xE9E9E9, 0xE9E9E9}));
    EXPECT_EQ(Ring(f, 2), (V{Black, Black, White, White}));
    EXPECT_EQ(f.focusColour, Black);
    EXPECT_TRUE(f.focusSolid);

    // A press in progress on an unchecked check box shows the same checked look.
    PainterInputs pressing = CheckBox(0, false);
    pressing.pressedLook = true;
    EXPECT_EQ(Ring(Finish(pressing), 2), (V{Black, Black, White, White}));
}

TEST(StandardFocus, ColourBySHapeAndLook) {
    PainterInputs in = Command(0);
    PainterFinish f = Finish(in);
    EXPECT_TRUE(f.drawFocus);
    EXPECT_EQ(f.focusColour, -1) << "the caption colour argument, drawn as black";
    EXPECT_FALSE(f.focusSolid);
    EXPECT_FALSE(f.focusCaption);

    in.shape = 2;
    in.flatRight = 69;
    EXPECT_EQ(Finish(in).focusColour, S(in.faceColor, -48));

    in.shape = 4;  // no rings: the caption colour argument stays
    EXPECT_EQ(Finish(in).focusColour, -1);

    PainterInputs box = CheckBox(6, false);
    box.enabled = false;
    box.shape = 5;
    EXPECT_EQ(Finish(box).focusColour, 0x808080);
}

TEST(FramedBevelPainter, RaisedUnlessPressedOrChecked) {
    PainterInputs in = Command(1);
    PainterFinish f = Finish(in);
    EXPECT_EQ(f.faceState, 1);
    EXPECT_EQ(Ring(f, 0), (V{White, White, Grey, Grey}));
    EXPECT_EQ(Ring(f, 1), (V{White, White, Grey, Grey}));
    EXPECT_EQ(Ring(f, 2), (V{Black, Black, Black, Black}));

    in.heldDown = in.pointerOver = true;
    f = Finish(in);
    EXPECT_EQ(Ring(f, 0), (V{Grey, Grey, White, White}));
    EXPECT_EQ(Ring(f, 1), (V{Grey, Grey, White, White}));

    f = Finish(CheckBox(1, true));
    EXPECT_EQ(f.faceState, 2);
    EXPECT_EQ(Ring(f, 1), (V{Grey, Grey, White, White}));
    EXPECT_EQ(f.focusColour, Black);
}

TEST(FlatPainter, OneFrameSwappedWhenPressed) {
    PainterInputs in = Command(4);
    PainterFinish f = Finish(in);
    EXPECT_EQ(Ring(f, 0), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 1), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 2), (V{White, White, Grey, Grey}));

    in.hovering = in.pointerOver = true;  // hovered: still raised
    EXPECT_EQ(Ring(Finish(in), 2), (V{White, White, Grey, Grey}));

    in.heldDown = true;
    EXPECT_EQ(Ring(Finish(in), 2), (V{Grey, Grey, White, White}));
    EXPECT_EQ(Ring(Finish(CheckBox(4, true)), 2), (V{Grey, Grey, White, White}));
}

TEST(HoverFramePainter, NoFrameAtRunTimeUntilHover) {
    PainterInputs in = Command(5);
    PainterFinish f = Finish(in);
    EXPECT_TRUE(f.drawBorder);
    EXPECT_EQ(Ring(f, 0), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 1), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 2), (V{N, N, N, N}));
    EXPECT_EQ(f.outerPenStyle, 0);

    in.pointerOver = in.hovering = true;
    EXPECT_EQ(Ring(Finish(in), 2), (V{White, White, Grey, Grey}));
    in.heldDown = true;
    EXPECT_EQ(Ring(Finish(in), 2), (V{Grey, Grey, White, White}));

    EXPECT_EQ(Ring(Finish(CheckBox(5, true)), 2), (V{Grey, Grey, White, White}));
}

TEST(HoverFramePainter, DottedFrameAtDesignTime) {
    PainterInputs in = Command(5);
    in.userMode = false;
    PainterFinish f = Finish(in);
    const int32_t frame = S(0xA0A0A0, -64);
    EXPECT_EQ(frame, 0x606060);
    EXPECT_EQ(Ring(f, 2), (V{frame, frame, frame, frame}));
    EXPECT_EQ(f.outerPenStyle, 2);

    in.containerBackRgb = 0x303030;  // darkened to black: white instead
    EXPECT_EQ(Ring(Finish(in), 2), (V{White, White, White, White}));

    in.shape = 4;
    in.containerBackRgb = 0xA0A0A0;
    f = Finish(in);
    EXPECT_FALSE(f.drawBorder);
    EXPECT_TRUE(f.designEllipse);
    EXPECT_EQ(f.designEllipseColour, S(0xA0A0A0, -32));

    in.shape = 7;
    EXPECT_FALSE(Finish(in).designEllipse);
    in.shape = 6;
    in.userMode = true;
    EXPECT_FALSE(Finish(in).designEllipse);
}

TEST(HoverFramePainter, FocusColour) {
    PainterInputs in = Command(5);
    EXPECT_EQ(Finish(in).focusColour, Black);
    in.shape = 4;
    EXPECT_EQ(Finish(in).focusColour, S(0xA0A0A0, -32));
    PainterInputs box = CheckBox(5, true);
    box.shape = 4;
    EXPECT_EQ(Finish(box).focusColour, Black);
    EXPECT_TRUE(Finish(box).focusSolid);
}

TEST(SoftBevelPainter, LightAndGreyRings) {
    const int32_t light = 0xE7E7E7;
    PainterInputs in = Command(6);
    in.defaultOutline = true;  // does not raise the state
    PainterFinish f = Finish(in);
    EXPECT_EQ(f.faceState, 0);
    EXPECT_EQ(Ring(f, 0), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 1), (V{light, light, Grey, Grey}));
    EXPECT_EQ(Ring(f, 2), (V{light, light, Grey, Grey}));

    in.heldDown = in.pointerOver = true;
    f = Finish(in);
    EXPECT_EQ(f.faceState, 1);
    EXPECT_EQ(Ring(f, 1), (V{Grey, Grey, light, light}));
    EXPECT_EQ(Ring(f, 2), (V{Grey, Grey, light, light}));
    EXPECT_EQ(Ring(Finish(CheckBox(6, true)), 2), (V{Grey, Grey, light, light}));
}

TEST(EtchedPainter, FaceCaptionAndFlags) {
    PainterInputs in = Command(3);
    FaceChoice c = EtchedFace(in);
    EXPECT_EQ(c.face, in.faceColor);
    EXPECT_EQ(c.captionColorArg, 0x808080);
    EXPECT_FALSE(c.checked);
    EXPECT_TRUE(c.singlePass);
    in.heldDown = in.pointerOver = true;
    EXPECT_EQ(EtchedFace(in).face, in.pressedFaceColor);
    in.enabled = false;
    EXPECT_EQ(EtchedFace(in).captionColorArg, 0x707070);
    PainterInputs box = CheckBox(3, true);
    EXPECT_EQ(EtchedFace(box).face, box.checkedFaceColor);
    EXPECT_FALSE(EtchedFace(box).checked) << "caption and image never move";
}

TEST(EtchedPainter, Rings) {
    const int32_t dark = 0x666666;
    PainterInputs in = Command(3);
    PainterFinish f = Finish(in);
    EXPECT_EQ(f.faceState, 1);
    EXPECT_EQ(Ring(f, 0), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 1), (V{White, White, dark, dark}));
    EXPECT_EQ(Ring(f, 2), (V{dark, dark, White, White}));

    in.heldDown = in.pointerOver = true;
    f = Finish(in);
    EXPECT_EQ(Ring(f, 1), (V{in.pressedFaceColor, in.pressedFaceColor, dark, dark}));

    PainterInputs box = CheckBox(3, false);
    f = Finish(box);
    EXPECT_EQ(f.faceState, 3);
    EXPECT_EQ(Ring(f, 1), (V{White, White, dark, dark}));
    box.value = true;
    f = Finish(box);
    EXPECT_EQ(f.faceState, 2);
    EXPECT_EQ(Ring(f, 1), (V{box.checkedFaceColor, box.checkedFaceColor, dark, dark}));
    box.enabled = false;  // a disabled check box keeps the enabled look
    EXPECT_EQ(Ring(Finish(box), 2), (V{dark, dark, White, White}));

    PainterInputs off = Command(3);
    off.enabled = false;
    f = Finish(off);
    const int32_t face = off.faceColor;
    EXPECT_EQ(Ring(f, 0), (V{face, face, face, face}));
    EXPECT_EQ(Ring(f, 1), (V{face, face, face, face}));
    EXPECT_EQ(Ring(f, 2), (V{dark, dark, dark, dark}));
}

TEST(EtchedPainter, SolidLavenderFocusAroundCaption) {
    for (PainterInputs in : {Command(3), CheckBox(3, true), CheckBox(3, false)}) {
        PainterFinish f = Finish(in);
        EXPECT_TRUE(f.drawFocus);
        EXPECT_EQ(f.focusColour, 0xCC9999);
        EXPECT_TRUE(f.focusSolid);
        EXPECT_TRUE(f.focusCaption);
    }
}

TEST(ShadedRoundedPainter, FaceSecondAndCaptionColours) {
    PainterInputs in = Command(2);
    FaceChoice c = ShadedRoundedFace(in);
    EXPECT_EQ(c.face, in.faceColor);
    EXPECT_EQ(c.second, in.faceColor) << "no gradient: the face colour";
    EXPECT_TRUE(c.singlePass);
    in.gradientMode = 3;
    EXPECT_EQ(ShadedRoundedFace(in).second, S(in.gradientRgb, 48, true));
    in.heldDown = in.pointerOver = true;
    EXPECT_EQ(ShadedRoundedFace(in).face, in.faceColor) << "pressed with a gradient keeps the face";
    in.gradientMode = 0;
    EXPECT_EQ(ShadedRoundedFace(in).face, in.pressedFaceColor);
    in.heldDown = in.pointerOver = false;
    in.enabled = false;
    c = ShadedRoundedFace(in);
    EXPECT_EQ(c.face, S(in.faceColor, -24, true));
    EXPECT_EQ(c.captionColorArg, S(S(in.faceColor, -24, true), -104, true));

    PainterInputs box = CheckBox(2, true);
    EXPECT_EQ(ShadedRoundedFace(box).face, box.checkedFaceColor);
    EXPECT_TRUE(ShadedRoundedFace(box).checked);
}

TEST(ShadedRoundedPainter, RingTableByState) {
    PainterInputs in = Command(2);
    const int32_t b = in.faceColor;
    auto s = [b](int n) { return S(b, n, true); };
    PainterFinish f = Finish(in);
    EXPECT_EQ(f.faceState, 0);
    EXPECT_EQ(Ring(f, 0), (V{s(-10), s(10), s(-24), s(-32)}));
    EXPECT_EQ(Ring(f, 1), (V{s(-5), s(16), s(-36), s(-48)}));
    EXPECT_EQ(Ring(f, 2), (V{0x733C00, 0x733C00, 0x733C00, 0x733C00}));

    in.defaultOutline = true;  // focus: the blue rings
    f = Finish(in);
    EXPECT_EQ(f.faceState, 1);
    EXPECT_EQ(Ring(f, 0), (V{0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C}));
    EXPECT_EQ(Ring(f, 1), (V{0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B}));

    in.showFocusRect = false;  // focus without its mark: the normal shading
    f = Finish(in);
    EXPECT_EQ(f.faceState, 0);
    EXPECT_EQ(Ring(f, 0), (V{s(-10), s(10), s(-24), s(-32)}));

    in.pointerOver = true;  // hot: the orange rings
    f = Finish(in);
    EXPECT_EQ(f.faceState, 3);
    EXPECT_EQ(Ring(f, 0), (V{0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF}));
    EXPECT_EQ(Ring(f, 1), (V{0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7}));

    in.heldDown = true;  // pressed
    f = Finish(in);
    EXPECT_EQ(f.faceState, 2);
    EXPECT_EQ(Ring(f, 0), (V{s(-22), s(-24), b, s(10)}));
    EXPECT_EQ(Ring(f, 1), (V{s(-32), s(-32), s(5), s(16)}));

    PainterInputs box = CheckBox(2, true);
    box.defaultOutline = true;
    EXPECT_EQ(Finish(box).faceState, 1);
    box.defaultOutline = false;
    f = Finish(box);
    EXPECT_EQ(f.faceState, 2);
    EXPECT_EQ(Ring(f, 0)[2], box.checkedFaceColor) << "B is the checked face";

    PainterInputs off = Command(2);
    off.enabled = false;
    off.defaultOutline = true;
    f = Finish(off);
    EXPECT_EQ(f.faceState, 1) << "unchanged when disabled";
    const int32_t frame = S(off.faceColor, -84, true);
    EXPECT_EQ(Ring(f, 0), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 1), (V{N, N, N, N}));
    EXPECT_EQ(Ring(f, 2), (V{frame, frame, frame, frame}));
    EXPECT_EQ(f.corners[0].colour, frame);
}

TEST(ShadedRoundedPainter, NoFocusMarkAndCornersOnStraightSides) {
    PainterInputs in = Command(2);
    in.defaultOutline = true;
    PainterFinish f = Finish(in);
    EXPECT_FALSE(f.drawFocus);
    EXPECT_EQ(f.outline, PainterFinish::Outline::Keep);
    ASSERT_EQ(f.cornerCount, 4);
    const int32_t c = 0x733C00;
    EXPECT_EQ(f.corners[0].x, 1); EXPECT_EQ(f.corners[0].y, 28); EXPECT_EQ(f.corners[0].colour, c);
    EXPECT_EQ(f.corners[1].x, 1); EXPECT_EQ(f.corners[1].y, 1);
    EXPECT_EQ(f.corners[2].x, 98); EXPECT_EQ(f.corners[2].y, 28);
    EXPECT_EQ(f.corners[3].x, 98); EXPECT_EQ(f.corners[3].y, 1);

    in.shape = 1;  // slanted left: right corners only
    in.flatLeft = 31;
    f = Finish(in);
    ASSERT_EQ(f.cornerCount, 2);
    EXPECT_EQ(f.corners[0].x, 98);
    in.shape = 2;  // slanted right: left corners only
    in.flatLeft = 0;
    in.flatRight = 69;
    f = Finish(in);
    ASSERT_EQ(f.cornerCount, 2);
    EXPECT_EQ(f.corners[0].x, 1);
    in.shape = 3;
    in.flatLeft = 31;
    EXPECT_EQ(Finish(in).cornerCount, 0);
}

TEST(ShadedRoundedPainter, ShapedOutlines) {
    for (int32_t shape = 4; shape <= 8; ++shape) {
        PainterInputs in = Command(2);
        in.shape = shape;
        PainterFinish f = Finish(in);
        EXPECT_FALSE(f.drawBorder);
        EXPECT_FALSE(f.drawFocus);
        EXPECT_EQ(f.outline, PainterFinish::Outline::Plain);
        in.defaultOutline = true;
        f = Finish(in);
        EXPECT_EQ(f.outline, PainterFinish::Outline::Colour);
        EXPECT_EQ(f.outlineColour, 0xEF826B);
        in.hovering = true;
        f = Finish(in);
        EXPECT_EQ(f.outlineColour, 0x0096E7);
    }
}

TEST(RoundedFramePainter, FaceSecondAndCaption) {
    PainterInputs in = Command(7);
    FaceChoice c = RoundedFrameFace(in);
    EXPECT_EQ(c.face, in.faceColor);
    EXPECT_EQ(c.second, in.faceColor);
    EXPECT_EQ(c.captionColorArg, in.foreRgb);
    EXPECT_FALSE(c.singlePass);
    EXPECT_FALSE(c.replaceHoverFore);

    in.heldDown = in.pointerOver = true;
    c = RoundedFrameFace(in);
    EXPECT_EQ(c.face, in.pressedFaceColor);
    EXPECT_EQ(c.captionColorArg, in.faceColor) << "pressed: the caption in FaceColor";

    in.gradientMode = 1;
    c = RoundedFrameFace(in);
    EXPECT_EQ(c.face, in.faceColor) << "a gradient keeps FaceColor when pressed";
    EXPECT_EQ(c.second, S(in.gradientRgb, 31));

    PainterInputs off = Command(7);
    off.enabled = false;
    EXPECT_EQ(RoundedFrameFace(off).captionColorArg, -1);
    PainterInputs box = CheckBox(7, false);
    box.enabled = false;
    EXPECT_EQ(RoundedFrameFace(box).captionColorArg, 0x808080);
    box.value = true;
    c = RoundedFrameFace(box);
    EXPECT_EQ(c.face, box.checkedFaceColor);
    EXPECT_EQ(c.captionColorArg, S(box.checkedFaceColor, -32, true));
    EXPECT_TRUE(c.singlePass);
    box.enabled = true;
    box.gradientMode = 2;
    c = RoundedFrameFace(box);
    EXPECT_EQ(c.captionColorArg, box.faceColor);
    EXPECT_EQ(c.second, c.face) << "a checked button never gets the gradient colour";
    EXPECT_TRUE(c.replaceHoverFore);
    EXPECT_EQ(c.hoverForeStandIn, box.faceColor);

    PainterInputs same = Command(7);
    same.hoverForeColor = same.foreColor;
    EXPECT_TRUE(RoundedFrameFace(same).replaceHoverFore);
}

TEST(RoundedFramePainter, RingsAndCorners) {
    PainterInputs in = Command(7);
    const int32_t face = in.faceColor;
    PainterFinish f = Finish(in);
    const int32_t c2 = S(face, 31, true), c3 = S(face, -64, true);
    EXPECT_EQ(Ring(f, 0), (V{White, White, face, face}));
    EXPECT_EQ(Ring(f, 1), (V{c2, c2, c3, c3}));
    EXPECT_EQ(Ring(f, 2), (V{Black, Black, Black, Black}));
    ASSERT_EQ(f.cornerCount, 10);
    const std::array<CornerPixel, 10> want{{{3, 3, White}, {1, 27, face}, {2, 2, c2}, {1, 28, Black}, {1, 1, Black},
                                            {96, 26, face}, {97, 1, face}, {97, 27, c3}, {98, 28, Black},
                                            {98, 1, Black}}};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(f.corners[i].x, want[i].x) << i;
        EXPECT_EQ(f.corners[i].y, want[i].y) << i;
        EXPECT_EQ(f.corners[i].colour, want[i].colour) << i;
    }

    in.heldDown = in.pointerOver = true;  // pressed, no gradient: rings from grey
    f = Finish(in);
    EXPECT_EQ(f.faceState, 2);
    EXPECT_EQ(Ring(f, 0), (V{0x606060, 0x606060, Grey, Grey}));
    EXPECT_EQ(Ring(f, 1), (V{0x404040, 0x404040, 0x707070, 0x707070}));

    in.gradientMode = 4;  // with a gradient: rings shaded from FaceColor
    f = Finish(in);
    EXPECT_EQ(Ring(f, 0), (V{S(face, -32), S(face, -32), face, face}));
    EXPECT_EQ(Ring(f, 1), (V{S(face, -64), S(face, -64), S(face, -16), S(face, -16)}));

    PainterInputs box = CheckBox(7, false);
    box.pressedLook = true;
    box.heldDown = box.pointerOver = true;
    EXPECT_EQ(Finish(box).faceState, 0) << "the checked look of an unchecked box is the raised one";
}

TEST(RoundedFramePainter, FocusColour) {
    PainterInputs in = Command(7);
    PainterFinish f = Finish(in);
    EXPECT_EQ(f.focusColour, Black);
    EXPECT_TRUE(f.focusCaption);
    EXPECT_FALSE(f.focusSolid);
    in.shape = 4;
    EXPECT_EQ(Finish(in).focusColour, S(in.faceColor, -64));
    PainterInputs box = CheckBox(7, true);
    EXPECT_EQ(Finish(box).focusColour, 0x606060);
    EXPECT_TRUE(Finish(box).focusSolid);
}

TEST(RegionOutline, CustomShapesAndLitFlatOvalsGetBlack) {
    for (int32_t style : {0, 1, 3, 4, 5, 6, 7}) {
        for (int32_t shape = 0; shape <= 8; ++shape) {
            PainterInputs in = Command(style);
            in.shape = shape;
            PainterFinish f = Finish(in);
            const bool black = shape == 7 || shape == 8;
            EXPECT_EQ(f.outline, black ? PainterFinish::Outline::Colour : PainterFinish::Outline::Plain)
                << style << "/" << shape;
            if (black) {
                EXPECT_EQ(f.outlineColour, Black);
            }
            EXPECT_EQ(f.drawBorder, shape <= 3) << "shapes 4 to 8 never fill the rings";
        }
        PainterInputs oval = Command(style);
        oval.shape = 6;
        oval.hovering = true;
        EXPECT_EQ(Finish(oval).outline, PainterFinish::Outline::Colour);
        oval.hovering = false;
        oval.heldDown = oval.pointerOver = true;
        EXPECT_EQ(Finish(oval).outline, PainterFinish::Outline::Colour);
    }
}

}  // namespace
}  // namespace buttons
