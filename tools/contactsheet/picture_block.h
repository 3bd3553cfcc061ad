// The contact sheet's picture block and the pieces of the sheet it shares.
#pragma once

#include <windows.h>

#include "buttons/qvbuttons_h.h"

namespace contactsheet {

// The sheet's grid, in pixels, the same in every block: a label column, cells with
// gaps, a title and a header line above the cells.
namespace grid {
constexpr int kCellWidth = 96;
constexpr int kGap = 8;
constexpr int kLabelWidth = 120;
constexpr int kTitleHeight = 24;
constexpr int kHeaderHeight = 18;
}  // namespace grid

// The sheet being drawn and the sheet's own ways of placing a button and a label.
struct Sheet {
    HDC dc;
    HWND host;  // the hidden window the buttons live in
    HFONT titles;
    HFONT labels;
    void (*copyButton)(buttons::qvButtons_H& b, HDC sheet, int x, int y);
    void (*label)(HDC dc, const wchar_t* text, RECT at, UINT format);
};

int PictureBlockWidth();
int PictureBlockHeight();
// Draws the picture block with its top-left corner at (x, y): every PictureSize by
// every PictureAlign with a caption, enabled and disabled; then an icon and both
// picture shapes at rest, hovered, pressed and disabled. The pictures are drawn
// here, not read from files.
void DrawPictureBlock(const Sheet& sheet, int x, int y);

}  // namespace contactsheet
