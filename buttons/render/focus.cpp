#include "buttons/render/focus.h"

#include "buttons/qvbuttons_h.h"
#include "platform/high_contrast.h"

#include <algorithm>

namespace buttons {

namespace {

std::array<POINT, 5> Frame(POINT a, POINT b, POINT c, POINT d) { return {a, b, c, d, a}; }

// The slanted shapes follow their slanted sides with a solid polyline.
FocusPlan SlantedFocus(const FocusInput& in, FocusPlan plan) {
    const int32_t lf = in.flatLeft != 0 ? 1 : 0;
    const int32_t rf = in.sw > in.flatRight ? 1 : 0;
    plan.kind = FocusPlan::Kind::Polyline;
    plan.colour = in.colour;
    plan.points = {POINT{in.flatLeft + 4 - 6 * lf, in.sh - 5}, POINT{4 * lf + 4, 4},
                   POINT{in.flatRight + 4 * rf - 5, 4}, POINT{in.sw - 5 - 6 * rf, in.sh - 5},
                   POINT{in.flatLeft + 3 - 4 * lf, in.sh - 5}};
    return plan;
}

// Around the caption (ovals and the styles that ask for it), moved down with a
// pressed or checked caption.
FocusPlan CaptionFocus(const FocusInput& in, FocusPlan plan) {
    RECT r = in.captionRect;
    if (in.captionEmpty) {
        r = in.imageRect;
        r.bottom = std::min<LONG>(r.bottom, in.sh - 4);
        r.right = std::min<LONG>(r.right, in.sw - 4);
    }
    const int32_t e = (r.right < in.flatRight - 4 && r.left > in.flatLeft + 4) ? 2 : 1;
    const int32_t f = ((in.value || in.pressed) && in.style != bsEtched) ? 1 : 0;
    const int32_t g = in.shape < ShapeOval ? 1 : 0;
    ::OffsetRect(&r, f * g - e, f - e);
    r.right += 2 * e + f * g;
    r.bottom += 2 * e + f;
    if (in.solid) {
        plan.kind = FocusPlan::Kind::Polyline;
        plan.points = Frame({r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1});
    } else {
        plan.kind = FocusPlan::Kind::FocusRect;
        plan.rect = r;
    }
    return plan;
}

// Four pixels inside the face.
FocusPlan FaceFocus(const FocusInput& in, FocusPlan plan) {
    const RECT r{in.flatLeft + 4, 4, in.flatRight - 4, in.sh - 8 + 4};
    if (in.solid) {
        plan.kind = FocusPlan::Kind::Polyline;
        plan.points = Frame({r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom});
    } else {
        plan.kind = FocusPlan::Kind::FocusRect;
        plan.rect = r;
    }
    return plan;
}

}  // namespace

FocusPlan PlanFocus(const FocusInput& in) {
    FocusPlan plan;
    plan.captionFlag = in.captionFlag;
    const bool oval = in.shape >= ShapeOval && in.shape <= ShapeOvalFlat;
    if (!in.defaultOutline || in.shape == ShapeCustom || in.shape == ShapeCustom3D) return plan;
    if (oval && in.style == bsShadedRounded) return plan;
    if (oval) plan.captionFlag = true;
    if (in.shape >= ShapeSlantLeft && in.shape <= ShapeSlantBoth) return SlantedFocus(in, plan);
    plan.colour = in.colour < 0 ? 0 : in.colour;
    return plan.captionFlag ? CaptionFocus(in, plan) : FaceFocus(in, plan);
}

void qvButtons_H::DrawFocusIndicator(std::int32_t color, bool solid, bool aroundCaption, PainterPoints& points) {
    FocusInput in;
    in.style = ButtonStyle();
    in.shape = ButtonShape();
    in.defaultOutline = (InputFlags & DefaultOutline) != 0;
    in.solid = solid;
    in.captionFlag = aroundCaption;
    in.colour = color;
    in.sw = ScaleWidthPixels();
    in.sh = ScaleHeightPixels();
    in.flatLeft = FlatLeft;
    in.flatRight = FlatRight;
    in.captionRect = CaptionRect;
    in.imageRect = ImageRect;
    in.captionEmpty = Caption().empty();
    in.value = Value();
    in.pressed = (InputFlags & HeldDown) && (InputFlags & PointerOver);
    const FocusPlan plan = PlanFocus(in);
    if (plan.kind == FocusPlan::Kind::None) return;
    // In high contrast the mark is two pixels wide, to show on any face.
    SetDrawingTool(ToolPen, plan.colour, false, platform::HighContrastOn() ? 2 : 1, PS_SOLID);
    HDC dc = backBuffer_.dc();
    if (plan.kind == FocusPlan::Kind::FocusRect) {
        // An inverted dotted frame: drawing it twice restores the pixels.
        ::DrawFocusRect(dc, &plan.rect);
        return;
    }
    for (size_t i = 0; i < plan.points.size(); ++i) points[i] = plan.points[i];
    ::Polyline(dc, plan.points.data(), static_cast<int>(plan.points.size()));
}

}  // namespace buttons
