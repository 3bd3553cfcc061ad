#include "buttons/render/caption_draw.h"

#include "buttons/painters/colour.h"
#include "buttons/render/caption_layout.h"
#include "buttons/qvbuttons_h.h"
#include "platform/high_contrast.h"

namespace buttons {

CaptionPlan PlanCaption(const CaptionInputs& in, int32_t face, int32_t altColour, bool checked, bool singlePass) {
    CaptionPlan plan;
    plan.singlePass = singlePass;
    if ((checked || in.pressed) && in.style != bsEtched)
        plan.shift = in.shape <= ShapeSlantBoth ? POINT{1, 1} : POINT{0, 1};
    plan.drawImage = !(in.value && (in.shape == ShapeCustom || in.shape == ShapeCustom3D));
    if (!in.hasCaption || (in.shape > ShapeOval && !in.value)) return plan;

    plan.drawText = true;
    plan.format = CaptionFormat(in.captionAlign);
    auto add = [&plan](int32_t dx, int32_t dy, int32_t colour) { plan.passes[plan.passCount++] = {dx, dy, colour}; };
    if (in.highContrast) {  // no embossed, engraved or shadowed text: it would not show
        add(0, 0, altColour);
        plan.singlePass = true;
        return plan;
    }

    if (in.enabled) {
        int32_t colour = in.foreRgb;
        if (in.hovering && !in.pressed)
            colour = in.hoverForeRgb;
        else if (in.style == bsRoundedFrame && (in.value || in.gradientMode == gmNone))
            colour = altColour;
        if (in.captionStyle != CaptionFlat) {
            const int16_t shift = in.captionStyle == CaptionEngraved ? 40 : -40;
            add(-1, 0, ShiftColor(face, shift));
            add(1, 2, ShiftColor(face, static_cast<int16_t>(-shift)));
            add(0, 1, colour);
        } else {
            add(0, 0, colour);
        }
        return plan;
    }

    if (altColour < 0 || in.gradientMode != gmNone) {
        add(1, 1, kWhite);
        plan.singlePass = false;
    } else {
        add(0, 0, altColour);
    }
    // The shadow: grey, one pixel up-left of the first pass.
    if (!plan.singlePass) add(plan.passes[0].dx - 1, plan.passes[0].dy - 1, kGrey);
    return plan;
}

void qvButtons_H::DrawButtonCaption(std::int32_t faceColor, std::int32_t altTextColor, bool checkedFlag,
                                    bool singlePass) {
    CaptionInputs in;
    in.style = ButtonStyle();
    in.shape = ButtonShape();
    in.value = Value();
    in.pressed = (InputFlags & HeldDown) && (InputFlags & PointerOver);
    in.enabled = Enabled();
    in.hovering = Hovering;
    in.hasCaption = !Caption().empty();
    in.gradientMode = GradientMode();
    in.captionAlign = CaptionAlign();
    in.captionStyle = CaptionStyle();
    in.hoverForeRgb = ResolveColor(HoverForeColor());
    in.foreRgb = ResolveColor(ForeColor());
    in.highContrast = platform::HighContrastOn();
    const CaptionPlan plan = PlanCaption(in, faceColor, altTextColor, checkedFlag, singlePass);

    RECT caption = CaptionRect;
    RECT image = ImageRect;
    ::OffsetRect(&caption, plan.shift.x, plan.shift.y);
    ::OffsetRect(&image, plan.shift.x, plan.shift.y);
    if (plan.drawImage) DrawButtonImage(image);
    if (!plan.drawText) return;

    HDC dc = backBuffer_.dc();
    const std::wstring text = CaptionDrawText(Caption());
    for (int i = 0; i < plan.passCount; ++i) {
        const TextPass& pass = plan.passes[i];
        RECT at = caption;
        ::OffsetRect(&at, pass.dx, pass.dy);
        SetDrawingTool(ToolTextColour, pass.colour, false, 1, PS_SOLID, dc);
        ::DrawTextW(dc, text.c_str(), -1, &at, plan.format);
    }
}

}  // namespace buttons
