#include "tools/contactsheet/scaled_block.h"

#include "forms/font_object.h"
#include "platform/handles.h"

namespace contactsheet {
namespace {

using buttons::qvButtons_H;
using grid::kGap, grid::kHeaderHeight, grid::kLabelWidth, grid::kTitleHeight;
using namespace scaled;

const wchar_t* const kStyleNames[kRows] = {L"bsBevel", L"bsFramedBevel", L"bsShadedRounded", L"bsEtched",
                                           L"bsFlat",  L"bsHoverFrame",  L"bsSoftBevel",     L"bsRoundedFrame"};
const wchar_t* const kColumnNames[kColumns] = {L"rest", L"hover", L"pressed", L"oval"};
const qvButtons_H::VisualState kLooks[kColumns] = {
    {}, {.hovering = true, .pointerOver = true}, {.hovering = true, .heldDown = true, .pointerOver = true}, {}};

}  // namespace

int ScaledBlockHeight() { return kTitleHeight + kHeaderHeight + kRows * (kCellHeight + kGap) + kGap; }

void DrawScaledBlock(const Sheet& sheet, int x, int y) {
    const int width = kLabelWidth + kColumns * (kCellWidth + kGap) + kGap;
    {
        platform::ScopedSelect font(sheet.dc, sheet.titles);
        sheet.label(sheet.dc, L"200 % (192 dpi): every style at rest, hovered, pressed and as an oval",
                    RECT{x + kGap, y, x + 2 * width, y + kTitleHeight}, DT_LEFT);
    }
    platform::ScopedSelect font(sheet.dc, sheet.labels);
    const int top = y + kTitleHeight + kHeaderHeight;
    platform::Brush field(::CreateSolidBrush(kField));
    const RECT cells{x + kLabelWidth, top, x + width - kGap / 2, y + ScaledBlockHeight() - kGap / 2};
    ::FillRect(sheet.dc, &cells, field.get());
    for (int column = 0; column < kColumns; ++column) {
        const int cx = x + kLabelWidth + kGap + column * (kCellWidth + kGap);
        sheet.label(sheet.dc, kColumnNames[column], RECT{cx, y + kTitleHeight, cx + kCellWidth, top}, DT_CENTER);
    }
    for (int row = 0; row < kRows; ++row) {
        const int cy = top + kGap + row * (kCellHeight + kGap);
        sheet.label(sheet.dc, kStyleNames[row], RECT{x + kGap, cy, x + kLabelWidth, cy + kCellHeight}, DT_LEFT);
        for (int column = 0; column < kColumns; ++column) {
            qvButtons_H button;
            button.SetDpi(kDpi);
            button.SetAmbientDisplayName(L"Prova");
            button.Create(sheet.host, 0, 0, kCellWidth, kCellHeight, nullptr, false);
            if (column == 3) button.ButtonShape(buttons::ShapeOval);  // cut while drawing is on
            button.DelayDrawing(true);
            button.ButtonStyle(row);
            button.Caption(L"Prova");
            button.Font(forms::MakeFont(L"Arial", 9.75, 700));
            button.SetVisualState(kLooks[column]);
            button.DelayDrawing(false);
            sheet.copyButton(button, sheet.dc, x + kLabelWidth + kGap + column * (kCellWidth + kGap), cy);
        }
    }
}

}  // namespace contactsheet
