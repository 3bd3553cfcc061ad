// Button images: the prepared copy of a bitmap picture with its transparent
// colour normalised, the region carving of the picture shapes, the transparent
// composite and the disabled look.
#include "buttons/painters/image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "buttons/painters/colour.h"
#include "buttons/qvbuttons_h.h"
#include "buttons/render/caption_layout.h"
#include "platform/pixel_bitmap.h"

namespace buttons {

namespace {

constexpr DWORD kAndNotSource = 0x00220326;  // DSna: destination AND NOT source
constexpr DWORD kGreyedSource = 0x00B8074A;  // ((destination XOR brush) AND source) XOR brush
constexpr COLORREF kWhiteColour = RGB(255, 255, 255);
constexpr COLORREF kGreyColour = RGB(128, 128, 128);

void SubtractRect(HRGN from, int left, int top, int right, int bottom) {
    platform::Region piece(::CreateRectRgn(left, top, right, bottom));
    ::CombineRgn(from, from, piece.get(), RGN_DIFF);
}

}  // namespace

bool NearTransparent(std::uint32_t pixel, std::uint32_t transparent) noexcept {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((pixel >> shift) & 0xFF);
        const int b = static_cast<int>((transparent >> shift) & 0xFF);
        if (std::abs(a - b) > 3) return false;
    }
    return true;
}

std::optional<TransparentBlit> PlanTransparentBlit(const RECT& target, const RECT& source, SIZE prepared,
                                                   std::int32_t w, std::int32_t h) {
    TransparentBlit plan;
    plan.sourceWidth = source.right == 0 ? prepared.cx : source.right - source.left;
    plan.sourceHeight = source.bottom == 0 ? prepared.cy : source.bottom - source.top;
    plan.areaWidth = target.right == 0 ? w : target.right - target.left;
    plan.areaHeight = target.bottom == 0 ? h : target.bottom - target.top;
    if (plan.sourceWidth <= 0 || plan.sourceHeight <= 0 || plan.areaWidth <= 0 || plan.areaHeight <= 0 || w <= 0 ||
        h <= 0)
        return std::nullopt;
    if (plan.areaWidth < w || plan.areaHeight < h) {
        const float scale = std::min(static_cast<float>(plan.areaWidth) / static_cast<float>(w),
                                     static_cast<float>(plan.areaHeight) / static_cast<float>(h));
        w = static_cast<std::int32_t>(std::nearbyint(static_cast<float>(w) * scale));
        h = static_cast<std::int32_t>(std::nearbyint(static_cast<float>(h) * scale));
        if (w <= 0 || h <= 0) return std::nullopt;
    }
    plan.width = w;
    plan.height = h;
    return plan;
}

SIZE qvButtons_H::FitImage(std::int32_t boxWidth, std::int32_t boxHeight) const {
    return FitPictureSize(PictureWidth, PictureHeight, boxWidth, boxHeight);
}

