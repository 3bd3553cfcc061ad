// qvButtons_H lifecycle: creation, show, paint, resize processing, ambient
// changes and termination; the Refresh and DelayDrawing methods.
#include "buttons/qvbuttons_h.h"

#include <cmath>

#include "platform/log.h"
#include "platform/message_box.h"
#include "platform/text.h"

namespace buttons {

std::optional<std::wstring> AccessKeyOf(std::wstring_view caption) {
    // Read left to right as the text is drawn: "&&" is a literal ampersand, any
    // other "&" marks the character after it. The last marker wins.
    std::optional<std::wstring> key;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (i + 1 < caption.size() && caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        key = i + 1 < caption.size() ? std::wstring(1, caption[i + 1]) : std::wstring();
        ++i;
    }
    return key;
}

qvButtons_H::qvButtons_H() = default;

qvButtons_H::~qvButtons_H() {
    // The host's terminate notification must reach this class, so it runs here,
    // before the host part of the object goes.
    Terminate();
}

std::int32_t qvButtons_H::ScaleWidthPixels() const noexcept {
    return static_cast<std::int32_t>(std::nearbyint(ScaleWidth()));
}

std::int32_t qvButtons_H::ScaleHeightPixels() const noexcept {
    return static_cast<std::int32_t>(std::nearbyint(ScaleHeight()));
}

qvButtons_H::VisualState qvButtons_H::CurrentVisualState() const noexcept {
    return VisualState{Hovering, (InputFlags & HeldDown) != 0, (InputFlags & PointerOver) != 0,
                       (InputFlags & DefaultOutline) != 0, PressedLook};
}

void qvButtons_H::SetVisualState(const VisualState& state) noexcept {
    Hovering = state.hovering;
    InputFlags = static_cast<std::uint8_t>((state.heldDown ? HeldDown : 0) | (state.pointerOver ? PointerOver : 0) |
                                           (state.defaultOutline ? DefaultOutline : 0));
    PressedLook = state.pressedLook;
}

void qvButtons_H::DesignMessage(const std::wstring& text) const {
    if (!UserMode()) platform::ShowMessage(text, MB_ICONINFORMATION);
}

void qvButtons_H::Refresh() {
    delayDrawing_ = false;
    RedrawButton();
}

void qvButtons_H::DelayDrawing(bool delay) {
    delayDrawing_ = delay;
    if (!delay) Refresh();
}

void qvButtons_H::ResizeProcessing() {
    backBuffer_.DropBitmap();
    PrepareBackBuffer();
    if (!delayDrawing_) {
        BuildShapeRegions();
        LayoutButtonContent(false);
        RedrawButton();
    }
}

void qvButtons_H::OnShow() {
    if (UserMode()) return;
    if (showFocusRect_ && Ambient().DisplayAsDefault) {
        InputFlags |= DefaultOutline;
        RedrawButton();
    }
}

void qvButtons_H::OnPaint() {
    delayDrawing_ = false;
    RedrawButton();
}

void qvButtons_H::OnResize() { ResizeProcessing(); }

// The picture is prepared again at its new size, and the back buffer with the caption
// font for the new DPI.
void qvButtons_H::OnDpiChanged() {
    DropPreparedImage();
    ResizeProcessing();
}

void qvButtons_H::OnAmbientChanged(const std::wstring& name) {
    try {
        if (platform::SameTextIgnoringCase(name, L"DisplayAsDefault")) {
            const bool outline = Ambient().DisplayAsDefault && (showFocusRect_ || !UserMode());
            if (outline) InputFlags |= DefaultOutline;
            else InputFlags &= static_cast<std::uint8_t>(~DefaultOutline);
            const bool customInDesign = buttonShape_ >= ShapeCustom && !UserMode();
            if (customInDesign) Hovering = outline;
            RedrawButton();
            if (customInDesign) Hovering = false;
        } else if (platform::SameTextIgnoringCase(name, L"BackColor")) {
            ContainerBackRGB = ResolveColor(Ambient().BackColor);
            if (buttonShape_ > ShapeSlantBoth || buttonStyle_ == bsHoverFrame) RedrawButton();
        }
    } catch (...) {
        // An ambient change that fails leaves the control as it was.
        platform::LogFailure(L"una modifica delle proprietà del contenitore");
    }
}

void qvButtons_H::OnTerminate() {
    if (Hovering) StopHoverTimer(HoverTimerId);  // the window still exists
    Hovering = false;
    // A registered option button leaves its group, so the registry never points at a
    // control that is gone.
    if (mode_ == ModeOption) {
        try {
            OptionToggle(OptionLeave);
        } catch (...) {
            platform::LogFailure(L"l'uscita dal gruppo di opzioni");
        }
    }
    InnerEdgeRegion.reset();
    OuterEdgeRegion.reset();
    backBuffer_.Release();
    DropPreparedImage();
}

}  // namespace buttons
