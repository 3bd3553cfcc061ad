// The sign of life of a slow start-up: a small window with the application's title,
// the top of the banner, "Connessione al server di assistenza in corso..." and a
// marquee bar, shown while the servers are asked. The user may close it to give up.
// It also shows the download of the launcher's own update. It is laid out for its
// own DPI, and again at each WM_DPICHANGED.
#pragma once

#include "forms/window_base.h"
#include "platform/handles.h"

namespace launcher {

class WaitWindow : public forms::WindowBase {
public:
    WaitWindow();  // made, shown and brought to the front
    ~WaitWindow() override;

    // True once the user closed it (the window is then gone).
    bool Closed() const noexcept { return closed_; }

    // Turns it into a download's window: "Attendere prego, download in corso..." and
    // a bar that ShowPercent moves.
    void ShowDownload();
    void ShowPercent(int percent);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc) const;
    int Scaled(int pixels96) const;
    SIZE FrameSize() const;
    void Layout();

    platform::Bitmap banner_;
    SIZE bannerSize_{};
    platform::Font font_;
    int dpi_ = 96;          // the window's: from the system, then from WM_DPICHANGED
    int bannerHeight_ = 0;  // on screen, in pixels
    bool closed_ = false;
    HWND text_ = nullptr;
    HWND bar_ = nullptr;
};

}  // namespace launcher
