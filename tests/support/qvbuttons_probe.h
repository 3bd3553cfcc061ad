// White-box access to the private state and painting members of qvButtons_H, for
// the tests (and the repaint benchmark) that check the caches, the layout, the back
// buffer and the painting steps directly.
#pragma once

#include <utility>

#include "buttons/qvbuttons_h.h"

namespace buttons {

struct qvButtons_HProbe {
    static std::int32_t& FaceColor(qvButtons_H& b) { return b.FaceColor; }
    static std::int32_t& PressedFaceColor(qvButtons_H& b) { return b.PressedFaceColor; }
    static std::int32_t& HoverFaceColor(qvButtons_H& b) { return b.HoverFaceColor; }
    static std::int32_t& CheckedFaceColor(qvButtons_H& b) { return b.CheckedFaceColor; }
    static std::int32_t& PictureWidth(qvButtons_H& b) { return b.PictureWidth; }
    static std::int32_t& PictureHeight(qvButtons_H& b) { return b.PictureHeight; }
    static std::int32_t PictureKind(const qvButtons_H& b) { return b.PictureKind; }
    static std::int16_t& ImagePixels(qvButtons_H& b) { return b.ImagePixels; }
    static std::int16_t ImagePixels(const qvButtons_H& b) { return b.ImagePixels; }
    static RECT& CaptionRect(qvButtons_H& b) { return b.CaptionRect; }
    static const RECT& CaptionRect(const qvButtons_H& b) { return b.CaptionRect; }
    static const RECT& ImageRect(const qvButtons_H& b) { return b.ImageRect; }
    static std::int32_t FlatLeft(const qvButtons_H& b) { return b.FlatLeft; }
    static std::int32_t FlatRight(const qvButtons_H& b) { return b.FlatRight; }
    static HRGN OuterEdgeRegion(const qvButtons_H& b) { return b.OuterEdgeRegion.get(); }
    static HRGN InnerEdgeRegion(const qvButtons_H& b) { return b.InnerEdgeRegion.get(); }
    static HBITMAP PreparedImage(const qvButtons_H& b) { return b.PreparedImage.get(); }
    static bool ClickMoved(const qvButtons_H& b) { return b.ClickMoved; }
    static std::int32_t ContainerBackRGB(const qvButtons_H& b) { return b.ContainerBackRGB; }
    static const std::wstring& ContainerHandleText(const qvButtons_H& b) { return b.ContainerHandleText; }
    static BackBuffer& Buffer(qvButtons_H& b) { return b.backBuffer_; }

    // The painting members, called as b.Member(args...) would be.
    static void RedrawButton(qvButtons_H& b) { b.RedrawButton(); }
#define QVBUTTONS_PROBE_FORWARD(member)                   \
    template <typename... A>                              \
    static void member(qvButtons_H& b, A&&... a) {        \
        b.member(std::forward<A>(a)...);                  \
    }
    QVBUTTONS_PROBE_FORWARD(LayoutButtonContent)
    QVBUTTONS_PROBE_FORWARD(DrawButtonBorder)
    QVBUTTONS_PROBE_FORWARD(DrawFocusIndicator)
    QVBUTTONS_PROBE_FORWARD(DrawRectangle)
    QVBUTTONS_PROBE_FORWARD(SetDrawingTool)
    QVBUTTONS_PROBE_FORWARD(FillButtonFace)
    QVBUTTONS_PROBE_FORWARD(FillGradient)
    QVBUTTONS_PROBE_FORWARD(UpdateCache)
#undef QVBUTTONS_PROBE_FORWARD
};

}  // namespace buttons
