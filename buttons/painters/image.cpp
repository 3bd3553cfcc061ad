// Images are a later step: these seams draw and prepare nothing yet.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::DrawButtonImage(const RECT&) {}

SIZE qvButtons_H::FitImage(std::int32_t, std::int32_t) const { return SIZE{0, 0}; }

void qvButtons_H::PrepareImage(std::int32_t, std::int32_t, HRGN) {}

void qvButtons_H::DrawTransparentBitmap(HDC, const RECT&, HBITMAP, const RECT&, std::int32_t, std::int32_t) {}

}  // namespace buttons
