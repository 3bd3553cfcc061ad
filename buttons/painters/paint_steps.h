// The steps every style painter takes on the control, around its own decisions
// (style_rules.h): read the inputs, fill the face and draw the caption, then carry
// out rings, corner pixels, region outline and focus mark.
#pragma once

#include "buttons/painters/style_rules.h"
#include "buttons/qvbuttons_h.h"

namespace buttons {

// What the painter reads from the control now.
PainterInputs PainterInputsOf(const qvButtons_H& button);

// FillButtonFace with the chosen face and second colour, then DrawButtonCaption.
// `choice.face` holds the colour the face was filled with afterwards. Returns false
// when the face fill left PaintResult at 0: the painter stops at once.
bool FillFaceAndCaption(qvButtons_H& button, FaceChoice& choice, FaceState& faceState, PaintResult& result);

// Rings (shapes 0 to 3) and corner pixels, the dotted design-time ellipse, the
// region outline decision and the focus mark.
void FinishPainting(qvButtons_H& button, const PainterFinish& finish, PainterPoints& points, BorderColors& colors,
                    FaceState& faceState, PaintResult& result);

}  // namespace buttons
