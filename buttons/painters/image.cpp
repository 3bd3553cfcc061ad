// Images are a later step: these seams draw and prepare nothing yet, except the
// fitting rule, which the caption layout shares.
#include "buttons/qvbuttons_h.h"
#include "buttons/render/caption_layout.h"

namespace buttons {

void qvButtons_H::DrawButtonImage(const RECT&) {}

SIZE qvButtons_H::FitImage(std::int32_t boxWidth, std::int32_t boxHeight) const {
    return FitPictureSize(PictureWidth, PictureHeight, boxWidth, boxHeight);
}

void qvButtons_H::PrepareImage(std::int32_t, std::int32_t, HRGN) {}

void qvButtons_H::DrawTransparentBitmap(HDC, const RECT&, HBITMAP, const RECT&, std::int32_t, std::int32_t) {}

}  // namespace buttons
