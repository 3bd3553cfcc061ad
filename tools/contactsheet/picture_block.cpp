#include "tools/contactsheet/picture_block.h"

#include <functional>
#include <string>

#include "forms/font_object.h"
#include "platform/handles.h"
#include "platform/pixel_bitmap.h"

namespace contactsheet {
namespace {

using buttons::qvButtons_H;
using namespace grid;

constexpr int kCellHeight = 56;  // room for a 32-pixel image above or below a caption
constexpr int kAligns = 6;
constexpr int kSizes = 5;
constexpr int kStateRows = 3;  // icon, ShapeCustom, ShapeCustom3D
constexpr int kRowPitch = kCellHeight + kGap;
constexpr COLORREF kKey = RGB(255, 0, 255);  // the samples' top-left colour: transparent

const wchar_t* const kAlignNames[kAligns] = {L"LeftEdge", L"LeftOfCaption", L"RightEdge",
                                             L"RightOfCaption", L"TopCenter", L"BottomCenter"};
const wchar_t* const kSizeNames[kSizes] = {L"ps16", L"ps24", L"ps32", L"ps40", L"ps48"};
const wchar_t* const kStateNames[4] = {L"rest", L"hover", L"pressed", L"disabled"};
const wchar_t* const kStateRowNames[kStateRows] = {L"icon, ps32", L"ShapeCustom", L"ShapeCustom3D"};

// A 32-bit DIB of w x h filled with `background`, then drawn on by `draw`.
platform::Bitmap DrawnBitmap(int w, int h, COLORREF background, const std::function<void(HDC)>& draw) {
    std::uint32_t* bits = nullptr;
    platform::Bitmap dib = platform::CreatePixelBitmap(w, h, &bits);
    platform::MemoryDC dc(::CreateCompatibleDC(nullptr));
    if (!dib || !dc) return platform::Bitmap();
    {
        platform::ScopedSelect select(dc.get(), dib.get());
        platform::Brush fill(::CreateSolidBrush(background));
        const RECT all{0, 0, w, h};
        ::FillRect(dc.get(), &all, fill.get());
        draw(dc.get());
        ::GdiFlush();
    }
    return dib;
}

// Fills and outlines with the given colours through the shapes `draw` makes.
void WithColours(HDC dc, COLORREF fill, COLORREF line, const std::function<void()>& draw) {
    platform::Brush brush(::CreateSolidBrush(fill));
    platform::Pen pen(::CreatePen(PS_SOLID, 2, line));
    platform::ScopedSelect b(dc, brush.get());
    platform::ScopedSelect p(dc, pen.get());
    draw();
}

// A sun: a yellow disc with a black outline and a white highlight, on the key colour.
forms::PictureRef SunPicture() {
    return forms::PictureObject::FromBitmap(DrawnBitmap(32, 32, kKey, [](HDC dc) {
        WithColours(dc, RGB(250, 200, 30), RGB(0, 0, 0), [&] { ::Ellipse(dc, 2, 2, 30, 30); });
        WithColours(dc, RGB(255, 255, 255), RGB(255, 255, 255), [&] { ::Ellipse(dc, 9, 8, 15, 14); });
    }).release());
}

// A red diamond icon: colour black outside the diamond, mask white (transparent) there.
forms::PictureRef DiamondIcon() {
    const POINT diamond[4] = {{16, 1}, {31, 16}, {16, 31}, {1, 16}};
    const platform::Bitmap colour = DrawnBitmap(32, 32, RGB(0, 0, 0), [&](HDC dc) {
        WithColours(dc, RGB(210, 40, 40), RGB(120, 0, 0), [&] { ::Polygon(dc, diamond, 4); });
    });
    const platform::Bitmap mask = DrawnBitmap(32, 32, RGB(255, 255, 255), [&](HDC dc) {
        WithColours(dc, RGB(0, 0, 0), RGB(0, 0, 0), [&] { ::Polygon(dc, diamond, 4); });
    });
    platform::Bitmap monoMask(static_cast<HBITMAP>(::CopyImage(mask.get(), IMAGE_BITMAP, 32, 32, LR_MONOCHROME)));
    ICONINFO info{TRUE, 0, 0, monoMask.get(), colour.get()};
    // The icon keeps copies of both bitmaps; the picture owns the icon.
    return forms::PictureObject::FromIcon(::CreateIconIndirect(&info));
}

// A teal lozenge with a white stripe, for the picture shapes.
forms::PictureRef LozengePicture() {
    return forms::PictureObject::FromBitmap(DrawnBitmap(88, 48, kKey, [](HDC dc) {
        WithColours(dc, RGB(30, 150, 150), RGB(20, 90, 90), [&] { ::RoundRect(dc, 1, 1, 87, 47, 44, 44); });
        WithColours(dc, RGB(255, 255, 255), RGB(255, 255, 255), [&] { ::Rectangle(dc, 24, 20, 64, 28); });
    }).release());
}

void SetState(qvButtons_H& b, int state) {
    qvButtons_H::VisualState look;
    look.hovering = look.pointerOver = state == 1 || state == 2;
    look.heldDown = state == 2;
    b.SetVisualState(look);
    b.Enabled(state != 3);
    b.Refresh();
}

}  // namespace

int PictureBlockWidth() { return kLabelWidth + 2 * kAligns * (kCellWidth + kGap) + kGap; }
int PictureBlockHeight() {
    return kTitleHeight + kHeaderHeight + kSizes * kRowPitch + kHeaderHeight + kStateRows * kRowPitch + kGap;
}

void DrawPictureBlock(const Sheet& out, int x, int y) {
    HDC sheet = out.dc;
    const auto Label = out.label;
    const auto CopyButton = out.copyButton;
    {
        platform::ScopedSelect font(sheet, out.titles);
        Label(sheet, L"Pictures: PictureSize by PictureAlign, enabled then disabled; an icon and the picture shapes",
              RECT{x + kGap, y, x + PictureBlockWidth(), y + kTitleHeight}, DT_LEFT);
    }
    platform::ScopedSelect font(sheet, out.labels);
    platform::Brush container(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    const RECT field{x + kLabelWidth, y + kTitleHeight + kHeaderHeight, x + PictureBlockWidth() - kGap / 2,
                     y + PictureBlockHeight() - kGap / 2};
    ::FillRect(sheet, &field, container.get());
    const auto cellX = [&](int column) { return x + kLabelWidth + kGap + column * (kCellWidth + kGap); };
    const auto header = [&](int top, int column, const std::wstring& text) {
        Label(sheet, text.c_str(), RECT{cellX(column) - kGap / 2, top, cellX(column) + kCellWidth + kGap / 2,
                                        top + kHeaderHeight},
              DT_CENTER);
    };
    const auto newButton = [&](qvButtons_H& b) {
        b.SetAmbientDisplayName(L"Prova");
        b.Create(out.host, 0, 0, kCellWidth, kCellHeight, nullptr, false);
        b.Font(forms::MakeFont(L"Arial", 9.75, 700));
    };

    const forms::PictureRef sun = SunPicture();
    for (int column = 0; column < 2 * kAligns; ++column)
        header(y + kTitleHeight, column, std::wstring(kAlignNames[column % kAligns]) + (column < kAligns ? L"" : L" (d)"));
    for (int size = 0; size < kSizes; ++size) {
        const int top = y + kTitleHeight + kHeaderHeight + kGap / 2 + size * kRowPitch;
        Label(sheet, kSizeNames[size], RECT{x + kGap, top, x + kLabelWidth, top + kCellHeight}, DT_LEFT);
        for (int column = 0; column < 2 * kAligns; ++column) {
            qvButtons_H b;
            newButton(b);
            b.DelayDrawing(true);
            b.Picture(sun);
            b.PictureSize(size);
            b.PictureAlign(column % kAligns);
            b.Enabled(column < kAligns);
            b.DelayDrawing(false);
            CopyButton(b, sheet, cellX(column), top);
        }
    }

    const int statesTop = y + kTitleHeight + kHeaderHeight + kSizes * kRowPitch;
    for (int state = 0; state < 4; ++state) header(statesTop, state, kStateNames[state]);
    const forms::PictureRef icon = DiamondIcon();
    const forms::PictureRef lozenge = LozengePicture();
    for (int row = 0; row < kStateRows; ++row) {
        const int top = statesTop + kHeaderHeight + kGap / 2 + row * kRowPitch;
        Label(sheet, kStateRowNames[row], RECT{x + kGap, top, x + kLabelWidth, top + kCellHeight}, DT_LEFT);
        for (int state = 0; state < 4; ++state) {
            qvButtons_H b;
            newButton(b);
            if (row == 0) {
                b.Picture(icon);
                b.PictureSize(buttons::ps32);
                b.PictureAlign(buttons::paLeftOfCaption);
            } else {
                b.Picture(lozenge);
                b.ButtonShape(row == 1 ? buttons::ShapeCustom : buttons::ShapeCustom3D);
            }
            SetState(b, state);
            CopyButton(b, sheet, cellX(state), top);
        }
    }
}

}  // namespace contactsheet
