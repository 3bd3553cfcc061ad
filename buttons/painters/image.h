// The decisions behind drawing a button image: which pixels count as the
// transparent colour, and the sizes a transparent composite works with.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/handles.h"

namespace buttons {

// True when the red, green and blue of `pixel` each differ from those of
// `transparent` by at most 3. Only the three low bytes are compared, so both
// COLORREF values and 32-bit DIB pixels (0x00RRGGBB) can be given.
bool NearTransparent(std::uint32_t pixel, std::uint32_t transparent) noexcept;

// The sizes of one transparent composite.
struct TransparentBlit {
    std::int32_t sourceWidth = 0;   // of the source bitmap's rectangle
    std::int32_t sourceHeight = 0;
    std::int32_t areaWidth = 0;     // of the target area copied out and back
    std::int32_t areaHeight = 0;
    std::int32_t width = 0;         // the image drawn at the area's top-left
    std::int32_t height = 0;
};

// A rectangle whose right (bottom) is 0 means "the whole": the prepared size for
// the source, w (h) for the target. An image larger than the target area shrinks
// with its aspect ratio kept (single precision, halves to even). nullopt when any
// size is 0 or less: there is nothing to draw and nothing is divided by zero.
std::optional<TransparentBlit> PlanTransparentBlit(const RECT& target, const RECT& source, SIZE prepared,
                                                   std::int32_t w, std::int32_t h);

// The two images a transparent composite of one source bitmap needs: a one-bit
// mask, 1 where the source shows its top-left colour, and a colour copy with those
// pixels black. Both are kept selected into surfaces of their own, so a composite
// of the same source is two block transfers; Build makes them anew for another
// source or size.
class TransparentComposite {
public:
    TransparentComposite() = default;
    ~TransparentComposite() { Reset(); }
    TransparentComposite(const TransparentComposite&) = delete;
    TransparentComposite& operator=(const TransparentComposite&) = delete;

    bool Holds(HBITMAP source, std::int32_t width, std::int32_t height) const noexcept {
        return source_ && source_ == source && width_ == width && height_ == height;
    }
    // From the top-left width x height of `source`; `like` gives the colour format.
    // False (and nothing kept) when a surface or image cannot be made.
    bool Build(HDC like, HBITMAP source, std::int32_t width, std::int32_t height);
    // Puts the surfaces' own images back and releases everything.
    void Reset() noexcept;
    HDC Mask() const noexcept { return maskDC_.get(); }
    HDC Colours() const noexcept { return coloursDC_.get(); }

private:
    platform::MemoryDC maskDC_;
    platform::MemoryDC coloursDC_;
    platform::Bitmap mask_;
    platform::Bitmap colours_;
    HGDIOBJ maskDCOwn_ = nullptr;
    HGDIOBJ coloursDCOwn_ = nullptr;
    HBITMAP source_ = nullptr;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

}  // namespace buttons
