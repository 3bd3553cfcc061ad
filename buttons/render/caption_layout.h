// Where a button's caption and image go: pure geometry from the shape, the size,
// the alignments and the measured caption, and the small text rules the caption
// drawing follows.
#pragma once

#include <windows.h>

#include <cstdint>

#include "buttons/button_enums.h"
#include <string>
#include <string_view>

namespace buttons {

// What the layout reads from the control.
struct ContentInputs {
    int32_t shape = 0;  // ButtonShape
    int32_t flatLeft = 0;
    int32_t flatRight = 0;
    int32_t width = 0;  // scale width and height in pixels
    int32_t height = 0;
    int32_t captionAlign = 2;
    int32_t captionStyle = 0;
    int32_t pictureAlign = 0;
    int32_t imagePixels = 16;  // S: 16, 24, 32, 40 or 48
    int32_t pictureWidth = 0;  // both 0 without a picture
    int32_t pictureHeight = 0;
    bool hasCaption = false;
    int32_t dpi = 96;  // the control's

    bool hasPicture() const { return pictureWidth + pictureHeight > 0; }
    // The side of an image of 32 pixels or less on the screen: S at 96 dpi, S x dpi / 96
    // (a half up) at others; 40 and 48 fill the face whatever the DPI.
    int32_t imageSide() const { return (imagePixels * dpi + 48) / 96; }
};

// The part of the face the caption and image are laid out in: left edge, width and
// right bound, by shape.
struct ContentArea {
    int32_t left = 0;
    int32_t width = 0;
    int32_t right = 0;
};
ContentArea ContentAreaFor(const ContentInputs& in);

// Room kept for an image of 32 pixels or less (its side) beside, above or below the caption.
struct ImageReserves {
    int32_t left = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t bottom = 0;
};
ImageReserves ImageReservesFor(const ContentInputs& in);

// The rectangle (0, 0, width, height) the caption is measured in, with word breaks.
SIZE CaptionMeasureBox(const ContentInputs& in);

struct ContentLayout {
    RECT caption{};
    RECT image{};
    bool rebuildImage = false;  // the image is stretched or fitted: prepare it at this size
};

// Places caption and image. textWidth and textHeight are the caption's measured size
// (0 and 0 for an empty caption), as the measuring call returned them.
ContentLayout LayoutContent(const ContentInputs& in, int32_t textWidth, int32_t textHeight);

// The largest size of a pictureWidth x pictureHeight picture with its aspect ratio
// kept that fits a boxWidth x boxHeight box (enlarging too), halves to even.
SIZE FitPictureSize(int32_t pictureWidth, int32_t pictureHeight, int32_t boxWidth, int32_t boxHeight);

// The caption as drawn: every "||" becomes a line break.
std::wstring CaptionDrawText(std::wstring_view caption);

// DrawText format of the caption: word breaks plus the alignment of CaptionAlign.
UINT CaptionFormat(int32_t captionAlign);

}  // namespace buttons
