#include "launcher/windows/about_box.h"

#include "forms/window_base.h"
#include "launcher/app/app_version.h"
#include "launcher/tools/shell_open.h"
#include "platform/handles.h"
#include "platform/log.h"
#include "platform/screen.h"

namespace launcher {
namespace {

using platform::ScaledFrom96;

constexpr wchar_t kClass[] = L"NorvelAbout";
constexpr wchar_t kTitle[] = L"Informazioni su NorvelAssist";
constexpr int kOpenFolder = 100;

class AboutBox : public forms::WindowBase {
public:
    AboutBox(HWND owner, const Session& session) : toolFolder_(session.toolFolder) {
        RegisterClassOnce(kClass, 0, ::GetSysColorBrush(COLOR_BTNFACE));
        font_.reset(platform::CreateMessageFont());
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        RECT frame{0, 0, ScaledFrom96(460), ScaledFrom96(150)};
        ::AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
        RECT ownerRect{};
        ::GetWindowRect(owner, &ownerRect);
        const int w = frame.right - frame.left, h = frame.bottom - frame.top;
        CreateFor(kClass, kTitle, style, WS_EX_DLGMODALFRAME, (ownerRect.left + ownerRect.right - w) / 2,
                  (ownerRect.top + ownerRect.bottom - h) / 2, w, h, owner);
        if (!hwnd()) return;
        const std::wstring log = platform::LogPath();
        const std::wstring text = L"NorvelAssist versione " + AppVersionText() + L"\r\nServer: " +
                                  (session.serverBaseUrl.empty() ? L"nessuno" : session.serverBaseUrl) +
                                  L"\r\nCartella: " + session.toolFolder + L"\r\nRegistro: " +
                                  (log.empty() ? L"non disponibile" : log);
        CreateSystemChild(L"STATIC", text.c_str(), SS_LEFT | SS_NOPREFIX, ScaledFrom96(12), ScaledFrom96(12),
                          ScaledFrom96(436), ScaledFrom96(80), 0, font_.get());
        CreateSystemChild(L"BUTTON", L"Apri cartella", BS_PUSHBUTTON | WS_TABSTOP, ScaledFrom96(248),
                          ScaledFrom96(110), ScaledFrom96(110), ScaledFrom96(28), kOpenFolder, font_.get());
        CreateSystemChild(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, ScaledFrom96(366), ScaledFrom96(110),
                          ScaledFrom96(82), ScaledFrom96(28), IDOK, font_.get());
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
    std::wstring toolFolder_;
    platform::Font font_;
};

}  // namespace

void ShowAboutBox(HWND owner, const Session& session) {
    AboutBox box(owner, session);
    box.RunModal(owner);
}

}  // namespace launcher
