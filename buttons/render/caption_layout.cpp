#include "buttons/render/caption_layout.h"

#include "buttons/qvbuttons_h.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace buttons {

ContentArea ContentAreaFor(const ContentInputs& in) {
    const int32_t d = in.flatLeft;
    const int32_t fr = in.flatRight;
    const int32_t sw = in.width;
    ContentArea a;
    switch (in.shape) {
    case ShapeSlantLeft:
        a.left = d - d / 3 + 3;
        a.width = sw - a.left;
        a.right = sw;
        break;
    case ShapeSlantRight:
        a.left = 0;
        a.right = (sw - fr) / 3 + fr;
        a.width = a.right;
        break;
    case ShapeSlantBoth:
        a.left = d - d / 3 + 3;
        a.right = (sw - fr) / 3 + fr;
        a.width = a.right - a.left;
        break;
    case ShapeCustom:
    case ShapeCustom3D:
        a.left = 3;
        a.width = fr - 3;
        a.right = fr - 3;
        break;
    default:
        a.left = 0;
        a.width = fr;
        a.right = sw;
        break;
    }
    return a;
}

ImageReserves ImageReservesFor(const ContentInputs& in) {
    ImageReserves r;
    const int32_t s = in.imageSide();
    if (!in.hasPicture() || in.imagePixels >= 33) return r;
    switch (in.pictureAlign) {
    case paLeftEdge: case paLeftOfCaption: r.left = s; break;
    case paRightEdge: case paRightOfCaption: r.right = s; break;
    case paTopCenter: r.top = s; break;
    case paBottomCenter: r.bottom = s; break;
    default: break;
    }
    return r;
}

SIZE CaptionMeasureBox(const ContentInputs& in) {
    const ContentArea a = ContentAreaFor(in);
    const ImageReserves r = ImageReservesFor(in);
    const int32_t s = in.imageSide();
    const bool sideReserve = r.left != 0 || r.right != 0;
    const bool stackedReserve = (in.pictureAlign == 4 || in.pictureAlign == 5) && (r.top != 0 || r.bottom != 0);
    return SIZE{a.width - (sideReserve ? s : 0) - 8, in.height - 8 - (stackedReserve ? s : 0)};
}

namespace {

void Move(RECT& r, int32_t dx, int32_t dy) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

void Clamp(RECT& r, int32_t left, int32_t right, int32_t bottom) {
    r.top = std::max<LONG>(r.top, 4);
    r.left = std::max<LONG>(r.left, left);
    r.right = std::min<LONG>(r.right, right);
    r.bottom = std::min<LONG>(r.bottom, bottom);
}

}  // namespace

namespace {

// The caption's box (tw x th) at the top of the button, moved across to its alignment.
RECT CaptionAcross(const ContentInputs& in, const ContentArea& a, const ImageReserves& rs, int32_t tw, int32_t th) {
    const int32_t L = a.left, W = a.width, R = a.right;
    RECT cr{0, 0, tw, th};
    int32_t c = 0;
    switch (in.captionAlign) {
    case CaptionLeft:
        c = L + rs.left + 4 + (rs.left >= 1 ? 4 : 0);
        break;
    case CaptionRight:
        c = R - rs.right - tw - 4 - (rs.right >= 1 ? 4 : 0);
        break;
    case CaptionCenter:
        if (rs.left > 0 && in.pictureAlign == paLeftOfCaption)
            c = L + (W - (tw + rs.left + 4)) / 2 + rs.left + 4;
        else if (rs.right > 0 && in.pictureAlign == paRightOfCaption)
            c = L + (W - (tw + rs.right + 4)) / 2;
        else
            c = rs.left + L + (W - rs.left - rs.right - tw) / 2;
        break;
    default:
        return cr;
    }
    Move(cr, c, 0);
    return cr;
}

// The picture's box beside, above or below the caption (th high), which moves down to
// its place; without a picture the caption is centred vertically and the box is empty.
RECT PlaceImage(const ContentInputs& in, const ContentArea& a, const ImageReserves& rs, int32_t th, RECT& cr) {
    const int32_t L = a.left, W = a.width, innerRight = a.right - 4;
    const int32_t sh = in.height, s = in.imageSide();
    RECT ir{};
    if (!in.hasPicture()) {
        Move(cr, 0, (sh - th) / 2);
        return ir;
    }
    switch (in.pictureAlign) {
    case paLeftEdge:
        ir.left = L + 4;
        break;
    case paLeftOfCaption:
        ir.left = in.hasCaption ? cr.left - rs.left - 4 : L + 4;
        break;
    case paRightEdge:
        ir.left = innerRight - rs.right;
        break;
    case paRightOfCaption:
        ir.left = in.hasCaption ? cr.right + 4 : innerRight - rs.right;
        break;
    case paTopCenter: {
        const int32_t v = (sh - (th + rs.top)) / 2;
        ir.top = v;
        Move(cr, 0, v + rs.top + 2);
        break;
    }
    case paBottomCenter: {
        const int32_t dy = (sh - (th + rs.bottom)) / 2;
        ir.top = th + dy + 4;
        Move(cr, 0, dy + 2);
        break;
    }
    default:
        break;
    }
    if (in.pictureAlign == paTopCenter || in.pictureAlign == paBottomCenter) {
        ir.left = L + (W - s) / 2;
    } else if (in.pictureAlign >= paLeftEdge && in.pictureAlign <= paRightOfCaption) {
        Move(cr, 0, (sh - th) / 2);
        ir.top = (sh - s) / 2;
    }
    ir.right = ir.left + s;
    ir.bottom = ir.top + s;
    return ir;
}

// The picture's box as its size draws it: clamped inside the button up to 32
// pixels, the whole face for the sizes that fill it, the fitted picture at 48.
RECT ImageBoxForSize(const ContentInputs& in, const ContentArea& a, RECT ir, bool& rebuildImage) {
    const int32_t L = a.left, W = a.width;
    const int32_t sh = in.height, sw = in.width, s = in.imagePixels;
    if (s <= 32) {
        Clamp(ir, L + 4, a.right - 4, sh - 5);
    } else if (s == 40) {
        ir = in.shape == ShapeOvalFlat ? RECT{1, 1, sw - 1, sh - 1} : RECT{3, 3, sw - 3, sh - 3};
        rebuildImage = true;
    } else if (s == 48 && (in.shape == ShapeCustom || in.shape == ShapeCustom3D)) {
        ir = RECT{0, 0, sw, sh};
    } else if (s == 48 && in.hasPicture()) {
        const SIZE fit = FitPictureSize(in.pictureWidth, in.pictureHeight, W - 12, sh - 12);
        ir.left = L + (W - fit.cx) / 2;
        ir.top = (sh - fit.cy) / 2;
        ir.right = ir.left + fit.cx;
        ir.bottom = ir.top + fit.cy;
        rebuildImage = true;
    }
    return ir;
}

}  // namespace

