// Placeholder pipeline: fills the face and presents it, so the control runs end to
// end until the real pipeline replaces these bodies.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::RedrawButton() {
    if (DelayDrawingFlag()) return;
    PainterPoints points{};
    BorderColors colors{};
    FaceState faceState = 0;
    PaintResult result = 0;
    switch (ButtonStyle()) {
    case bsBevel: PaintBevel(points, colors, faceState, result); break;
    case bsFramedBevel: PaintFramedBevel(points, colors, faceState, result); break;
    case bsShadedRounded: PaintShadedRounded(points, colors, faceState, result); break;
    case bsEtched: PaintEtched(points, colors, faceState, result); break;
    case bsFlat: PaintFlat(points, colors, faceState, result); break;
    case bsHoverFrame: PaintHoverFrame(points, colors, faceState, result); break;
    case bsSoftBevel: PaintSoftBevel(points, colors, faceState, result); break;
    case bsRoundedFrame: PaintRoundedFrame(points, colors, faceState, result); break;
    default: break;
    }
    if (result == 0) return;
    PresentBackBuffer();
    UserControl::Refresh();
}

void qvButtons_H::PrepareBackBuffer() {
    if (!BackBufferDC) {
        platform::WindowDC windowDC(hWnd());
        BackBufferDC.reset(::CreateCompatibleDC(windowDC.get()));
    }
    if (!InitialBitmap && BackBufferDC) {
        platform::WindowDC windowDC(hWnd());
        BackBufferBitmap.reset(::CreateCompatibleBitmap(windowDC.get(), ScaleWidthPixels(), ScaleHeightPixels()));
        InitialBitmap = ::SelectObject(BackBufferDC.get(), BackBufferBitmap.get());
    }
}

void qvButtons_H::PresentBackBuffer() {
    ::BitBlt(hDC(), 0, 0, ScaleWidthPixels(), ScaleHeightPixels(), BackBufferDC.get(), 0, 0, SRCCOPY);
}

void qvButtons_H::DrawRectangle(HDC dc, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                                std::int32_t fill, std::int32_t, std::int32_t, std::int32_t) {
    platform::Brush brush(::CreateSolidBrush(static_cast<COLORREF>(fill)));
    RECT rect{left, top, right, bottom};
    ::FillRect(dc, &rect, brush.get());
}

void qvButtons_H::SetDrawingTool(std::int32_t, std::int32_t, bool, std::int32_t, std::int32_t, HDC) {}

void qvButtons_H::ReleaseDrawingTools() {}

std::int32_t qvButtons_H::ResolveColor(std::int32_t color) {
    return color < 0 ? static_cast<std::int32_t>(::GetSysColor(color & 0xFF)) : color;
}

void qvButtons_H::FillButtonFace(std::int32_t& faceColor, FaceState&, PaintResult& edgeResult, std::int32_t&,
                                 std::int32_t&) {
    edgeResult = 1;
    DrawRectangle(BackBufferDC.get(), 0, 0, ScaleWidthPixels(), ScaleHeightPixels(), faceColor);
}

void qvButtons_H::DropBackBufferBitmap() {
    if (BackBufferDC && InitialBitmap) ::SelectObject(BackBufferDC.get(), InitialBitmap);
    BackBufferBitmap.reset();
    InitialBitmap = nullptr;
}

void qvButtons_H::ReleaseBackBuffer() {
    DropBackBufferBitmap();
    BackBufferDC.reset();
}

}  // namespace buttons
