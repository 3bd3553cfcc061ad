// The painters on a real control in a real window: pixels of the back buffer read
// against the style tables, the caption rules and ShiftColor arithmetic written here.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "buttons/qvbuttons_h.h"
#include "forms/font_object.h"
#include "platform/handles.h"
#include "platform/high_contrast.h"
#include "tests/support/host_window.h"
#include "tests/support/qvbuttons_probe.h"

namespace buttons {
namespace {

constexpr COLORREF White = 0xFFFFFF, Grey = 0x808080, Black = 0;

COLORREF S(COLORREF c, int n, bool p = false) {
    auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    const int nb = p ? b + (n * b) / 192 : b + n;
    return clamp(r + n) + 256 * clamp(g + n) + 65536 * clamp(nb);
}

COLORREF ButtonFace() { return ::GetSysColor(COLOR_BTNFACE); }

// The look shown, as bits for short tables.
constexpr std::uint8_t Outline = 1;
constexpr std::uint8_t Held = 2;
constexpr std::uint8_t Over = 4;

// A control in its own window, with a black Arial caption.
struct Rig {
    // The container, left hidden: the tests read the back buffer the control paints.
    testsupport::HostWindow host{320, 200, false};
    qvButtons_H b;

    explicit Rig(std::int32_t style, int width = 100, int height = 30, const wchar_t* caption = L"Prova") {
        b.SetAmbientDisplayName(caption);
        b.Create(host.hwnd(), 10, 10, width, height, nullptr);
        b.DelayDrawing(true);
        b.ButtonStyle(style);
        b.Font(forms::MakeFont(L"Arial", 9.75, 700));
        b.ForeColor(0);
        b.DelayDrawing(false);
    }
    // Shows the look of the flags (and hovering with the pointer) and repaints.
    void Show(std::uint8_t flags, bool hovering = false) {
        b.SetVisualState({.hovering = hovering,
                          .heldDown = (flags & Held) != 0,
                          .pointerOver = (flags & Over) != 0,
                          .defaultOutline = (flags & Outline) != 0});
        b.Refresh();
    }
    COLORREF At(int x, int y) const { return ::GetPixel(b.Buffer().dc(), x, y); }
    // Left, top, right, bottom sides of a ring at `inset` pixels from the edge, read
    // at the middle of each side.
    std::vector<COLORREF> Ring(int inset) const {
        const int w = b.ScaleWidthPixels(), h = b.ScaleHeightPixels();
        return {At(inset, h / 2), At(w / 4, inset), At(w - 1 - inset, h / 2), At(w / 4, h - 1 - inset)};
    }
};
using V = std::vector<COLORREF>;

// The box of pixels in `area` for which `match` holds; empty when none does.
template <typename Match>
RECT BoxOf(const Rig& rig, RECT area, Match match) {
    RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (match(rig.At(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    if (box.left == LONG_MAX) return RECT{};
    return box;
}

template <typename Match>
bool Any(const Rig& rig, RECT area, Match match) {
    const RECT box = BoxOf(rig, area, match);
    return !IsRectEmpty(&box);
}

// Inside the rings of a 100 x 30 button.
RECT Inside(const Rig& rig) { return RECT{3, 3, rig.b.ScaleWidthPixels() - 3, rig.b.ScaleHeightPixels() - 3}; }

// The caption as the rules draw it, rendered here on a plain face with the caption
// font (Arial 9.75 pt bold at 15 twips per pixel: 13 pixels high), for comparison
// with what the control drew.
class Reference {
public:
    Reference(int width, int height, COLORREF face) {
        platform::WindowDC screen(nullptr);
        dc_.reset(::CreateCompatibleDC(screen.get()));
        bitmap_.reset(::CreateCompatibleBitmap(screen.get(), width, height));
        LOGFONTW lf{};
        lf.lfHeight = -13;
        lf.lfWeight = 700;
        lf.lfCharSet = DEFAULT_CHARSET;
        ::lstrcpyW(lf.lfFaceName, L"Arial");
        font_.reset(::CreateFontIndirectW(&lf));
        bitmapSel_.emplace(dc_.get(), bitmap_.get());
        fontSel_.emplace(dc_.get(), font_.get());
        platform::Brush brush(::CreateSolidBrush(face));
        RECT all{0, 0, width, height};
        ::FillRect(dc_.get(), &all, brush.get());
        ::SetBkMode(dc_.get(), TRANSPARENT);
    }
    void Text(const wchar_t* text, RECT at, int dx, int dy, COLORREF colour, UINT format = DT_WORDBREAK | DT_CENTER) {
        ::OffsetRect(&at, dx, dy);
        ::SetTextColor(dc_.get(), colour);
        ::DrawTextW(dc_.get(), text, -1, &at, format);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_.get(), x, y); }

private:
    platform::MemoryDC dc_;
    platform::Bitmap bitmap_;
    platform::Font font_;
    std::optional<platform::ScopedSelect> bitmapSel_;
    std::optional<platform::ScopedSelect> fontSel_;
};

// Pixels around the caption rectangle where the control and the reference differ.
int Mismatches(const Rig& rig, const Reference& ref) {
    RECT area = qvButtons_HProbe::CaptionRect(rig.b);
    ::InflateRect(&area, 3, 3);
    const RECT inside = Inside(rig);
    ::IntersectRect(&area, &area, &inside);
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += rig.At(x, y) != ref.At(x, y);
    return n;
}

bool Dark(COLORREF c) { return GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60; }

int Count(const Rig& rig, RECT area, COLORREF colour) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += rig.At(x, y) == colour;
    return n;
}

// Gradient table from `a` to `b` in n steps: single-precision accumulation, floored.
std::vector<COLORREF> Gradient(COLORREF a, COLORREF b, int n) {
    std::vector<COLORREF> t(n);
    float s[3] = {float(GetRValue(a)), float(GetGValue(a)), float(GetBValue(a))};
    const int e[3] = {GetRValue(b), GetGValue(b), GetBValue(b)};
    float step[3];
    for (int k = 0; k < 3; ++k) step[k] = (e[k] - s[k]) / float(n - 1);
    t[0] = a;
    for (int i = 1; i < n; ++i) {
        int c[3];
        for (int k = 0; k < 3; ++k) {
            s[k] += step[k];
            s[k] = std::min(255.0f, std::max(0.0f, s[k]));
            c[k] = int(std::floor(s[k]));
        }
        t[i] = RGB(c[0], c[1], c[2]);
    }
    return t;
}

TEST(BevelPixels, CommandButtonWithAndWithoutDefaultOutline) {
    Rig rig(0);
    const COLORREF face = ButtonFace();
    rig.Show(0);
    EXPECT_EQ(rig.Ring(0), (V{White, White, Black, Black}));
    EXPECT_EQ(rig.Ring(1), (V{0xE9E9E9, 0xE9E9E9, Grey, Grey}));
    EXPECT_EQ(rig.Ring(2), (V{face, face, face, face})) << "no inner ring";

    rig.Show(Outline);
    EXPECT_EQ(rig.Ring(0), (V{Black, Black, Black, Black}));
    EXPECT_EQ(rig.Ring(1), (V{White, White, Black, Black}));
    EXPECT_EQ(rig.Ring(2), (V{0xE9E9E9, 0xE9E9E9, Grey, Grey}));
}

TEST(BevelPixels, CheckedCheckBoxLooksSunken) {
    Rig rig(0);
    rig.b.Mode(1);
    rig.b.Value(true);
    rig.Show(0);
    const COLORREF checked = 0xDFDFDF;  // S(white, -32)
    EXPECT_EQ(rig.At(10, 15), checked);
    EXPECT_EQ(rig.Ring(0), (V{Black, Black, White, White}));
    EXPECT_EQ(rig.Ring(1), (V{checked, checked, 0xE9E9E9, 0xE9E9E9}));
    EXPECT_EQ(rig.Ring(2), (V{checked, checked, checked, checked}));
}

// A disabled check box of the five standard styles shows its caption once, in grey;
// a disabled command button shows it embossed: white one pixel down-right, grey on top.
TEST(DisabledCaption, OnceInGreyForCheckBoxesEmbossedForCommandButtons) {
    const COLORREF face = ButtonFace();
    for (std::int32_t style : {0, 1, 4, 5, 6}) {
        Rig box(style);
        box.b.Mode(1);
        box.b.Enabled(false);
        box.Show(0);
        Reference once(100, 30, face);
        once.Text(L"Prova", qvButtons_HProbe::CaptionRect(box.b), 0, 0, Grey);
        EXPECT_EQ(Mismatches(box, once), 0) << style;

        Rig command(style);
        command.b.Enabled(false);
        command.Show(0);
        Reference etched(100, 30, face);
        etched.Text(L"Prova", qvButtons_HProbe::CaptionRect(command.b), 1, 1, White);
        etched.Text(L"Prova", qvButtons_HProbe::CaptionRect(command.b), 0, 0, Grey);
        EXPECT_EQ(Mismatches(command, etched), 0) << style;
    }
}

TEST(HoverFramePixels, NoBorderAtRunTimeUntilHover) {
    Rig rig(5);
    const COLORREF face = ButtonFace();
    rig.Show(0);
    EXPECT_EQ(rig.Ring(0), (V{face, face, face, face}));
    rig.Show(Over, true);
    EXPECT_EQ(rig.Ring(0), (V{White, White, Grey, Grey}));
    rig.Show(Over | Held, true);
    EXPECT_EQ(rig.Ring(0), (V{Grey, Grey, White, White}));
}

TEST(HoverFramePixels, DottedRingAtDesignTime) {
    Rig rig(5);
    rig.b.SetAmbientUserMode(false);
    rig.b.SetAmbientBackColor(0x00A0A0A0);
    rig.Show(0);
    const COLORREF frame = S(0xA0A0A0, -64);
    int on = 0, off = 0;
    for (int x = 5; x < 95; ++x) (rig.At(x, 0) == frame ? on : off)++;
    EXPECT_GT(on, 10);
    EXPECT_GT(off, 10) << "dotted, not solid";

    rig.b.SetAmbientBackColor(0x00303030);  // darkened to black: white instead
    rig.Show(0);
    on = 0;
    for (int x = 5; x < 95; ++x) on += rig.At(x, 0) == White;
    EXPECT_GT(on, 10);
}

TEST(ShadedRoundedPixels, RingColoursForFocusHotAndPressed) {
    Rig rig(2);
    rig.Show(Outline);
    EXPECT_EQ(rig.Ring(2), (V{0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C}));
    EXPECT_EQ(rig.Ring(1), (V{0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B}));
    EXPECT_EQ(rig.Ring(0), (V{0x733C00, 0x733C00, 0x733C00, 0x733C00}));

    rig.Show(Over, true);
    EXPECT_EQ(rig.Ring(2), (V{0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF}));
    EXPECT_EQ(rig.Ring(1), (V{0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7}));

    rig.Show(Over | Held, true);
    const COLORREF b = S(ButtonFace(), 48, true);  // FaceColor of this style
    EXPECT_EQ(rig.Ring(2), (V{S(b, -22, true), S(b, -24, true), b, S(b, 10, true)}));
    EXPECT_EQ(rig.Ring(1), (V{S(b, -32, true), S(b, -32, true), S(b, 5, true), S(b, 16, true)}));

    rig.b.ShowFocusRect(false);  // at run time this also clears the default outline
    rig.Show(Outline);
    EXPECT_EQ(rig.Ring(2), (V{S(b, -10, true), S(b, 10, true), S(b, -24, true), S(b, -32, true)}));
}

TEST(ShadedRoundedPixels, NeverAFocusRectangleAndFrameCornerPixels) {
    Rig rig(2);
    rig.Show(Outline);
    // Where a focus rectangle would run (column 4 and row 4), each pixel equals the
    // shaded face of its row a little further in.
    for (int y = 5; y < 25; ++y) EXPECT_EQ(rig.At(4, y), rig.At(6, y)) << y;
    for (int x = 4; x < 30; ++x) EXPECT_EQ(rig.At(x, 4), rig.At(30, 4)) << x;
    EXPECT_EQ(rig.At(1, 1), 0x733C00u);
    EXPECT_EQ(rig.At(1, 28), 0x733C00u);
    EXPECT_EQ(rig.At(98, 1), 0x733C00u);
    EXPECT_EQ(rig.At(98, 28), 0x733C00u);
}

TEST(RoundedFramePixels, PressedAndWithGradient) {
    Rig rig(7);
    rig.Show(Over | Held);
    const COLORREF faceColor = S(ButtonFace(), 31);
    EXPECT_EQ(rig.At(10, 15), 0x707070u) << "PressedFaceColor";
    EXPECT_EQ(rig.Ring(2), (V{0x606060, 0x606060, Grey, Grey}));
    EXPECT_EQ(rig.Ring(1), (V{0x404040, 0x404040, 0x707070, 0x707070}));
    EXPECT_EQ(rig.Ring(0), (V{Black, Black, Black, Black}));
    // The caption in FaceColor.
    EXPECT_GT(Count(rig, Inside(rig), faceColor), 0);
    // Corner pixels of the rounded frame.
    EXPECT_EQ(rig.At(1, 1), Black);
    EXPECT_EQ(rig.At(3, 3), 0x606060u);
    EXPECT_EQ(rig.At(2, 2), 0x404040u);
    EXPECT_EQ(rig.At(97, 27), 0x707070u);

    rig.b.BackColor(0x00806040);
    rig.b.GradientColor(0x00204080);
    rig.b.GradientMode(3);
    rig.Show(Over | Held);
    const COLORREF face = S(0x806040, 31);
    const std::vector<COLORREF> bands = Gradient(face, S(0x204080, 31), 30);
    EXPECT_EQ(rig.At(10, 3), bands[3]) << "the gradient runs from FaceColor";
    EXPECT_EQ(rig.At(10, 26), bands[26]);
    EXPECT_EQ(rig.Ring(2), (V{S(face, -32), S(face, -32), face, face}));
    EXPECT_EQ(rig.Ring(1), (V{S(face, -64), S(face, -64), S(face, -16), S(face, -16)}));
}

TEST(EtchedPixels, CaptionNeverMovesAndSolidLavenderFocus) {
    Rig rig(3);
    rig.Show(Over | Held);
    Reference still(100, 30, 0x8C8C8C);  // PressedFaceColor of the style
    still.Text(L"Prova", qvButtons_HProbe::CaptionRect(rig.b), 0, 0, Black);
    EXPECT_EQ(Mismatches(rig, still), 0);

    rig.Show(Outline);
    const RECT cr = qvButtons_HProbe::CaptionRect(rig.b);
    // e = 2: the caption lies well inside; the solid frame runs 2 pixels outside it.
    EXPECT_EQ(rig.At(cr.left - 2, cr.top - 2), 0xCC9999u);
    EXPECT_EQ(rig.At(cr.right + 1, cr.bottom + 1), 0xCC9999u);
    EXPECT_EQ(rig.At((cr.left + cr.right) / 2, cr.top - 2), 0xCC9999u);
    EXPECT_EQ(rig.At(cr.left - 2, (cr.top + cr.bottom) / 2), 0xCC9999u);
}

TEST(BevelPixels, PressedCaptionMovesOneRightAndDown) {
    Rig rig(0);
    rig.Show(0);
    Reference rest(100, 30, ButtonFace());
    rest.Text(L"Prova", qvButtons_HProbe::CaptionRect(rig.b), 0, 0, Black);
    EXPECT_EQ(Mismatches(rig, rest), 0);
    rig.Show(Over | Held);
    Reference pressed(100, 30, ButtonFace());
    pressed.Text(L"Prova", qvButtons_HProbe::CaptionRect(rig.b), 1, 1, Black);
    EXPECT_EQ(Mismatches(rig, pressed), 0);
}

// The system's own buttons: bsFlat, bottom-to-top gradient from the face to white,
// hover face 0x82551B with white text, caption 0x00A86814 in Arial 9.75 bold.
struct SystemButton : Rig {
    SystemButton() : Rig(4, 100, 30, L"SOS") {
        b.DelayDrawing(true);
        b.HoverColorLocks(3);
        b.BackColor(static_cast<std::int32_t>(0x8000000F));
        b.GradientColor(0x00FFFFFF);
        b.GradientMode(4);
        b.ForeColor(0x00A86814);
        b.HoverForeColor(0x00FFFFFF);
        b.HoverBackColor(0x0082551B);
        b.DelayDrawing(false);
    }
};

TEST(SystemButtonPixels, FrameGradientAndHover) {
    SystemButton rig;
    const COLORREF face = ButtonFace();
    rig.Show(0);
    EXPECT_EQ(rig.Ring(0), (V{White, White, Grey, Grey}));
    ASSERT_GE(::GetSystemMetrics(SM_CYSCREEN) / 30, 4) << "one-pixel bands";
    const std::vector<COLORREF> table = Gradient(face, White, 30);
    for (int y = 1; y < 29; ++y) EXPECT_EQ(rig.At(2, y), table[29 - y]) << "row " << y;
    EXPECT_EQ(rig.At(2, 28), table[1]);
    EXPECT_GT(Count(rig, Inside(rig), 0xA86814), 0) << "caption colour";

    rig.Show(Over, true);
    EXPECT_EQ(rig.Ring(0), (V{White, White, Grey, Grey}));
    EXPECT_EQ(rig.At(2, 15), 0x82551Bu);
    EXPECT_EQ(rig.At(50, 3), 0x82551Bu);
    Reference hovered(100, 30, 0x82551B);
    hovered.Text(L"SOS", qvButtons_HProbe::CaptionRect(rig.b), 0, 0, White);
    EXPECT_EQ(Mismatches(rig, hovered), 0) << "white text on the hover face";

    rig.Show(Over | Held, true);
    EXPECT_EQ(rig.Ring(0), (V{Grey, Grey, White, White}));
    for (int y = 1; y < 29; ++y) EXPECT_EQ(rig.At(2, y), table[29 - y]) << "pressed keeps the gradient, row " << y;
}

TEST(CaptionPixels, DoublePipeGivesTwoLines) {
    Rig one(4, 100, 60, L"Uno|Due");
    one.Show(0);
    Rig two(4, 100, 60, L"Uno||Due");
    two.Show(0);
    const RECT a = qvButtons_HProbe::CaptionRect(one.b), b = qvButtons_HProbe::CaptionRect(two.b);
    EXPECT_EQ(b.bottom - b.top, 2 * (a.bottom - a.top));
    // Two bands of text rows with blank rows between them.
    std::vector<bool> inked;
    for (int y = 3; y < 57; ++y) inked.push_back(Any(two, RECT{3, y, 97, y + 1}, Dark));
    int bands = 0;
    for (size_t i = 0; i < inked.size(); ++i) bands += inked[i] && (i == 0 || !inked[i - 1]);
    EXPECT_EQ(bands, 2);
    inked.clear();
    for (int y = 3; y < 57; ++y) inked.push_back(Any(one, RECT{3, y, 97, y + 1}, Dark));
    bands = 0;
    for (size_t i = 0; i < inked.size(); ++i) bands += inked[i] && (i == 0 || !inked[i - 1]);
    EXPECT_EQ(bands, 1);
}

TEST(CaptionPixels, LeftAlignedAndBesideALeftImage) {
    Rig rig(4, 120, 30, L"Prova");
    rig.b.CaptionAlign(0);
    rig.Show(0);
    EXPECT_EQ(qvButtons_HProbe::CaptionRect(rig.b).left, 4);
    const RECT ink = BoxOf(rig, Inside(rig), Dark);
    EXPECT_GE(ink.left, 4);
    EXPECT_LE(ink.left, 6);

    // A 16-pixel image on the left edge (the picture's size, as the picture cache sets it).
    qvButtons_HProbe::PictureWidth(rig.b) = 16;
    qvButtons_HProbe::PictureHeight(rig.b) = 16;
    qvButtons_HProbe::ImagePixels(rig.b) = 16;
    qvButtons_HProbe::LayoutButtonContent(rig.b, false);
    rig.Show(0);
    EXPECT_EQ(qvButtons_HProbe::CaptionRect(rig.b).left, 24);
    EXPECT_EQ(qvButtons_HProbe::ImageRect(rig.b).left, 4);
    EXPECT_EQ(qvButtons_HProbe::ImageRect(rig.b).top, 7);
    const RECT moved = BoxOf(rig, Inside(rig), Dark);
    EXPECT_EQ(moved.left, ink.left + 20);
}

TEST(CaptionPixels, TopCentredImageAndLargeImages) {
    Rig rig(4, 100, 60, L"Prova");
    qvButtons_HProbe::PictureWidth(rig.b) = 32;
    qvButtons_HProbe::PictureHeight(rig.b) = 32;
    qvButtons_HProbe::ImagePixels(rig.b) = 16;
    rig.b.PictureAlign(4);
    const RECT cr = qvButtons_HProbe::CaptionRect(rig.b), ir = qvButtons_HProbe::ImageRect(rig.b);
    EXPECT_EQ(ir.left, (100 - 16) / 2);
    EXPECT_EQ(ir.right - ir.left, 16);
    EXPECT_EQ(cr.top, ir.bottom + 2);

    const int th = cr.bottom - cr.top;
    // 40: no caption space, the caption is centred as without an image; 48: the
    // 32 x 32 picture fitted into 88 x 48 is 48 x 48, centred.
    using Box = std::array<LONG, 4>;  // left, top, right, bottom
    for (const auto& [pixels, image] :
         {std::pair{std::int16_t{40}, Box{3, 3, 97, 57}}, {std::int16_t{48}, Box{26, 6, 74, 54}}}) {
        qvButtons_HProbe::ImagePixels(rig.b) = pixels;
        qvButtons_HProbe::LayoutButtonContent(rig.b, false);
        EXPECT_EQ(qvButtons_HProbe::CaptionRect(rig.b).top, (60 - th) / 2 + 2);  // two below the (empty) image top
        const RECT got = qvButtons_HProbe::ImageRect(rig.b);
        EXPECT_EQ(image, (Box{got.left, got.top, got.right, got.bottom})) << pixels;
    }
}

TEST(CaptionPixels, EmbossedAndEngravedCopies) {
    const COLORREF face = ButtonFace();
    for (std::int32_t captionStyle : {1, 2}) {
        Rig flat(4, 100, 30, L"Prova");
        flat.Show(0);
        const RECT flatCr = qvButtons_HProbe::CaptionRect(flat.b);

        Rig rig(4, 100, 30, L"Prova");
        rig.b.CaptionStyle(captionStyle);
        rig.Show(0);
        const RECT cr = qvButtons_HProbe::CaptionRect(rig.b);
        EXPECT_EQ(cr.right - cr.left, flatCr.right - flatCr.left + 2);
        EXPECT_EQ(cr.bottom - cr.top, flatCr.bottom - flatCr.top + 2);

        // The main text one pixel below the laid-out rectangle, the copies one pixel
        // up-left and down-right of it.
        const int shift = captionStyle == 2 ? 40 : -40;
        Reference ref(100, 30, face);
        ref.Text(L"Prova", cr, -1, 0, S(face, shift));
        ref.Text(L"Prova", cr, 1, 2, S(face, -shift));
        ref.Text(L"Prova", cr, 0, 1, Black);
        EXPECT_EQ(Mismatches(rig, ref), 0) << captionStyle;
    }
}

TEST(OvalPixels, CaptionOnlyWhileCheckedOnOvalsWithoutText) {
    Rig rig(4, 100, 40);
    rig.b.ButtonShape(5);
    rig.b.Mode(1);
    rig.Show(0);
    const RECT middle{10, 8, 90, 32};
    EXPECT_FALSE(Any(rig, middle, Dark)) << "no caption while unchecked";
    rig.b.Value(true);
    rig.Show(0);
    EXPECT_TRUE(Any(rig, middle, Dark));

    rig.b.ButtonShape(4);  // a plain oval shows it always
    rig.b.Value(false);
    rig.Show(0);
    EXPECT_TRUE(Any(rig, middle, Dark));
}

TEST(OvalPixels, HoverFrameDottedEllipseAtDesignTimeOnly) {
    Rig rig(5, 100, 40);
    rig.b.SetAmbientBackColor(0x00A0A0A0);
    rig.b.ButtonShape(4);
    const COLORREF dotted = S(0xA0A0A0, -32);
    const RECT all{0, 0, 100, 40};
    rig.Show(0);
    EXPECT_EQ(Count(rig, all, dotted), 0) << "nothing at run time";
    rig.b.SetAmbientUserMode(false);
    rig.Show(0);
    const int on = Count(rig, all, dotted);
    EXPECT_GT(on, 20);
    EXPECT_EQ(rig.At(50, 20) == dotted, false);
}

// Every style in every state paints, and repainting creates no lasting GDI objects.
TEST(AllStyles, EveryStateRendersWithoutLeaking) {
    struct State {
        const char* name;
        std::int32_t mode;
        bool value;
        bool enabled;
        std::uint8_t flags;
        bool hovering;
    };
    const State states[] = {
        {"rest", 0, false, true, 0, false},
        {"hover", 0, false, true, Over, true},
        {"pressed", 0, false, true, Over | Held, true},
        {"default outline", 0, false, true, Outline, false},
        {"checked check box", 1, true, true, 0, false},
        {"disabled command button", 0, false, false, 0, false},
        {"disabled check box", 1, false, false, 0, false},
    };
    for (std::int32_t style = 0; style <= 7; ++style) {
        for (std::int32_t gradient : {0, 4}) {
            Rig rig(style);
            rig.b.GradientColor(0x00FFFFFF);
            rig.b.GradientMode(gradient);
            rig.Show(0);
            const long before = platform::LiveGdiCount();
            for (const State& s : states) {
                rig.b.DelayDrawing(true);
                rig.b.Mode(s.mode);
                rig.b.Value(s.value);
                rig.b.Enabled(s.enabled);
                rig.b.DelayDrawing(false);
                const long refreshes = rig.b.RefreshCount();
                rig.Show(s.flags, s.hovering);
                EXPECT_EQ(rig.b.RefreshCount(), refreshes + 1) << style << " " << s.name;
                EXPECT_EQ(platform::LiveGdiCount(), before) << style << " " << s.name;
            }
        }
    }
}

// High contrast, forced (Wine cannot turn it on) while a test runs.
struct HighContrastForced {
    explicit HighContrastForced(bool on = true) { platform::ForceHighContrast(on); }
    ~HighContrastForced() { platform::ForceHighContrast(std::nullopt); }
};

// Every style over stored colours, a gradient and hover colours that must not show:
// a caption-less button at rest, pressed, with its outline, hovered and disabled has
// only system colours; a caption is in the button-text colour; the focus shows.
TEST(HighContrast, EveryStyleDrawsInSystemColoursOnly) {
    const HighContrastForced on;
    std::set<COLORREF> system;
    for (int index = COLOR_SCROLLBAR; index <= COLOR_MENUBAR; ++index) system.insert(::GetSysColor(index));
    for (std::int32_t style = bsBevel; style <= bsRoundedFrame; ++style) {
        Rig bare(style, 100, 30, L""), captioned(style);
        for (Rig* rig : {&bare, &captioned}) {
            rig->b.BackColor(0x0000C0FF);
            rig->b.GradientMode(4);
            rig->b.HoverBackColor(0x0000FF00);
            rig->b.ForeColor(0x00FF00FF);
        }
        for (const auto& [flags, hovering, enabled] : {std::tuple{std::uint8_t{0}, false, true},
                                                       {Held | Over, false, true},
                                                       {Outline, false, true},
                                                       {0, true, true},
                                                       {0, false, false}}) {
            bare.b.Enabled(enabled);
            bare.Show(flags, hovering);
            int others = 0;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 100; ++x) others += system.count(bare.At(x, y)) == 0;
            EXPECT_EQ(0, others) << "style " << style << " flags " << int{flags} << " hovering " << hovering;
        }
        captioned.Show(0);
        const RECT text =
            BoxOf(captioned, RECT{0, 0, 100, 30}, [](COLORREF c) { return c == ::GetSysColor(COLOR_BTNTEXT); });
        EXPECT_GT(text.right - text.left, 10) << "style " << style;
        std::vector<COLORREF> before;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x) before.push_back(captioned.At(x, y));
        captioned.Show(Outline);
        std::vector<COLORREF> focused;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x) focused.push_back(captioned.At(x, y));
        EXPECT_NE(before, focused) << "style " << style;
    }
}

// The system's colours change at run time: the button repaints into the new look.
TEST(HighContrast, SystemColourChangeRepaintsIntoTheNewLook) {
    Rig rig(bsFlat, 100, 30, L"");
    rig.b.BackColor(0x0000C0FF);
    {
        const HighContrastForced off(false);
        rig.Show(0);
    }
    EXPECT_EQ(static_cast<COLORREF>(0x0000C0FF), rig.At(50, 15));
    const HighContrastForced on;
    ::SendMessageW(rig.b.hWnd(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), rig.At(50, 15));
}

}  // namespace
}  // namespace buttons
