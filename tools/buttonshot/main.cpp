// buttonshot DESCRIPTION.json OUT.bmp: renders one qvButtons_H through the real
// control in a real top-level window and writes what the window shows.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "buttons/qvbuttons_h.h"
#include "forms/window_base.h"
#include "platform/bmp_file.h"
#include "platform/handles.h"
#include "platform/high_contrast.h"
#include "platform/text.h"
#include "tools/buttonshot/button_description.h"

namespace {

// The top-level window standing in for the container: its client area is the
// control's size and shows the container's background colour around the control.
class StageWindow : public forms::WindowBase {
public:
    StageWindow(int width, int height, std::int32_t backColor)
        : brush_(::CreateSolidBrush(static_cast<COLORREF>(buttons::qvButtons_H::ResolveColor(backColor)))) {
        RegisterClassOnce(L"ButtonshotStage", 0, nullptr);
        CreateFor(L"ButtonshotStage", L"buttonshot", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 0,
                  width > 0 ? width : 1, height > 0 ? height : 1, nullptr);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_ERASEBKGND) {
            RECT rc;
            ::GetClientRect(hwnd(), &rc);
            ::FillRect(reinterpret_cast<HDC>(wp), &rc, brush_.get());
            return 1;
        }
        return WindowBase::HandleMessage(msg, wp, lp);
    }

private:
    platform::Brush brush_;
};

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
    ::LocalFree(argv);
    return args;
}

int Render(const std::wstring& descriptionPath, const std::wstring& outPath) {
    const buttonshot::ButtonDescription d = buttonshot::LoadDescription(descriptionPath);
    platform::ForceHighContrast(d.highContrast);

    StageWindow stage(d.width, d.height, d.containerBackColor);
    if (!stage.hwnd()) throw std::runtime_error("cannot create the window");
    ::ShowWindow(stage.hwnd(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(stage.hwnd());

    buttons::qvButtons_H button;
    button.Parent().BackColor = d.containerBackColor;
    button.SetAmbientUserMode(d.userMode);
    button.SetAmbientDisplayAsDefault(d.displayAsDefault);
    button.SetAmbientBackColor(d.containerBackColor);
    button.SetAmbientDisplayName(L"qvButtons_H1");
    button.Create(stage.hwnd(), 0, 0, d.width, d.height, &d.properties);
    PumpMessages();

    button.SetVisualState({d.hovering, d.heldDown, d.pointerOver, d.defaultOutline, d.pressedLook});
    button.Refresh();
    PumpMessages();
    ::GdiFlush();

    platform::WindowDC screen(stage.hwnd());
    if (!platform::WriteBmp24(screen.get(), 0, 0, d.width, d.height, outPath))
        throw std::runtime_error("cannot write " + platform::ToUtf8(outPath));
    // The state was set by hand: no hover timer runs, so none must be stopped.
    button.SetVisualState({});
    return 0;
}

}  // namespace

int main() {
    const std::vector<std::wstring> args = Arguments();
    if (args.size() == 1 && (args[0] == L"--help" || args[0] == L"-h" || args[0] == L"/?")) {
        std::fputs(buttonshot::kDescriptionHelp, stdout);
        return 0;
    }
    if (args.size() != 2) {
        std::fputs("Usage: buttonshot DESCRIPTION.json OUT.bmp  (buttonshot --help for the format)\n", stderr);
        return 2;
    }
    try {
        return Render(args[0], args[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "buttonshot: %s\n", e.what());
        return 1;
    }
}
