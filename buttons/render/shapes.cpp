// Placeholder until the shapes and window regions land.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::BuildShapeRegions() { FlatLeft = 0; FlatRight = ScaleWidthPixels(); }

std::int16_t qvButtons_H::PrepareShapeEdge() { return 1; }

void qvButtons_H::OutlineShapedRegion(std::int32_t) {}

bool qvButtons_H::ApplyCustomClickMove() { return false; }

}  // namespace buttons
