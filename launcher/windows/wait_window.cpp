#include "launcher/windows/wait_window.h"

#include <commctrl.h>

#include <algorithm>

#include "launcher/windows/messages.h"
#include "platform/message_box.h"
#include "platform/screen.h"

namespace launcher {
namespace {

using platform::ScaledFrom96;

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
    font_.reset(platform::CreateMessageFont());

    const int width = ScaledFrom96(kWidth), margin = ScaledFrom96(kMargin);
    bannerHeight_ = ScaledFrom96(kBannerStrip);
    const int textTop = bannerHeight_ + margin, barTop = textTop + ScaledFrom96(kTextHeight) + margin / 2;
    RECT frame{0, 0, width, barTop + ScaledFrom96(kBarHeight) + margin};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    const SIZE screen = platform::ScreenSize();
    CreateFor(kClass, platform::AppTitle().c_str(), kStyle, 0, (screen.cx - w) / 2, (screen.cy - h) / 2, w, h,
              nullptr);
    if (!hwnd()) return;
    text_ = CreateSystemChild(L"STATIC", kConnecting, SS_CENTER, margin, textTop, width - 2 * margin,
                              ScaledFrom96(kTextHeight), 0, font_.get());
    bar_ = CreateSystemChild(PROGRESS_CLASSW, L"", PBS_MARQUEE, margin, barTop, width - 2 * margin,
                             ScaledFrom96(kBarHeight));
    ::SendMessageW(bar_, PBM_SETMARQUEE, TRUE, 30);
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    ::UpdateWindow(hwnd());
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
    case WM_CLOSE:
        closed_ = true;
        ::DestroyWindow(hwnd());
        return 0;
    }
    return WindowBase::HandleMessage(msg, wp, lp);
}

}  // namespace launcher
