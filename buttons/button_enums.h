// The named values of the button control: the property enumerations with the
// numbers the persisted properties store, and the values its parts pass between
// them. The pure decision modules include this header alone.
#pragma once

#include <cstdint>

namespace buttons {

enum ButtonStyleValue : std::int32_t {
    bsBevel = 0, bsFramedBevel = 1, bsShadedRounded = 2, bsEtched = 3,
    bsFlat = 4, bsHoverFrame = 5, bsSoftBevel = 6, bsRoundedFrame = 7
};
enum ModeValue : std::int32_t { ModeCommand = 0, ModeCheck = 1, ModeOption = 2 };
enum CaptionAlignValue : std::int32_t { CaptionLeft = 0, CaptionRight = 1, CaptionCenter = 2 };
enum CaptionStyleValue : std::int32_t { CaptionFlat = 0, CaptionEmbossed = 1, CaptionEngraved = 2 };
enum ButtonShapeValue : std::int32_t {
    ShapeRectangle = 0, ShapeSlantLeft = 1, ShapeSlantRight = 2, ShapeSlantBoth = 3, ShapeOval = 4,
    ShapeOvalNoText = 5, ShapeOvalFlat = 6, ShapeCustom = 7, ShapeCustom3D = 8
};
enum PictureAlignValue : std::int32_t {
    paLeftEdge = 0, paLeftOfCaption = 1, paRightEdge = 2, paRightOfCaption = 3, paTopCenter = 4, paBottomCenter = 5
};
enum PictureSizeValue : std::int32_t { ps16 = 0, ps24 = 1, ps32 = 2, ps40 = 3, ps48 = 4 };
enum GradientModeValue : std::int32_t {
    gmNone = 0, gmLeftToRight = 1, gmRightToLeft = 2, gmTopToBottom = 3, gmBottomToTop = 4
};
enum HoverColorLocksValue : std::int32_t { LockNone = 0, LockBack = 1, LockFore = 2, LockBoth = 3 };
enum FontStyleBits : std::int32_t { FontBold = 2, FontItalic = 4, FontUnderline = 8 };

// The look the face fill leaves for the rings (FaceState); a painter may use its own.
enum FaceStateValue : std::int16_t { FaceNormal = 0, FaceDefaultOutline = 1, FacePressed = 2, FacePainterOwn = 3 };
// What the shape edge left for the painter (PaintResult): nothing to paint (the
// custom click moved the window), no region outline, or clipped to the outer or
// the inner edge region.
enum PaintResultValue : std::int16_t { PaintNothing = 0, PaintPlain = 1, PaintOuterEdge = 3, PaintInnerEdge = 4 };
// SetDrawingTool: which tool is set.
enum DrawingTool : std::int32_t { ToolBrush = 0, ToolPen = 1, ToolTextColour = 2 };
// OptionToggle: what the option button does in its group.
enum OptionAction : std::int16_t { OptionLeave = -1, OptionClearOthers = 0, OptionJoin = 1, OptionAskChecked = 2 };

}  // namespace buttons
