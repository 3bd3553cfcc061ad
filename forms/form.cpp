#include "forms/form.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "forms/colors.h"
#include "forms/screen_pointer.h"
#include "forms/twips.h"
#include "platform/high_contrast.h"
#include "platform/log.h"
#include "platform/pending_messages.h"
#include "platform/screen.h"
#include "platform/text.h"

namespace forms {
namespace {

constexpr wchar_t kFormClass[] = L"NorvelForm";
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

std::set<Form*>& OpenForms() {
    static std::set<Form*> forms;
    return forms;
}
std::function<void()>& AtEnd() {
    static std::function<void()> atEnd;
    return atEnd;
}
std::function<void(Form&)>& ShowHook() {
    static std::function<void(Form&)> hook;
    return hook;
}

// A hosted button as one of the form's controls.
class ButtonSlot : public Control {
public:
    ButtonSlot(Form& form, const ControlDescription& d) : Control(form, d) {
        const RECT r = PixelBounds();
        ButtonPlacement placement;
        placement.parent = form.hwnd();
        placement.name = d.name;
        placement.x = r.left;
        placement.y = r.top;
        placement.width = r.right - r.left;
        placement.height = r.bottom - r.top;
        placement.tabIndex = d.tabIndex;
        placement.dpi = form.Dpi();
        placement.containerBackColor = form.BackColor();
        button_ = CreateHostedButton(d.kind, placement, d.properties);
        Place(button_->Handle());
    }
    HWND Handle() const override { return button_->Handle(); }
    HostedButton& Button() { return *button_; }
    void Relayout() override { button_->Relayout(Parent().Dpi(), PixelBounds()); }

private:
    std::unique_ptr<HostedButton> button_;
};

}  // namespace

Form::Form(FormDescription description) : description_(std::move(description)) {}

Form::~Form() {
    Unload();
    controls_.clear();
}

void Form::Load() {
    if (IsLoaded()) return;
    // A pass over pending messages in the middle of a job takes the forms' keys too.
    platform::SetMessageFilter(PreTranslateFormMessage);
    OnLoadStarting();
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterClassOnce(kFormClass, CS_DBLCLKS, nullptr, ::LoadIconW(instance, L"APPICON"));
    dpi_ = platform::SystemDpi();
    SIZE frame = FrameSize();
    const SIZE screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    backBrush_.reset(::CreateSolidBrush(ToRgb(description_.backColor)));
    CreateFor(kFormClass, description_.caption.c_str(), kFormStyle, 0, (screen.cx - frame.cx) / 2,
              (screen.cy - frame.cy) / 2, frame.cx, frame.cy, owner_);
    if (!hwnd()) throw std::runtime_error("form window not created");
    if (const int shown = platform::WindowDpi(hwnd()); shown != dpi_) {
        // Made on a screen of another scale than the system's: sized for it.
        dpi_ = shown;
        frame = FrameSize();
        ::SetWindowPos(hwnd(), nullptr, (screen.cx - frame.cx) / 2, (screen.cy - frame.cy) / 2, frame.cx, frame.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!description_.picture.empty()) LoadPicture(instance);
    events_.Attach(hwnd());
    OpenForms().insert(this);
    CreateControls();
    FocusMoved(::GetFocus());
    OnLoad();
}

SIZE Form::FrameSize() const {
    RECT frame{0, 0, TwipsToPixels(description_.clientWidth, dpi_), TwipsToPixels(description_.clientHeight, dpi_)};
    platform::AdjustWindowRectForDpi(frame, kFormStyle, 0, dpi_);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void Form::ChangeDpi(WPARAM wp, LPARAM lp) {
    // The new DPI first: the move asks for the largest size the layout takes at it.
    dpi_ = HIWORD(wp);
    platform::TakeSuggestedPlace(hwnd(), wp, lp);
    if (picture_) LoadArt(::GetModuleHandleW(nullptr));
    for (auto& c : controls_) c->Relayout();
    ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::CreateControls() {
    controls_.clear();
    for (const ControlDescription& d : description_.controls) {
        std::unique_ptr<Control> control;
        if (d.kind == "label")
            control = std::make_unique<Label>(*this, d);
        else if (d.kind == "checkbox")
            control = std::make_unique<CheckBox>(*this, d);
        else if (d.kind == "listbox")
            control = std::make_unique<ListBox>(*this, d);
        else if (d.kind == "shape")
            control = std::make_unique<Shape>(*this, d);
        else if (d.kind == "commandbutton")
            control = std::make_unique<CommandButton>(*this, d);
        else if (IsButtonKind(d.kind))
            control = std::make_unique<ButtonSlot>(*this, d);
        else
            throw std::runtime_error("unknown control kind " + d.kind);
        controls_.push_back(std::move(control));
    }
}

void Form::Show() {
    Load();
    if (!IsLoaded()) return;
    const bool wasVisible = ::IsWindowVisible(hwnd());
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    ::BringWindowToTop(hwnd());
    if (!wasVisible) {
        ::UpdateWindow(hwnd());
        FocusFirstControl();
        OnShown();
        if (ShowHook()) ShowHook()(*this);
    }
}

void Form::ShowModal(HWND owner) {
    owner_ = owner;
    Load();
    owner_ = nullptr;  // a later Load() makes an unowned window again
    if (!IsLoaded()) return;
    modal_ = true;
    for (Form* other : OpenForms()) {
        if (other != this && other->hwnd() && ::IsWindowEnabled(other->hwnd())) {
            ::EnableWindow(other->hwnd(), FALSE);
            disabledForms_.push_back(other->hwnd());
        }
    }
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    ::UpdateWindow(hwnd());
    FocusFirstControl();
    if (ShowHook()) ShowHook()(*this);
    RunMessageLoopWhileLoaded();
    modal_ = false;
}

void Form::RunMessageLoopWhileLoaded() {
    RunMessageLoop([this] { return IsLoaded(); });
}

void Form::EnableOtherForms() {
    // Before the modal form goes, so that activation returns to its owner.
    for (HWND other : disabledForms_)
        if (::IsWindow(other)) ::EnableWindow(other, TRUE);
    disabledForms_.clear();
}

void Form::Unload() {
    if (!IsLoaded()) return;
    EnableOtherForms();
    ::DestroyWindow(hwnd());
}

void Form::OnDestroyed() {
    events_.Attach(nullptr);
    EnableOtherForms();
    lastFocus_ = nullptr;
    OpenForms().erase(this);
    if (!OpenForms().empty() || !AtEnd()) return;
    AtEnd()();
    ::PostQuitMessage(0);
}

template <typename T>
T& Form::Get(const std::wstring& name) {
    if (auto* typed = dynamic_cast<T*>(FindControl(name))) return *typed;
    throw std::out_of_range("no such control");
}

Control* Form::FindControl(const std::wstring& name) {
    for (auto& c : controls_)
        if (c->Name() == name) return c.get();
    return nullptr;
}

Label& Form::GetLabel(const std::wstring& name) { return Get<Label>(name); }
CheckBox& Form::GetCheckBox(const std::wstring& name) { return Get<CheckBox>(name); }
ListBox& Form::GetListBox(const std::wstring& name) { return Get<ListBox>(name); }
Shape& Form::GetShape(const std::wstring& name) { return Get<Shape>(name); }
CommandButton& Form::GetCommandButton(const std::wstring& name) { return Get<CommandButton>(name); }
HostedButton& Form::GetButton(const std::wstring& name) { return Get<ButtonSlot>(name).Button(); }

void Form::PaintUnder(HDC dc, const Control& above) const {
    const RECT r = above.PixelBounds();
    POINT oldOrigin{};
    ::SetViewportOrgEx(dc, -r.left, -r.top, &oldOrigin);
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    PaintBackground(dc, r);
    for (const auto& c : controls_) {
        if (c.get() == &above) break;
        RECT overlap{};
        const RECT b = c->PixelBounds();
        if (::IntersectRect(&overlap, &b, &r)) c->PaintUnder(dc);
    }
    ::RestoreDC(dc, saved);
    ::SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

bool Form::ShowsScreenPointer() const { return ScreenMousePointer() != kPointerDefault; }

std::vector<HWND> Form::TabOrder() const {
    std::vector<const Control*> order;
    for (const auto& c : controls_)
        if (c->TabIndex() >= 0 && c->Visible() && c->Enabled()) order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    std::vector<HWND> handles;
    for (const Control* c : order) handles.push_back(c->Handle());
    return handles;
}

void Form::FocusFirstControl() {
    const auto order = TabOrder();
    ::SetFocus(order.empty() ? hwnd() : order.front());
}

void Form::FocusNextControl(bool backwards) {
    const auto order = TabOrder();
    if (order.empty()) return;
    const HWND focus = ::GetFocus();
    auto at = std::find(order.begin(), order.end(), focus);
    size_t index = 0;
    if (at != order.end()) {
        const size_t current = static_cast<size_t>(at - order.begin());
        index = backwards ? (current + order.size() - 1) % order.size() : (current + 1) % order.size();
    } else if (backwards) {
        index = order.size() - 1;
    }
    ::SetFocus(order[index]);
}

Form* Form::FromAnyWindow(HWND hwnd) {
    HWND root = hwnd ? ::GetAncestor(hwnd, GA_ROOT) : nullptr;
    if (!root) return nullptr;
    wchar_t className[32]{};
    ::GetClassNameW(root, className, 32);
    if (::lstrcmpW(className, kFormClass) != 0) return nullptr;
    return dynamic_cast<Form*>(WindowBase::FromHandle(root));
}

int Form::OpenFormCount() { return static_cast<int>(OpenForms().size()); }
void Form::EndProcessWithLastForm(std::function<void()> atEnd) { AtEnd() = std::move(atEnd); }
void Form::SetShowHook(std::function<void(Form&)> hook) { ShowHook() = std::move(hook); }

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (events_.Handle(msg)) return 0;
    switch (msg) {
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_COMMAND:
            if (lp) {
                for (auto& c : controls_) {
                    if (c->Handle() == reinterpret_cast<HWND>(lp)) {
                        c->OnCommand(HIWORD(wp));
                        break;
                    }
                }
            }
            return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(hwnd(), &client);
            PaintBackground(reinterpret_cast<HDC>(wp), client);
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (platform::HighContrastOn()) {
                ::SetBkColor(reinterpret_cast<HDC>(wp), ::GetSysColor(COLOR_WINDOW));
                ::SetTextColor(reinterpret_cast<HDC>(wp), ::GetSysColor(COLOR_WINDOWTEXT));
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
            }
            ::SetBkColor(reinterpret_cast<HDC>(wp), ToRgb(description_.backColor));
            return reinterpret_cast<LRESULT>(backBrush_.get());
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
            // Top-level windows hear of it; the controls are told, then all is repainted.
            platform::RefreshHighContrast();
            for (auto& c : controls_) ::SendMessageW(c->Handle(), msg, wp, lp);
            ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_DPICHANGED:
            ChangeDpi(wp, lp);
            return 0;
        case WM_GETMINMAXINFO: {
            // The layout at a finer DPI may be taller than the screen the system
            // measured the largest window by: the window still takes all of it.
            WindowBase::HandleMessage(msg, wp, lp);
            auto* info = reinterpret_cast<MINMAXINFO*>(lp);
            const SIZE frame = FrameSize();
            info->ptMaxTrackSize.x = std::max<LONG>(info->ptMaxTrackSize.x, frame.cx);
            info->ptMaxTrackSize.y = std::max<LONG>(info->ptMaxTrackSize.y, frame.cy);
            return 0;
        }
        case WM_SETCURSOR:
            if (ShowsScreenPointer()) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus && ::IsChild(hwnd(), focus)) lastFocus_ = focus;
            }
            break;
        case WM_KEYDOWN:  // arrow keys a control posted to its container
            if (MoveFocusForArrow(wp)) return 0;
            break;
        case WM_SETFOCUS:
            if (lastFocus_ && ::IsWindow(lastFocus_) && ::IsWindowEnabled(lastFocus_))
                ::SetFocus(lastFocus_);
            else
                FocusFirstControl();
            return 0;
    }
    return WindowBase::HandleMessage(msg, wp, lp);
}

}  // namespace forms
