#include "buttons/render/back_buffer.h"

namespace buttons {

bool BackBuffer::Create(HWND window) {
    platform::WindowDC windowDC(window);
    dc_.reset(::CreateCompatibleDC(windowDC.get()));
    if (!dc_) return false;
    ::SetBkMode(dc_.get(), TRANSPARENT);
    SelectBrush(platform::Brush(::CreateSolidBrush(RGB(0, 0, 0))));
    SelectPen(platform::Pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0))));
    return true;
}

void BackBuffer::ReselectFont() noexcept {
    if (!dc_ || !font_.own) return;
    HGDIOBJ out = ::SelectObject(dc_.get(), font_.own.get());
    if (!font_.first) font_.first = out;
}

void BackBuffer::ReleaseTools() noexcept {
    Restore(brush_);
    Restore(pen_);
}

void BackBuffer::Release() noexcept {
    ReleaseTools();
    Restore(font_);
    Restore(bitmap_);
    brush_.first = pen_.first = font_.first = bitmap_.first = nullptr;
    dc_.reset();
}

HGDIOBJ BackBuffer::Own(DWORD type) const noexcept {
    switch (type) {
    case OBJ_BRUSH: return brush_.own.get();
    case OBJ_PEN: return pen_.own.get();
    case OBJ_BITMAP: return bitmap_.own.get();
    case OBJ_FONT: return font_.own.get();
    default: return nullptr;
    }
}

HGDIOBJ BackBuffer::First(DWORD type) const noexcept {
    switch (type) {
    case OBJ_BRUSH: return brush_.first;
    case OBJ_PEN: return pen_.first;
    case OBJ_BITMAP: return bitmap_.first;
    case OBJ_FONT: return font_.first;
    default: return nullptr;
    }
}

}  // namespace buttons
