// The contact sheet's 200 % block: the buttons as a window at 192 dpi shows them.
#pragma once

#include "tools/contactsheet/picture_block.h"

namespace contactsheet {

// The block's cells: twice the 96-dpi cell, on the launcher's blue.
namespace scaled {
constexpr int kDpi = 192;
constexpr int kCellWidth = 2 * grid::kCellWidth;
constexpr int kCellHeight = 64;
constexpr int kColumns = 4;  // rest, hover, pressed, oval
constexpr int kRows = 8;     // one per style
constexpr COLORREF kField = RGB(0x14, 0x62, 0xA0);
}  // namespace scaled

int ScaledBlockHeight();
// Draws the block with its top-left corner at (x, y): every style at rest, hovered,
// pressed and as an oval at rest, each button told it shows at 192 dpi (its caption
// "Prova" in Arial 9.75 pt bold at that DPI), the oval cut by its region.
void DrawScaledBlock(const Sheet& sheet, int x, int y);

}  // namespace contactsheet
