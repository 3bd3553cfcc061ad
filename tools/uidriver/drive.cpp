// norvel-drive: small UI steps for scripts (the demo), one per run.
//   norvel-drive wait CAPTION [SECONDS]          wait for a top-level window
//   norvel-drive rect CAPTION                    print its screen rectangle as WxH+X+Y
//   norvel-drive click CAPTION TEXT              click the control showing TEXT
//   norvel-drive select CAPTION INDEX            select a line of the first list box
//   norvel-drive close CAPTION                   close the window
//   norvel-drive dismiss TITLE [SECONDS]         read a message box, print its text, press OK
// Exit status 0 on success, 1 when the window or control was not found.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/text.h"
#include "tools/uidriver/ui_driver.h"

namespace {

void Print(const std::wstring& text) { std::printf("%s\n", platform::ToUtf8(text).c_str()); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: norvel-drive wait|rect|click|select|close|dismiss CAPTION [ARG]\n");
        return 2;
    }
    const std::wstring command = argv[1], caption = argv[2];
    const int seconds = argc > 3 ? _wtoi(argv[3]) : 20;
    if (command == L"dismiss") {
        HWND box = uidriver::WaitForMessageBox(caption, 0, seconds * 1000);
        if (!box) return 1;
        Print(uidriver::MessageBoxText(box));
        uidriver::DismissMessageBox(box);
        return uidriver::WaitUntilGone(box, 5000) ? 0 : 1;
    }
    HWND window = uidriver::WaitForTopWindow(caption, 0, command == L"wait" ? seconds * 1000 : 5000);
    if (!window) return 1;
    if (command == L"wait") return 0;
    if (command == L"rect") {
        const RECT r = uidriver::ScreenRect(window);
        std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        return 0;
    }
    if (command == L"close") {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return uidriver::WaitUntilGone(window, 10000) ? 0 : 1;
    }
    if (command == L"click" && argc > 3) {
        HWND control = uidriver::FindChildByText(window, argv[3]);
        if (!control) return 1;
        uidriver::Click(control);
        return 0;
    }
    if (command == L"select" && argc > 3) {
        for (HWND child : uidriver::Children(window)) {
            if (uidriver::ClassName(child) == L"ListBox" && ::IsWindowVisible(child)) {
                ::SendMessageW(child, LB_SETCURSEL, _wtoi(argv[3]), 0);
                return 0;
            }
        }
        return 1;
    }
    return 2;
}
