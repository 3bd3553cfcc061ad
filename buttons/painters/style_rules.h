// The decisions of the eight style painters, as pure functions of what a painter
// reads from the control. A painter asks for its face choice, lets the face be
// filled and the caption drawn, then asks for the rest (rings, corner pixels,
// region outline, focus mark) with the face colour and the FaceState that the face
// fill left, and carries the result out on the back buffer.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "buttons/button_enums.h"

namespace buttons {

constexpr int32_t kNone = -1;  // a ring side that is not drawn

// What a style painter reads from the control for one repaint.
struct PainterInputs {
    int32_t style = 0;         // ButtonStyle
    int32_t mode = 0;          // Mode
    bool value = false;
    int32_t shape = 0;         // ButtonShape
    int32_t gradientMode = 0;  // GradientMode
    int32_t gradientRgb = 0;   // GradientColor, resolved
    bool showFocusRect = true;
    bool enabled = true;
    bool userMode = true;  // false at design time
    bool defaultOutline = false;
    bool heldDown = false;
    bool pointerOver = false;
    bool hovering = false;
    bool pressedLook = false;
    int32_t containerBackRgb = 0;
    int32_t foreColor = 0;       // ForeColor as stored
    int32_t foreRgb = 0;         // ForeColor resolved
    int32_t hoverForeColor = 0;  // HoverForeColor as stored
    int32_t faceColor = 0;       // the cached face colours
    int32_t pressedFaceColor = 0;
    int32_t checkedFaceColor = 0;
    int32_t flatLeft = 0;
    int32_t flatRight = 0;
    int32_t width = 0;  // scale width and height in pixels
    int32_t height = 0;

    bool pressed() const { return heldDown && pointerOver; }
    bool command() const { return mode == ModeCommand; }
    bool checkedLook() const { return value || (mode != ModeCommand && pressedLook); }
    bool ringed() const { return shape >= ShapeRectangle && shape <= ShapeSlantBoth; }
};

// The choices made before the face is filled.
struct FaceChoice {
    int32_t face = 0;
    int32_t second = 0;  // the gradient's end colour
    int32_t captionColorArg = kNone;
    bool checked = false;
    bool singlePass = false;
    // bsRoundedFrame: HoverForeColor stands in for this colour while the caption is drawn.
    bool replaceHoverFore = false;
    int32_t hoverForeStandIn = 0;
};

struct CornerPixel {
    int32_t x = 0;
    int32_t y = 0;
    int32_t colour = 0;
};

// The choices made after the caption is drawn.
struct PainterFinish {
    int16_t faceState = 0;
    bool drawBorder = false;              // rings are filled and drawn (shapes 0 to 3)
    std::array<int32_t, 13> rings{};      // BorderColors entries 1 to 12 (index 0 unused)
    int32_t outerPenStyle = 0;            // 0 solid, 2 dotted
    std::array<CornerPixel, 10> corners{};
    int cornerCount = 0;
    bool designEllipse = false;  // bsHoverFrame ovals at design time: dotted ellipse
    int32_t designEllipseColour = 0;
    enum class Outline { Keep, Plain, Colour };
    Outline outline = Outline::Keep;  // Plain: PaintResult 1; Colour: entry 12 = outlineColour
    int32_t outlineColour = 0;
    bool drawFocus = false;
    int32_t focusColour = 0;
    bool focusSolid = false;
    bool focusCaption = false;
};

// BorderColors as a whole ring: entries of ring 0 (inner), 1 (middle) or 2 (outer).
void SetRing(std::array<int32_t, 13>& rings, int ring, int32_t left, int32_t top, int32_t right, int32_t bottom);
// A ring lit from the top left: left and top sides in one colour, right and bottom in another.
void SetLitRing(std::array<int32_t, 13>& rings, int ring, int32_t topLeft, int32_t bottomRight);

// What the finishes of the ringed styles share: for a ringed shape the border is
// drawn (outer ring solid unless `rings` says otherwise) with the rings and face
// state `rings` sets; then the region outline is decided. The standard variant adds
// the standard focus mark (bsBevel, bsFramedBevel, bsFlat, bsSoftBevel).
PainterFinish RingedFinish(const PainterInputs& in, int16_t faceState, const std::function<void(PainterFinish&)>& rings);
PainterFinish StandardRingedFinish(const PainterInputs& in, int32_t face, int16_t faceState,
                                   const std::function<void(PainterFinish&)>& rings);

FaceChoice StandardFace(const PainterInputs& in);  // bsBevel, bsFramedBevel, bsFlat, bsHoverFrame, bsSoftBevel
FaceChoice EtchedFace(const PainterInputs& in);
FaceChoice ShadedRoundedFace(const PainterInputs& in);
FaceChoice RoundedFrameFace(const PainterInputs& in);

// Shared by several styles: the focus mark of bsBevel, bsFramedBevel, bsFlat and
// bsSoftBevel, and the region outline decision of every style but bsShadedRounded.
void StandardFocus(const PainterInputs& in, int32_t captionColorArg, int32_t face, PainterFinish& out);
void DecideRegionOutline(const PainterInputs& in, PainterFinish& out);
// `face` is the colour the face was filled with, `faceState` what the fill set.
PainterFinish BevelFinish(const PainterInputs& in, int32_t face, int16_t faceState);
PainterFinish FramedBevelFinish(const PainterInputs& in, int32_t face, int16_t faceState);
PainterFinish ShadedRoundedFinish(const PainterInputs& in, int32_t face, int16_t faceState);
PainterFinish EtchedFinish(const PainterInputs& in, int32_t face, int16_t faceState);
PainterFinish FlatFinish(const PainterInputs& in, int32_t face, int16_t faceState);
PainterFinish HoverFrameFinish(const PainterInputs& in, int32_t face, int16_t faceState);
PainterFinish SoftBevelFinish(const PainterInputs& in, int32_t face, int16_t faceState);
PainterFinish RoundedFrameFinish(const PainterInputs& in, int32_t face, int16_t faceState);

// By in.style (bsBevel to bsRoundedFrame); any other style gets the standard face and an empty finish.
FaceChoice ChooseFace(const PainterInputs& in);
PainterFinish ChooseFinish(const PainterInputs& in, int32_t face, int16_t faceState);

}  // namespace buttons
