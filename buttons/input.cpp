// qvButtons_H input: the host's mouse, keyboard, access-key, focus and
// drag-and-drop notifications turned into states, repaints and events.
#include "buttons/qvbuttons_h.h"

#include <string>

#include "platform/log.h"

namespace buttons {
namespace {

constexpr std::int16_t kShift = 16, kSpace = 32, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

bool IsArrow(std::int16_t key) { return key == kLeft || key == kUp || key == kRight || key == kDown; }

// Events take their arguments by reference; the handler's writes are not read back.
template <typename Event, typename... Args>
void Raise(const Event& event, Args... args) {
    if (event) event(args...);
}

}  // namespace

void qvButtons_H::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    LastButton = button;
    if (button == 1) {
        InputFlags |= HeldDown;
        PressedLook = true;
        delayDrawing_ = false;
        RedrawButton();
        ::SetCapture(hWnd());
    }
    Raise(MouseDown, button, shift, x, y);
}

void qvButtons_H::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!Hovering) {
        try {
            HoverStartTest(button);
        } catch (...) {
            platform::LogFailure(L"l'inizio del passaggio del puntatore");
        }
    }
    Raise(MouseMove, button, shift, x, y);
}

void qvButtons_H::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    PressedLook = false;
    if (button == 1) {
        ::ReleaseCapture();
        InputFlags &= static_cast<std::uint8_t>(~HeldDown);
        delayDrawing_ = false;
        if (mode_ == ModeCommand) RedrawButton();
    }
    Raise(MouseUp, button, shift, x, y);
    LastButton = button;
}

void qvButtons_H::OnClick() {
    if (LastButton != 1) return;
    if (mode_ == ModeCheck || mode_ == ModeOption) {
        if (mode_ == ModeOption && value_) return;
        Value(!value_);
    }
    Raise(Click);
}

void qvButtons_H::OnDblClick() {
    POINT pt{};
    ::GetCursorPos(&pt);
    ::ScreenToClient(hWnd(), &pt);
    const float x = static_cast<float>(pt.x), y = static_cast<float>(pt.y);
    Raise(DoubleClick, LastButton);
    if (LastButton == 1) {
        OnMouseDown(1, 0, x, y);
        LastButton = -1;
    } else {
        Raise(MouseDown, std::int16_t{1}, std::int16_t{0}, x, y);
    }
}

void qvButtons_H::OnKeyDown(std::int16_t& keyCode, std::int16_t shift) {
    if (IsArrow(keyCode)) {
        const LPARAM scan = keyCode == kRight ? 0x004D0001 : keyCode == kDown ? 0x00500001
                            : keyCode == kLeft ? 0x004B0001 : 0x00480001;
        const WPARAM key = static_cast<WPARAM>(keyCode);
        keyCode = 0;
        ::PostMessageW(ContainerHandle(), WM_KEYDOWN, key, scan);
    }
    if (keyCode == kSpace && !(InputFlags & HeldDown)) {
        InputFlags |= PointerOver | HeldDown;
        PressedLook = true;
        RedrawButton();
        if (!Hovering) InputFlags &= static_cast<std::uint8_t>(~PointerOver);
    }
    if (keyCode != 0) Raise(KeyDown, keyCode, shift);
}

void qvButtons_H::OnKeyPress(std::int16_t& keyAscii) { Raise(KeyPress, keyAscii); }

void qvButtons_H::OnKeyUp(std::int16_t& keyCode, std::int16_t shift) {
    PressedLook = false;
    if (keyCode == kSpace && (InputFlags & HeldDown)) {
        LastButton = 1;
        InputFlags &= static_cast<std::uint8_t>(~HeldDown);
        if (mode_ == ModeCommand) {
            RedrawButton();
        } else {
            Raise(KeyUp, keyCode, shift);
            keyCode = 0;
        }
        OnClick();
    } else if (IsArrow(keyCode)) {
        keyCode = 0;
        if (mode_ == ModeOption && !value_) {
            LastButton = 1;
            OnClick();
        }
    } else if (keyCode == kShift) {
        keyCode = 0;
    }
    if (keyCode != 0) Raise(KeyUp, keyCode, shift);
}

void qvButtons_H::OnAccessKeyPress(std::int16_t keyAscii) {
    const bool enterOrEsc = keyAscii == 13 || keyAscii == 27;
    if (enterOrEsc && (mode_ == ModeCheck || mode_ == ModeOption)) return;
    if (!enterOrEsc && !(InputFlags & DefaultOutline)) RedrawButton();
    LastButton = 1;
    OnClick();
}

void qvButtons_H::OnGotFocus() {
    NotifyAccessibleState();
    if (mode_ == ModeOption && !value_ && !OptionToggle(OptionAskChecked)) {
        LastButton = 1;
        OnClick();
    }
}

void qvButtons_H::OnLostFocus() { NotifyAccessibleState(); }

void qvButtons_H::OnOLECompleteDrag(std::int32_t& effect) { Raise(OLECompleteDrag, effect); }

void qvButtons_H::OnOLEDragDrop(IDataObject* data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                                float& x, float& y) {
    if (OLEDragDrop) OLEDragDrop(data, effect, button, shift, x, y);
}

void qvButtons_H::OnOLEDragOver(IDataObject* data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                                float& x, float& y, std::int16_t& state) {
    if (OLEDragOver) OLEDragOver(data, effect, button, shift, x, y, state);
}

void qvButtons_H::OnOLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) {
    if (OLEGiveFeedback) OLEGiveFeedback(effect, defaultCursors);
}

void qvButtons_H::OnOLESetData(IDataObject* data, std::int16_t& dataFormat) {
    if (OLESetData) OLESetData(data, dataFormat);
}

void qvButtons_H::OnOLEStartDrag(IDataObject* data, std::int32_t& allowedEffects) {
    if (OLEStartDrag) OLEStartDrag(data, allowedEffects);
}

}  // namespace buttons