void qvButtons_H::PrepareImage(std::int32_t cx, std::int32_t cy, HRGN region) {
    if (!Picture()) return;
    DropPreparedImage();
    if (PictureKind == 1) return;  // icons are drawn from the picture every time
    const HBITMAP picture = Picture()->BitmapHandle();
    if (!picture || cx <= 0 || cy <= 0) return;

    // The scaled copy, as 32-bit pixels the scan below reads and writes in place.
    std::uint32_t* pixels = nullptr;
    platform::Bitmap copy = platform::CreatePixelBitmap(cx, cy, &pixels);
    if (!copy || !pixels) return;
    {
        platform::WindowDC window(hWnd());
        platform::MemoryDC from(::CreateCompatibleDC(window.get()));
        platform::MemoryDC to(::CreateCompatibleDC(window.get()));
        if (!from || !to) return;
        platform::ScopedSelect selectFrom(from.get(), picture);
        platform::ScopedSelect selectTo(to.get(), copy.get());
        BITMAP bm{};
        ::GetObjectW(picture, sizeof bm, &bm);
        // At a finer DPI the picture grows with the button: filtered, not blocky. At 96
        // dpi it keeps the plain pixels its transparent colour is found by.
        if (Dpi() == 96) {
            ::SetStretchBltMode(to.get(), COLORONCOLOR);
        } else {
            ::SetStretchBltMode(to.get(), HALFTONE);
            ::SetBrushOrgEx(to.get(), 0, 0, nullptr);
        }
        ::StretchBlt(to.get(), 0, 0, cx, cy, from.get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        ::GdiFlush();
    }

    // Only red, green and blue count: a decoded picture may fill the fourth byte,
    // which the composite's colour comparisons would otherwise see.
    const std::uint32_t transparent = pixels[0] & 0xFFFFFFu;
    if (region) {
        const std::int32_t sw = ScaleWidthPixels(), sh = ScaleHeightPixels();
        OuterEdgeRegion.reset(::CreateRectRgn(0, 0, sw, sh));
        InnerEdgeRegion.reset(::CreateRectRgn(0, 0, sw, sh));
    }
    for (std::int32_t y = 0; y < cy; ++y) {
        std::uint32_t* row = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(cx);
        std::int32_t runStart = -1;
        for (std::int32_t x = 0; x <= cx; ++x) {
            if (x < cx) row[x] &= 0xFFFFFFu;
            if (x < cx && NearTransparent(row[x], transparent)) {
                row[x] = transparent;
                if (runStart < 0) runStart = x;
                continue;
            }
            if (runStart < 0) continue;
            if (region) {
                // The run leaves the window region; the edge regions lose it grown
                // by one and by two pixels, so they lie one and two pixels inside.
                SubtractRect(region, runStart, y, x, y + 1);
                SubtractRect(OuterEdgeRegion.get(), runStart - 1, y - 1, x + 1, y + 2);
                SubtractRect(InnerEdgeRegion.get(), runStart - 2, y - 2, x + 2, y + 3);
            }
            runStart = -1;
        }
    }
    PreparedImage = std::move(copy);
    PreparedWidth = cx;
    PreparedHeight = cy;
}

void qvButtons_H::DrawTransparentBitmap(HDC target, const RECT& targetRect, HBITMAP source, const RECT& sourceRect,
                                        std::int32_t w, std::int32_t h) {
    if (!target || !source) return;
    const std::optional<TransparentBlit> plan =
        PlanTransparentBlit(targetRect, sourceRect, SIZE{PreparedWidth, PreparedHeight}, w, h);
    if (!plan) return;
    if (!PreparedComposite.Holds(source, plan->sourceWidth, plan->sourceHeight) &&
        !PreparedComposite.Build(target, source, plan->sourceWidth, plan->sourceHeight))
        return;
    // Holes where the image is opaque, then the image into them, at the top-left
    // of the target area.
    const COLORREF oldBack = ::SetBkColor(target, kWhiteColour);
    const COLORREF oldText = ::SetTextColor(target, RGB(0, 0, 0));
    const int oldMode = ::SetStretchBltMode(target, COLORONCOLOR);
    ::StretchBlt(target, targetRect.left, targetRect.top, plan->width, plan->height, PreparedComposite.Mask(), 0, 0,
                 plan->sourceWidth, plan->sourceHeight, SRCAND);
    ::StretchBlt(target, targetRect.left, targetRect.top, plan->width, plan->height, PreparedComposite.Colours(), 0,
                 0, plan->sourceWidth, plan->sourceHeight, SRCPAINT);
    ::SetStretchBltMode(target, oldMode);
    ::SetTextColor(target, oldText);
    ::SetBkColor(target, oldBack);
}

bool TransparentComposite::Build(HDC like, HBITMAP source, std::int32_t width, std::int32_t height) {
    Reset();
    platform::MemoryDC sourceDC(::CreateCompatibleDC(like));
    maskDC_.reset(::CreateCompatibleDC(like));
    coloursDC_.reset(::CreateCompatibleDC(like));
    mask_.reset(::CreateBitmap(width, height, 1, 1, nullptr));
    colours_.reset(::CreateCompatibleBitmap(like, width, height));
    if (!sourceDC || !maskDC_ || !coloursDC_ || !mask_ || !colours_) {
        Reset();
        return false;
    }
    maskDCOwn_ = ::SelectObject(maskDC_.get(), mask_.get());
    coloursDCOwn_ = ::SelectObject(coloursDC_.get(), colours_.get());
    platform::ScopedSelect selectSource(sourceDC.get(), source);
    const auto transparent =
        static_cast<COLORREF>(ResolveSystemColor(static_cast<std::int32_t>(::GetPixel(sourceDC.get(), 0, 0))));
    HDC colours = coloursDC_.get();
    ::BitBlt(colours, 0, 0, width, height, sourceDC.get(), 0, 0, SRCCOPY);
    ::SetBkColor(colours, transparent);
    ::BitBlt(maskDC_.get(), 0, 0, width, height, colours, 0, 0, SRCCOPY);  // 1 where the colour is transparent
    ::SetBkColor(colours, kWhiteColour);
    ::SetTextColor(colours, RGB(0, 0, 0));
    ::BitBlt(colours, 0, 0, width, height, maskDC_.get(), 0, 0, kAndNotSource);
    source_ = source;
    width_ = width;
    height_ = height;
    return true;
}

void TransparentComposite::Reset() noexcept {
    if (maskDCOwn_) ::SelectObject(maskDC_.get(), maskDCOwn_);
    if (coloursDCOwn_) ::SelectObject(coloursDC_.get(), coloursDCOwn_);
    maskDCOwn_ = coloursDCOwn_ = nullptr;
    mask_.reset();
    colours_.reset();
    maskDC_.reset();
    coloursDC_.reset();
    source_ = nullptr;
    width_ = height_ = 0;
}

void qvButtons_H::DropPreparedImage() {
    PreparedComposite.Reset();
    PreparedImage.reset();
}

void qvButtons_H::DrawButtonImage(const RECT& imageRect) {
    if (PictureWidth + PictureHeight == 0 || !Picture()) return;
    if (!PreparedImage)
        PrepareImage(imageRect.right - imageRect.left, imageRect.bottom - imageRect.top, nullptr);
    RECT at = imageRect;
    if (ButtonShape() == ShapeCustom || ButtonShape() == ShapeCustom3D) {
        at = RECT{0, 0, ScaleWidthPixels(), ScaleHeightPixels()};
        if ((InputFlags & HeldDown) && (InputFlags & PointerOver)) ::InflateRect(&at, -1, -1);
    }
    const std::int32_t w = at.right - at.left;
    const std::int32_t h = at.bottom - at.top;
    HDC back = backBuffer_.dc();
    if (w <= 0 || h <= 0 || !back) return;

    const auto drawAt = [&](HDC dc, const RECT& r) {
        if (PictureKind == 1)
            ::DrawIconEx(dc, r.left, r.top, Picture()->IconHandle(), w, h, 0, nullptr, DI_NORMAL);
        else
            DrawTransparentBitmap(dc, r, PreparedImage.get(), RECT{}, w, h);
    };
    if (Enabled()) {
        drawAt(back, at);
        return;
    }
    // Disabled: the image drawn on white, then greyed onto the face: white keeps the
    // face, black becomes grey, other colours mix bit by bit.
    platform::MemoryDC temp(::CreateCompatibleDC(back));
    platform::Bitmap image(::CreateCompatibleBitmap(back, w, h));
    if (!temp || !image) return;
    platform::ScopedSelect selectImage(temp.get(), image.get());
    const RECT whole{0, 0, w, h};
    ::FillRect(temp.get(), &whole, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    drawAt(temp.get(), whole);
    platform::Brush grey(::CreateSolidBrush(kGreyColour));
    const COLORREF oldBack = ::SetBkColor(back, kWhiteColour);
    {
        platform::ScopedSelect selectGrey(back, grey.get());
        ::BitBlt(back, at.left, at.top, w, h, temp.get(), 0, 0, kGreyedSource);
    }
    ::SetBkColor(back, oldBack);
}

}  // namespace buttons