ContentLayout LayoutContent(const ContentInputs& in, int32_t textWidth, int32_t textHeight) {
    const ContentArea a = ContentAreaFor(in);
    const ImageReserves rs = ImageReservesFor(in);
    int32_t tw = 0, th = 0;
    RECT cr{};
    if (in.hasCaption) {
        // A caption with an effect (raised, sunk, ...) is two pixels larger each way.
        const int32_t effect = in.captionStyle != CaptionFlat ? 2 : 0;
        tw = textWidth + effect;
        th = textHeight + effect;
        cr = CaptionAcross(in, a, rs, tw, th);
    }
    const RECT ir = PlaceImage(in, a, rs, th, cr);

    ContentLayout out;
    Clamp(cr, a.left + 4, a.right - 4, in.height - 5);
    out.caption = cr;
    out.image = ImageBoxForSize(in, a, ir, out.rebuildImage);
    return out;
}

SIZE FitPictureSize(int32_t pictureWidth, int32_t pictureHeight, int32_t boxWidth, int32_t boxHeight) {
    // A side of 0 sets no limit (and stays 0); without any size there is nothing to fit.
    if (pictureWidth <= 0 && pictureHeight <= 0) return SIZE{0, 0};
    boxWidth = std::max(boxWidth, 0);  // a box smaller than nothing holds nothing
    boxHeight = std::max(boxHeight, 0);
    constexpr double unlimited = std::numeric_limits<double>::infinity();
    const double r = std::min(pictureWidth > 0 ? static_cast<double>(boxWidth) / pictureWidth : unlimited,
                              pictureHeight > 0 ? static_cast<double>(boxHeight) / pictureHeight : unlimited);
    // nearbyint rounds halves to even in the default rounding mode.
    return SIZE{static_cast<LONG>(std::nearbyint(pictureWidth * r)),
                static_cast<LONG>(std::nearbyint(pictureHeight * r))};
}

std::wstring CaptionDrawText(std::wstring_view caption) {
    std::wstring text;
    text.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'|' && i + 1 < caption.size() && caption[i + 1] == L'|') {
            text += L"\r\n";
            ++i;
        } else {
            text += caption[i];
        }
    }
    return text;
}

UINT CaptionFormat(int32_t captionAlign) {
    UINT align = DT_LEFT;
    if (captionAlign == CaptionRight) align = DT_RIGHT;
    if (captionAlign == CaptionCenter) align = DT_CENTER;
    return DT_WORDBREAK | align;
}

void qvButtons_H::LayoutButtonContent(bool rebuildImage) {
    ContentInputs in;
    in.shape = ButtonShape();
    in.flatLeft = FlatLeft;
    in.flatRight = FlatRight;
    in.width = ScaleWidthPixels();
    in.height = ScaleHeightPixels();
    in.captionAlign = CaptionAlign();
    in.captionStyle = CaptionStyle();
    in.pictureAlign = PictureAlign();
    in.imagePixels = ImagePixels;
    in.dpi = Dpi();
    in.pictureWidth = PictureWidth;
    in.pictureHeight = PictureHeight;
    in.hasCaption = !Caption().empty();

    // The caption is measured with the caption font, which stays selected in the back buffer.
    RECT measured{};
    if (in.hasCaption && backBuffer_) {
        const SIZE box = CaptionMeasureBox(in);
        measured = RECT{0, 0, box.cx, box.cy};
        const std::wstring text = CaptionDrawText(Caption());
        ::DrawTextW(backBuffer_.dc(), text.c_str(), -1, &measured, DT_CALCRECT | DT_WORDBREAK);
    }
    const ContentLayout layout = LayoutContent(in, measured.right, measured.bottom);
    CaptionRect = layout.caption;
    ImageRect = layout.image;
    if (layout.rebuildImage) rebuildImage = true;
    if (rebuildImage) PrepareImage(ImageRect.right - ImageRect.left, ImageRect.bottom - ImageRect.top, nullptr);
}

}  // namespace buttons
