#include "launcher/windows/about_box.h"

#include <iterator>

#include "forms/form.h"
#include "forms/window_base.h"
#include "launcher/app/app_version.h"
#include "launcher/tools/shell_open.h"
#include "platform/handles.h"
#include "platform/log.h"
#include "platform/screen.h"

namespace launcher {
namespace {

constexpr wchar_t kClass[] = L"NorvelAbout";
constexpr wchar_t kTitle[] = L"Informazioni su NorvelAssist";
constexpr int kOpenFolder = 100;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// The box's client size and its children's places at 96 dpi: the text, "Apri
// cartella" and OK, in creation order.
constexpr SIZE kClient{460, 150};
constexpr RECT kPlaces[] = {{12, 12, 448, 92}, {248, 110, 358, 138}, {366, 110, 448, 138}};

class AboutBox : public forms::WindowBase {
public:
    AboutBox(HWND owner, const Session& session) : toolFolder_(session.toolFolder) {
        RegisterClassOnce(kClass, 0, ::GetSysColorBrush(COLOR_BTNFACE));
        RECT ownerRect{};
        ::GetWindowRect(owner, &ownerRect);
        const forms::Form* form = forms::Form::FromAnyWindow(owner);
        dpi_ = form ? form->Dpi() : platform::WindowDpi(owner);
        const SIZE frame = FrameSize();
        CreateFor(kClass, kTitle, kStyle, kExStyle, (ownerRect.left + ownerRect.right - frame.cx) / 2,
                  (ownerRect.top + ownerRect.bottom - frame.cy) / 2, frame.cx, frame.cy, owner);
        if (!hwnd()) return;
        const std::wstring log = platform::LogPath();
        const std::wstring text = L"NorvelAssist versione " + AppVersionText() + L"\r\nServer: " +
                                  (session.serverBaseUrl.empty() ? L"nessuno" : session.serverBaseUrl) +
                                  L"\r\nCartella: " + session.toolFolder + L"\r\nRegistro: " +
                                  (log.empty() ? L"non disponibile" : log);
        children_[0] = CreateSystemChild(L"STATIC", text.c_str(), SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0);
        children_[1] =
            CreateSystemChild(L"BUTTON", L"Apri cartella", BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 0, 0, kOpenFolder);
        children_[2] = CreateSystemChild(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 0, 0, IDOK);
        Layout();
    }

    // Runs until the box closes, with the owner disabled meanwhile.
    void RunModal(HWND owner) {
        if (!hwnd()) return;
        ::EnableWindow(owner, FALSE);
        ::ShowWindow(hwnd(), SW_SHOW);
        ::SetFocus(::GetDlgItem(hwnd(), IDOK));
        MSG msg;
        while (hwnd() && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (::IsDialogMessageW(hwnd(), &msg)) continue;  // Tab, Enter, Esc
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (msg.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(msg.wParam));
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_DPICHANGED) {
            dpi_ = platform::TakeSuggestedPlace(hwnd(), wp, lp);
            Layout();
            ::InvalidateRect(hwnd(), nullptr, TRUE);
            return 0;
        }
        if (msg == WM_COMMAND && LOWORD(wp) == kOpenFolder) {
            ShellOpen(hwnd(), toolFolder_, SW_SHOWNORMAL);
            return 0;
        }
        if ((msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) || msg == WM_CLOSE) {
            ::EnableWindow(::GetWindow(hwnd(), GW_OWNER), TRUE);  // before it goes, so the owner is activated
            ::DestroyWindow(hwnd());
            return 0;
        }
        return WindowBase::HandleMessage(msg, wp, lp);
    }

private:
    int Scaled(int pixels96) const { return ::MulDiv(pixels96, dpi_, 96); }

    SIZE FrameSize() const {
        RECT frame{0, 0, Scaled(kClient.cx), Scaled(kClient.cy)};
        platform::AdjustWindowRectForDpi(frame, kStyle, kExStyle, dpi_);
        return SIZE{frame.right - frame.left, frame.bottom - frame.top};
    }

    // The children's places and font at dpi_, from the 96-dpi layout.
    void Layout() {
        platform::Font font(platform::CreateMessageFont(dpi_));  // in use before the old one goes
        for (size_t i = 0; i < std::size(kPlaces); ++i) {
            const RECT& p = kPlaces[i];
            ::SendMessageW(children_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
            ::SetWindowPos(children_[i], nullptr, Scaled(p.left), Scaled(p.top), Scaled(p.right) - Scaled(p.left),
                           Scaled(p.bottom) - Scaled(p.top), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        font_ = std::move(font);
    }

    std::wstring toolFolder_;
    int dpi_ = 96;  // the box's: its owner's at first (a form's own), then from WM_DPICHANGED
    HWND children_[std::size(kPlaces)]{};
    platform::Font font_;
};

}  // namespace

void ShowAboutBox(HWND owner, const Session& session) {
    AboutBox box(owner, session);
    box.RunModal(owner);
}

}  // namespace launcher
