#include "forms/user_control.h"

#include "platform/high_contrast.h"

#include "forms/form.h"

#include <stdexcept>
#include <utility>

#include "platform/screen.h"

namespace forms {
namespace {

constexpr wchar_t kClassName[] = L"NorvelUserControl";

std::int16_t ShiftState() {
    std::int16_t shift = 0;
    if (::GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (::GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (::GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

// Mouse buttons held, as the host codes them: 1 left, 2 right, 4 middle.
std::int16_t ButtonsOf(WPARAM wp) {
    std::int16_t buttons = 0;
    if (wp & MK_LBUTTON) buttons |= 1;
    if (wp & MK_RBUTTON) buttons |= 2;
    if (wp & MK_MBUTTON) buttons |= 4;
    return buttons;
}

float XOf(LPARAM lp) { return static_cast<float>(static_cast<short>(LOWORD(lp))); }
float YOf(LPARAM lp) { return static_cast<float>(static_cast<short>(HIWORD(lp))); }

bool KnownPointer(std::int16_t pointer) { return (pointer >= 0 && pointer <= 15) || pointer == 99; }

}  // namespace

FontRef DefaultHostFont() { return MakeFont(L"MS Sans Serif", 8.25); }

UserControl::UserControl() : font_(DefaultHostFont()) {}

UserControl::~UserControl() { Terminate(); }

void UserControl::Create(HWND container, int x, int y, int width, int height, const PropertyBag* bag, bool visible) {
    RegisterClassOnce(kClassName, CS_DBLCLKS | CS_OWNDC);
    container_ = container;
    if (!CreateFor(kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP, 0, x, y, width, height, container))
        throw std::runtime_error("The control's window could not be created");
    if (!enabled_) ::EnableWindow(hwnd(), FALSE);
    if (bag) OnReadProperties(*bag);
    else OnInitProperties();
    created_ = true;
    OnResize();
    if (visible) {
        ::ShowWindow(hwnd(), SW_SHOWNA);
        ::UpdateWindow(hwnd());
    }
}

void UserControl::Save(PropertyBag& bag) {
    // The host's own extent entries come first, in HIMETRIC.
    const int dpi = Dpi();
    bag.WriteInt32(L"_ExtentX", ::MulDiv(static_cast<int>(ScaleWidth()), 2540, dpi));
    bag.WriteInt32(L"_ExtentY", ::MulDiv(static_cast<int>(ScaleHeight()), 2540, dpi));
    OnWriteProperties(bag);
}

void UserControl::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    OnTerminate();
}

void UserControl::SetAmbientUserMode(bool userMode) {
    ambient_.UserMode = userMode;
    if (created_ && !terminated_) OnAmbientChanged(L"UserMode");
}

void UserControl::SetAmbientDisplayAsDefault(bool displayAsDefault) {
    ambient_.DisplayAsDefault = displayAsDefault;
    if (created_ && !terminated_) OnAmbientChanged(L"DisplayAsDefault");
}

void UserControl::SetAmbientDisplayName(std::wstring name) {
    ambient_.DisplayName = std::move(name);
    if (created_ && !terminated_) OnAmbientChanged(L"DisplayName");
}

void UserControl::SetAmbientBackColor(std::int32_t color) {
    ambient_.BackColor = color;
    if (created_ && !terminated_) OnAmbientChanged(L"BackColor");
}

HDC UserControl::hDC() const noexcept {
    // The class has its own DC per window: GetDC hands back the same one every time
    // and it needs no release.
    return hwnd() ? ::GetDC(hwnd()) : nullptr;
}

void UserControl::Enabled(bool enabled) {
    enabled_ = enabled;
    if (hwnd()) ::EnableWindow(hwnd(), enabled ? TRUE : FALSE);
}

void UserControl::OnEnable(bool enabled) {
    enabled_ = enabled;
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void UserControl::Font(FontRef font) { font_ = std::move(font); }

void UserControl::MousePointer(std::int16_t pointer) {
    if (!KnownPointer(pointer)) throw std::invalid_argument("Invalid property value");
    mousePointer_ = pointer;
}

void UserControl::MouseIcon(PictureRef icon) {
    if (icon && !icon->IsIconOrCursor()) throw PictureError("Invalid picture");
    mouseIcon_ = std::move(icon);
}

int UserControl::Dpi() const { return dpi_ > 0 ? dpi_ : platform::ScreenDpi(LOGPIXELSY); }

void UserControl::SetDpi(int dpi) {
    if (dpi <= 0) return;
    const int before = Dpi();
    dpi_ = dpi;
    if (dpi != before && created_ && !terminated_) OnDpiChanged();
}

double UserControl::ScaleWidth() const noexcept {
    RECT rc{};
    if (hwnd()) ::GetClientRect(hwnd(), &rc);
    return rc.right - rc.left;
}

double UserControl::ScaleHeight() const noexcept {
    RECT rc{};
    if (hwnd()) ::GetClientRect(hwnd(), &rc);
    return rc.bottom - rc.top;
}

void UserControl::Refresh() {
    ++refreshCount_;
    if (!hwnd()) return;
    // Everything the control drew went straight to the window: nothing is left to
    // paint, and the image is pushed out now.
    ::ValidateRect(hwnd(), nullptr);
    ::GdiFlush();
}

void UserControl::PropertyChanged(const std::wstring& key) {
    markedKeys_.push_back(key);
    if (PropertyChangedHook) PropertyChangedHook(key);
}

void UserControl::Move(int x, int y, int width, int height) {
    if (hwnd()) ::MoveWindow(hwnd(), x, y, width, height, TRUE);
}

bool UserControl::ContainsPoint(int x, int y) const {
    // Inside the client area and, for a shaped window, inside its window region.
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    if (!::PtInRect(&client, POINT{x, y})) return false;
    platform::Region region(::CreateRectRgn(0, 0, 0, 0));
    if (::GetWindowRgn(hwnd(), region.get()) == ERROR) return true;
    RECT window{};
    ::GetWindowRect(hwnd(), &window);
    POINT origin{0, 0};
    ::ClientToScreen(hwnd(), &origin);
    return ::PtInRegion(region.get(), x + origin.x - window.left, y + origin.y - window.top) != FALSE;
}

HCURSOR UserControl::CurrentCursor() const {
    const wchar_t* id = IDC_ARROW;
    switch (mousePointer_) {
    case PointerCross: id = IDC_CROSS; break;
    case PointerIBeam: id = IDC_IBEAM; break;
    case PointerIcon: id = IDC_ICON; break;
    case PointerSize: case PointerSizeAll: id = IDC_SIZEALL; break;
    case PointerSizeNESW: id = IDC_SIZENESW; break;
    case PointerSizeNS: id = IDC_SIZENS; break;
    case PointerSizeNWSE: id = IDC_SIZENWSE; break;
    case PointerSizeWE: id = IDC_SIZEWE; break;
    case PointerUpArrow: id = IDC_UPARROW; break;
    case PointerHourglass: id = IDC_WAIT; break;
    case PointerNoDrop: id = IDC_NO; break;
    case PointerArrowHourglass: id = IDC_APPSTARTING; break;
    case PointerArrowQuestion: id = IDC_HELP; break;
    case PointerCustom:
        if (mouseIcon_) return mouseIcon_->IconHandle();
        break;
    default: break;
    }
    return ::LoadCursorW(nullptr, id);
}

namespace {
// Private to the control's window class.
constexpr UINT kDefaultActionMessage = WM_APP + 1;
}  // namespace

void UserControl::PostDefaultAction() { ::PostMessageW(hwnd(), kDefaultActionMessage, 0, 0); }

LRESULT UserControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (HandleInput(msg, wp, lp)) return 0;
    switch (msg) {
    case kDefaultActionMessage:
        if (created_ && !terminated_) OnDefaultAction();
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        platform::RefreshHighContrast();
        if (created_ && !terminated_) OnSystemLookChanged();
        break;
    case WM_ERASEBKGND:
        return 1;  // the control paints every pixel itself
    case WM_PAINT: {
        PAINTSTRUCT ps;
        ::BeginPaint(hwnd(), &ps);
        if (created_ && !terminated_) OnPaint();
        ::EndPaint(hwnd(), &ps);
        return 0;
    }
    case WM_SHOWWINDOW:
        if (wp && created_ && !terminated_) OnShow();
        break;
    case WM_SIZE:
        if (created_ && !terminated_) OnResize();
        return 0;
    case WM_DESTROY:
        Terminate();
        break;
    case WM_ENABLE:
        if (created_ && !terminated_) OnEnable(wp != 0);
        else enabled_ = wp != 0;
        return 0;
    case WM_GETOBJECT:
        if (created_ && !terminated_)
            if (AccessibleObject* object = NewAccessibleObject()) return AnswerGetObject(wp, lp, object);
        break;
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && mousePointer_ != PointerDefault) {
            ::SetCursor(CurrentCursor());
            return TRUE;
        }
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        break;
    }
    return WindowBase::HandleMessage(msg, wp, lp);
}

bool UserControl::HandleInput(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const std::int16_t button = msg == WM_LBUTTONDOWN ? 1 : msg == WM_RBUTTONDOWN ? 2 : 4;
        if (button == 1) {
            if (::GetFocus() != hwnd()) ::SetFocus(hwnd());
            leftDown_ = true;
        }
        OnMouseDown(button, ShiftState(), XOf(lp), YOf(lp));
        return true;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const std::int16_t button = msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4;
        OnMouseUp(button, ShiftState(), XOf(lp), YOf(lp));
        if (button == 1 && std::exchange(leftDown_, false) && hwnd() &&
            ContainsPoint(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))))
            OnClick();
        return true;
    }
    case WM_LBUTTONDBLCLK:
        leftDown_ = false;  // the release that follows is no click
        OnDblClick();
        return true;
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        OnMouseDown(msg == WM_RBUTTONDBLCLK ? 2 : 4, ShiftState(), XOf(lp), YOf(lp));
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(ButtonsOf(wp), ShiftState(), XOf(lp), YOf(lp));
        return true;
    case WM_KEYDOWN: {
        std::int16_t key = static_cast<std::int16_t>(wp);
        OnKeyDown(key, ShiftState());
        return true;
    }
    case WM_CHAR: {
        std::int16_t ascii = static_cast<std::int16_t>(wp);
        OnKeyPress(ascii);
        return true;
    }
    case WM_KEYUP: {
        std::int16_t key = static_cast<std::int16_t>(wp);
        OnKeyUp(key, ShiftState());
        return true;
    }
    case WM_SETFOCUS:
        focused_ = true;
        // The form first moves the ambient DisplayAsDefault, so the focus mark shows.
        if (Form* form = Form::FromAnyWindow(container_)) form->FocusMoved(hwnd());
        ::NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd(), OBJID_CLIENT, CHILDID_SELF);
        OnGotFocus();
        return true;
    case WM_KILLFOCUS:
        focused_ = false;
        if (Form* form = Form::FromAnyWindow(container_)) form->FocusMoved(reinterpret_cast<HWND>(wp));
        OnLostFocus();
        return true;
    default:
        return false;
    }
}

}  // namespace forms
