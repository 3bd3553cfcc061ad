// qvButtons_H for assistive technology: its IAccessible and the WinEvents that
// tell a screen reader its state changed.
#include "buttons/accessible.h"

#include <cwctype>

#include "buttons/qvbuttons_h.h"

namespace buttons {
namespace {

qvButtons_H* ButtonOf(HWND hwnd) { return dynamic_cast<qvButtons_H*>(forms::WindowBase::FromHandle(hwnd)); }

class ButtonAccessible : public forms::AccessibleObject {
public:
    using AccessibleObject::AccessibleObject;

protected:
    bool ReadFacts(forms::AccessibleFacts& facts) const override {
        const qvButtons_H* button = ButtonOf(Window());
        if (!button) return false;
        facts.role = button->AccessibleRole();
        facts.state = button->AccessibleState();
        facts.name = AccessibleNameOf(button->Caption());
        facts.defaultAction = button->AccessibleDefaultAction();
        facts.shortcut = AccessibleShortcutOf(button->AccessKeys());
        return true;
    }
    bool RunDefaultAction() override {
        qvButtons_H* button = ButtonOf(Window());
        if (!button) return false;
        button->PostDefaultAction();
        return true;
    }
};

}  // namespace

std::wstring AccessibleNameOf(std::wstring_view caption) {
    std::wstring name;
    for (size_t i = 0; i < caption.size(); ++i) {
        const wchar_t c = caption[i];
        const bool doubled = i + 1 < caption.size() && caption[i + 1] == c;
        if (c == L'&') {
            if (doubled) name += L'&', ++i;
        } else if (c == L'|' && doubled) {
            name += L' ';
            ++i;
        } else {
            name += c;
        }
    }
    return name;
}

std::wstring AccessibleShortcutOf(std::wstring_view accessKeys) {
    if (accessKeys.empty()) return {};
    return L"Alt+" + std::wstring(1, static_cast<wchar_t>(std::towupper(accessKeys[0])));
}

long qvButtons_H::AccessibleRole() const {
    if (mode_ == ModeCheck) return ROLE_SYSTEM_CHECKBUTTON;
    if (mode_ == ModeOption) return ROLE_SYSTEM_RADIOBUTTON;
    return ROLE_SYSTEM_PUSHBUTTON;
}

long qvButtons_H::AccessibleState() const { return AccessibleState(forms::WindowStates(hWnd())); }

long qvButtons_H::AccessibleState(long windowStates) const {
    long state = windowStates;
    if (Enabled()) state |= STATE_SYSTEM_FOCUSABLE;
    if (value_ && mode_ != ModeCommand) state |= STATE_SYSTEM_CHECKED;
    if (PressedLook) state |= STATE_SYSTEM_PRESSED;
    if (Hovering) state |= STATE_SYSTEM_HOTTRACKED;
    if (InputFlags & DefaultOutline) state |= STATE_SYSTEM_DEFAULT;
    return state;
}

std::wstring qvButtons_H::AccessibleDefaultAction() const {
    if (mode_ == ModeCommand) return kPressAction;
    return mode_ == ModeCheck && value_ ? kDeselectAction : kSelectAction;
}

void qvButtons_H::OnDefaultAction() {
    if (!Enabled()) return;
    LastButton = 1;
    OnClick();
}

forms::AccessibleObject* qvButtons_H::NewAccessibleObject() { return new ButtonAccessible(hWnd()); }

void qvButtons_H::NotifyAccessibleState() {
    if (!hWnd()) return;
    // Checked on every repaint: the window's states from its own styles and focus flag.
    const long state = AccessibleState(forms::WindowStates(hWnd(), Focused()));
    if (state == raisedState_) return;
    raisedState_ = state;
    ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hWnd(), OBJID_CLIENT, CHILDID_SELF);
}

void qvButtons_H::OnEnable(bool enabled) {
    // Enabled or disabled from the form: the window already has its new state; the
    // property rule brings the surface, regions, look and marked key along.
    Enabled(enabled);
}

}  // namespace buttons
