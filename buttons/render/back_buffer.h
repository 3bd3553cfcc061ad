// The control's off-screen drawing surface: a memory DC with the bitmap, brush, pen
// and caption font selected into it. Each object it selects replaces (and deletes)
// the one it selected before; the objects the DC held first are selected back
// before the own ones are deleted, at the latest in the destructor.
#pragma once

#include <windows.h>

#include "platform/handles.h"

namespace buttons {

class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer() { Release(); }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // A DC compatible with the window's, drawing text without filling its
    // background, with a black brush and pen selected. False when no DC was made.
    bool Create(HWND window);
    explicit operator bool() const noexcept { return static_cast<bool>(dc_); }
    HDC dc() const noexcept { return dc_.get(); }

    void SelectBrush(platform::Brush brush) { Select(brush_, std::move(brush)); }
    void SelectPen(platform::Pen pen) { Select(pen_, std::move(pen)); }
    void SelectBitmap(platform::Bitmap bitmap) { Select(bitmap_, std::move(bitmap)); }
    void SelectFont(platform::Font font) { Select(font_, std::move(font)); }
    bool HasBitmap() const noexcept { return static_cast<bool>(bitmap_.own); }
    // The DC's own brush or pen (DC_BRUSH, DC_PEN) in `colour`: no object is made, and
    // the one this buffer had selected is deleted.
    void UseDCBrush(COLORREF colour) { UseStock(brush_, DC_BRUSH, colour); }
    void UseDCPen(COLORREF colour) { UseStock(pen_, DC_PEN, colour); }
    // The caption font this buffer holds selected again (a DC made after it was chosen).
    void ReselectFont() noexcept;

    // The first brush and pen back; the own ones deleted.
    void ReleaseTools() noexcept;
    // The first bitmap back; the own one deleted.
    void DropBitmap() noexcept { Restore(bitmap_); }
    // Everything selected back and deleted, then the DC itself.
    void Release() noexcept;

    // The object of a type (OBJ_BRUSH, OBJ_PEN, OBJ_BITMAP, OBJ_FONT) this buffer
    // selected, and the one the DC held before; nullptr where there is none.
    HGDIOBJ Own(DWORD type) const noexcept;
    HGDIOBJ First(DWORD type) const noexcept;

private:
    template <typename Owner>
    struct Slot {
        HGDIOBJ first = nullptr;
        Owner own;
    };

    template <typename Owner>
    void Select(Slot<Owner>& slot, Owner object) {
        HGDIOBJ out = dc_ ? ::SelectObject(dc_.get(), object.get()) : nullptr;
        if (!slot.first) slot.first = out;
        slot.own = std::move(object);  // deletes the object that came out
    }

    template <typename Owner>
    void UseStock(Slot<Owner>& slot, int stock, COLORREF colour) {
        if (!dc_) return;
        HGDIOBJ out = ::SelectObject(dc_.get(), ::GetStockObject(stock));
        if (!slot.first) slot.first = out;
        slot.own.reset();  // the object that came out, if this buffer made it
        if (stock == DC_BRUSH) ::SetDCBrushColor(dc_.get(), colour);
        else ::SetDCPenColor(dc_.get(), colour);
    }

    template <typename Owner>
    void Restore(Slot<Owner>& slot) noexcept {
        if (dc_ && slot.first) ::SelectObject(dc_.get(), slot.first);
        slot.own.reset();
    }

    platform::MemoryDC dc_;
    Slot<platform::Brush> brush_;
    Slot<platform::Pen> pen_;
    Slot<platform::Bitmap> bitmap_;
    Slot<platform::Font> font_;
};

}  // namespace buttons
