#include "buttons/render/border.h"

#include "buttons/qvbuttons_h.h"

namespace buttons {

namespace {

int32_t LeftSlant(int32_t shape) { return shape == ShapeSlantLeft || shape == ShapeSlantBoth ? 1 : 0; }
int32_t RightSlant(int32_t shape) { return shape == ShapeSlantRight || shape == ShapeSlantBoth ? 1 : 0; }

POINT Offset(POINT p, int32_t dx, int32_t dy) { return POINT{p.x + dx, p.y + dy}; }

}  // namespace

std::array<POINT, 16> BorderRingPoints(int32_t sw, int32_t sh, int32_t flatLeft, int32_t flatRight, int32_t shape) {
    const int32_t ls = LeftSlant(shape);
    const int32_t rs = RightSlant(shape);
    std::array<POINT, 16> p{};
    // Inner ring, two pixels inside the edge.
    p[0] = {flatLeft + 2 - 4 * ls, sh - 3};
    p[1] = {2 * ls + 2, 2};
    p[2] = {flatRight + 3 * rs - 3, 2};
    p[3] = {sw - 3 - 3 * rs, sh - 3};
    p[4] = {flatLeft - 4 * ls + 1, sh - 3};
    // Middle ring, one pixel further out.
    p[5] = Offset(p[0], ls - 1, 1);
    p[6] = Offset(p[1], -ls - 1, -1);
    p[7] = Offset(p[2], 1 - rs, -1);
    p[8] = Offset(p[3], rs + 1, 1);
    p[9] = Offset(p[4], -1, 1);
    // Outer ring, on the client edge.
    p[10] = {flatLeft - ls, sh - 1 + ls};
    p[11] = {0, 0};
    p[12] = {flatRight + rs - 1, 0};
    p[13] = {sw - 1, sh - 1 + rs};
    p[14] = {flatLeft - 2 * ls - 1, sh - 1};
    p[15] = {sw - 1, sh - 1};
    return p;
}

std::vector<BorderStroke> PlanBorder(const std::array<POINT, 16>& points, const std::array<int32_t, 13>& colours,
                                     int32_t outerPenStyle, int32_t sw, int32_t shape) {
    std::vector<BorderStroke> strokes;
    bool anyDrawn = false;
    int32_t lastColour = 0;
    for (int j = 0; j <= 13; ++j) {
        if (j == 4 || j == 9) continue;  // the links between the rings
        const int entry = j < 4 ? j + 1 : (j < 9 ? j : j - 1);
        const int32_t colour = colours[entry];
        if (colour < 0) continue;
        BorderStroke s;
        s.from = points[j];
        s.to = points[j + 1];
        s.colour = colour;
        s.newPen = !anyDrawn || colour != lastColour;
        s.penStyle = (j >= 10 && outerPenStyle >= 0) ? outerPenStyle : PS_SOLID;
        strokes.push_back(s);
        anyDrawn = true;
        lastColour = colour;
    }
    if (sw != RightSlant(shape)) {
        BorderStroke closing;
        closing.from = points[14];
        closing.to = points[15];
        closing.colour = lastColour;
        closing.newPen = false;
        strokes.push_back(closing);
    }
    return strokes;
}

void qvButtons_H::DrawButtonBorder(PainterPoints& points, const BorderColors& colors, FaceState faceState,
                                   std::int32_t outerPenStyle) {
    (void)faceState;  // part of the painters' call, not needed for the rings
    const std::int32_t sw = ScaleWidthPixels();
    points = BorderRingPoints(sw, ScaleHeightPixels(), FlatLeft, FlatRight, ButtonShape());
    HDC dc = backBuffer_.dc();
    for (const BorderStroke& stroke : PlanBorder(points, colors, outerPenStyle, sw, ButtonShape())) {
        if (stroke.newPen) SetDrawingTool(ToolPen, stroke.colour, false, 1, stroke.penStyle);
        const POINT line[2] = {stroke.from, stroke.to};
        ::Polyline(dc, line, 2);
    }
}

}  // namespace buttons
