#include "launcher/windows/wait_window.h"

#include <commctrl.h>

#include <algorithm>

#include "launcher/windows/messages.h"
#include "platform/message_box.h"
#include "platform/screen.h"

namespace launcher {
namespace {

constexpr wchar_t kClass[] = L"NorvelWait";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The layout at 96 dpi: the banner's top strip over the full width, then the text
// and the bar on the window's own face.
constexpr int kWidth = 409, kBannerStrip = 124, kMargin = 14, kTextHeight = 20, kBarHeight = 18;

}  // namespace

WaitWindow::WaitWindow() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterClassOnce(kClass, 0, ::GetSysColorBrush(COLOR_BTNFACE), ::LoadIconW(instance, L"APPICON"));
    banner_.reset(static_cast<HBITMAP>(::LoadImageW(instance, L"BANNER", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP bm{};
    if (banner_ && ::GetObjectW(banner_.get(), sizeof bm, &bm)) bannerSize_ = {bm.bmWidth, bm.bmHeight};

    dpi_ = platform::SystemDpi();
    SIZE frame = FrameSize();
    const SIZE screen = platform::ScreenSize();
    CreateFor(kClass, platform::AppTitle().c_str(), kStyle, 0, (screen.cx - frame.cx) / 2, (screen.cy - frame.cy) / 2,
              frame.cx, frame.cy, nullptr);
    if (!hwnd()) return;
    if (const int shown = platform::WindowDpi(hwnd()); shown != dpi_) {
        dpi_ = shown;
        frame = FrameSize();
        ::SetWindowPos(hwnd(), nullptr, (screen.cx - frame.cx) / 2, (screen.cy - frame.cy) / 2, frame.cx, frame.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    text_ = CreateSystemChild(L"STATIC", kConnecting, SS_CENTER, 0, 0, 0, 0);
    bar_ = CreateSystemChild(PROGRESS_CLASSW, L"", PBS_MARQUEE, 0, 0, 0, 0);
    Layout();
    ::SendMessageW(bar_, PBM_SETMARQUEE, TRUE, 30);
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    ::UpdateWindow(hwnd());
}

int WaitWindow::Scaled(int pixels96) const { return ::MulDiv(pixels96, dpi_, 96); }

SIZE WaitWindow::FrameSize() const {
    const int margin = Scaled(kMargin);
    const int barTop = Scaled(kBannerStrip) + margin + Scaled(kTextHeight) + margin / 2;
    RECT frame{0, 0, Scaled(kWidth), barTop + Scaled(kBarHeight) + margin};
    platform::AdjustWindowRectForDpi(frame, kStyle, 0, dpi_);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

// The text, the bar and the text's font at dpi_, from the 96-dpi layout.
void WaitWindow::Layout() {
    platform::Font font(platform::CreateMessageFont(dpi_));  // in use before the old one goes
    ::SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
    const int width = Scaled(kWidth), margin = Scaled(kMargin);
    bannerHeight_ = Scaled(kBannerStrip);
    const int textTop = bannerHeight_ + margin, barTop = textTop + Scaled(kTextHeight) + margin / 2;
    constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(text_, nullptr, margin, textTop, width - 2 * margin, Scaled(kTextHeight), flags);
    ::SetWindowPos(bar_, nullptr, margin, barTop, width - 2 * margin, Scaled(kBarHeight), flags);
}

WaitWindow::~WaitWindow() {
    if (hwnd()) ::DestroyWindow(hwnd());
}

void WaitWindow::ShowDownload() {
    ::SetWindowTextW(text_, kDownloading);
    ::SendMessageW(bar_, PBM_SETMARQUEE, FALSE, 0);
    ::SetWindowLongW(bar_, GWL_STYLE, ::GetWindowLongW(bar_, GWL_STYLE) & ~PBS_MARQUEE);
    ::SendMessageW(bar_, PBM_SETRANGE32, 0, 100);
    ::SendMessageW(bar_, PBM_SETPOS, 0, 0);
}

void WaitWindow::ShowPercent(int percent) { ::SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(percent), 0); }

void WaitWindow::Paint(HDC dc) const {
    if (!banner_) return;
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    platform::MemoryDC source(::CreateCompatibleDC(dc));
    platform::ScopedSelect select(source.get(), banner_.get());
    // The banner's top strip, grown with the layout on a finer screen.
    const int stripRows = std::min<int>(bannerSize_.cy, kBannerStrip);
    const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
    ::StretchBlt(dc, 0, 0, client.right, bannerHeight_, source.get(), 0, 0, std::min<int>(bannerSize_.cx, kWidth),
                 stripRows, SRCCOPY);
    ::SetStretchBltMode(dc, oldMode);
}

LRESULT WaitWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = ::BeginPaint(hwnd(), &ps);
        Paint(dc);
        ::EndPaint(hwnd(), &ps);
        return 0;
    }
    case WM_DPICHANGED: {
        dpi_ = platform::TakeSuggestedPlace(hwnd(), wp, lp);
        Layout();
        ::InvalidateRect(hwnd(), nullptr, TRUE);
        return 0;
    }
    case WM_CLOSE:
        closed_ = true;
        ::DestroyWindow(hwnd());
        return 0;
    }
    return WindowBase::HandleMessage(msg, wp, lp);
}

}  // namespace launcher
