// contactsheet OUT.bmp: renders every button style in every state into one 24-bit
// bitmap, so a person can review the look at a glance. Four blocks: the default
// colours and the system's own colours, each without and with a gradient; in each
// block one row per style and one column per state. Below them the picture block,
// below that the same rows and columns in the high-contrast look, and last every
// style at 200 % (192 dpi).
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "buttons/qvbuttons_h.h"
#include "forms/font_object.h"
#include "forms/window_base.h"
#include "platform/bmp_file.h"
#include "platform/handles.h"
#include "platform/high_contrast.h"
#include "tools/contactsheet/picture_block.h"
#include "tools/contactsheet/scaled_block.h"

namespace {

using buttons::qvButtons_H;

using namespace contactsheet::grid;

constexpr int kCellHeight = 32;
constexpr int kColumns = 7;
constexpr int kRows = 8;
constexpr int kBlockWidth = kLabelWidth + kColumns * (kCellWidth + kGap) + kGap;
constexpr int kBlockHeight = kTitleHeight + kHeaderHeight + kRows * (kCellHeight + kGap) + kGap;

const wchar_t* const kStyleNames[kRows] = {L"bsBevel", L"bsFramedBevel", L"bsShadedRounded", L"bsEtched",
                                           L"bsFlat", L"bsHoverFrame", L"bsSoftBevel", L"bsRoundedFrame"};

struct State {
    const wchar_t* name;
    std::int32_t mode;
    bool value;
    bool enabled;
    qvButtons_H::VisualState look;
};
const State kStates[kColumns] = {
    {L"rest", 0, false, true, {}},
    {L"hover", 0, false, true, {.hovering = true, .pointerOver = true}},
    {L"pressed", 0, false, true, {.hovering = true, .heldDown = true, .pointerOver = true}},
    {L"default outline", 0, false, true, {.defaultOutline = true}},
    {L"checked box", 1, true, true, {}},
    {L"disabled", 0, false, false, {}},
    {L"disabled box", 1, false, false, {}},
};

struct Block {
    const wchar_t* title;
    bool systemColours;  // the colours of the system's own buttons
    bool gradient;
    bool highContrast = false;
};
const Block kBlocks[5] = {
    {L"Default colours, no gradient", false, false},
    {L"Default colours, gradient to the default GradientColor (bottom to top)", false, true},
    {L"System's own colours, no gradient", true, false},
    {L"System's own colours, gradient to white (bottom to top)", true, true},
    {L"High contrast: the system's own colours with a gradient, drawn in system colours only", true, true, true},
};

// A plain hidden window for the buttons to live in.
class Host : public forms::WindowBase {
public:
    Host() {
        RegisterClassOnce(L"ContactSheetHost", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        CreateFor(L"ContactSheetHost", L"Contact sheet", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 0, 400, 200,
                  nullptr);
    }
};

// A new instance keeps its default colours; the system's own buttons get the
// colours they are stored with.
void Configure(qvButtons_H& b, std::int32_t style, const Block& block, const State& state) {
    b.DelayDrawing(true);
    b.ButtonStyle(style);
    b.Font(forms::MakeFont(L"Arial", 9.75, 700));
    if (block.systemColours) {
        b.HoverColorLocks(3);
        b.BackColor(buttons::kButtonFace);
        b.ForeColor(0x00A86814);
        b.HoverForeColor(0x00FFFFFF);
        b.HoverBackColor(0x0082551B);
        b.GradientColor(0x00FFFFFF);
    }
    b.GradientMode(block.gradient ? 4 : 0);
    b.Mode(state.mode);
    b.Value(state.value);
    b.Enabled(state.enabled);
    b.SetVisualState(state.look);
    b.DelayDrawing(false);
}

// Copies the button's back buffer to (x, y) of the sheet, inside its window region.
void CopyButton(qvButtons_H& b, HDC sheet, int x, int y) {
    platform::Region region(::CreateRectRgn(0, 0, 0, 0));
    const bool shaped = ::GetWindowRgn(b.hWnd(), region.get()) != ERROR;
    if (shaped) {
        ::OffsetRgn(region.get(), x, y);
        ::SelectClipRgn(sheet, region.get());
    }
    ::BitBlt(sheet, x, y, b.ScaleWidthPixels(), b.ScaleHeightPixels(), b.Buffer().dc(), 0, 0, SRCCOPY);
    ::SelectClipRgn(sheet, nullptr);
}

void Label(HDC dc, const wchar_t* text, RECT at, UINT format) {
    ::DrawTextW(dc, text, -1, &at, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

int Run(const std::wstring& outPath) {
    const int width = 2 * kBlockWidth;
    const int height = 3 * kBlockHeight + contactsheet::PictureBlockHeight() + contactsheet::ScaledBlockHeight();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::WindowDC screen(nullptr);
    platform::Bitmap sheet(::CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    platform::MemoryDC dc(::CreateCompatibleDC(screen.get()));
    if (!sheet || !dc) {
        std::fprintf(stderr, "contactsheet: cannot create the sheet bitmap\n");
        return 1;
    }
    platform::ScopedSelect selectSheet(dc.get(), sheet.get());
    platform::Brush paper(::CreateSolidBrush(0xFFFFFF));
    RECT all{0, 0, width, height};
    ::FillRect(dc.get(), &all, paper.get());
    platform::Brush container(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    platform::Font labels(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    platform::Font titles(::CreateFontW(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::SetTextColor(dc.get(), 0);

    Host host;
    for (int block = 0; block < 5; ++block) {
        const int bx = (block % 2) * kBlockWidth;
        const int by = block < 4 ? (block / 2) * kBlockHeight : 2 * kBlockHeight + contactsheet::PictureBlockHeight();
        platform::ForceHighContrast(kBlocks[block].highContrast);
        {
            platform::ScopedSelect font(dc.get(), titles.get());
            Label(dc.get(), kBlocks[block].title, RECT{bx + kGap, by, bx + kBlockWidth, by + kTitleHeight}, DT_LEFT);
        }
        platform::ScopedSelect font(dc.get(), labels.get());
        RECT field{bx + kLabelWidth, by + kTitleHeight + kHeaderHeight, bx + kBlockWidth - kGap / 2,
                   by + kBlockHeight - kGap / 2};
        ::FillRect(dc.get(), &field, kBlocks[block].highContrast ? ::GetSysColorBrush(COLOR_WINDOW) : container.get());
        for (int column = 0; column < kColumns; ++column) {
            const int x = bx + kLabelWidth + kGap + column * (kCellWidth + kGap);
            Label(dc.get(), kStates[column].name,
                  RECT{x - kGap / 2, by + kTitleHeight, x + kCellWidth + kGap / 2, by + kTitleHeight + kHeaderHeight},
                  DT_CENTER);
        }
        for (int row = 0; row < kRows; ++row) {
            const int y = by + kTitleHeight + kHeaderHeight + kGap + row * (kCellHeight + kGap);
            Label(dc.get(), kStyleNames[row], RECT{bx + kGap, y, bx + kLabelWidth, y + kCellHeight}, DT_LEFT);
            for (int column = 0; column < kColumns; ++column) {
                qvButtons_H button;
                button.SetAmbientDisplayName(L"Prova");
                button.Create(host.hwnd(), 0, 0, kCellWidth, kCellHeight, nullptr, false);
                Configure(button, row, kBlocks[block], kStates[column]);
                CopyButton(button, dc.get(), bx + kLabelWidth + kGap + column * (kCellWidth + kGap), y);
            }
        }
    }
    platform::ForceHighContrast(false);
    const contactsheet::Sheet drawing{dc.get(), host.hwnd(), titles.get(), labels.get(), CopyButton, Label};
    contactsheet::DrawPictureBlock(drawing, 0, 2 * kBlockHeight);
    contactsheet::DrawScaledBlock(drawing, 0, 3 * kBlockHeight + contactsheet::PictureBlockHeight());
    ::GdiFlush();
    if (!platform::WriteBmp24(dc.get(), 0, 0, width, height, outPath)) {
        std::fprintf(stderr, "contactsheet: cannot write %ls\n", outPath.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!argv || argc != 2) {
        std::fprintf(stderr, "usage: contactsheet OUT.bmp\n");
        return 2;
    }
    const std::wstring out = argv[1];
    ::LocalFree(argv);
    try {
        return Run(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contactsheet: %s\n", e.what());
        return 1;
    }
}
