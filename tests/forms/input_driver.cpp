#include "tests/forms/input_driver.h"

#include "forms/keyboard_navigation.h"
#include "platform/handles.h"

namespace hosttest {

void PumpFor(int ms) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(ms);
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (forms::PreTranslateFormMessage(msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(2);
    } while (::GetTickCount64() < end);
}

static void Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof in);
}

void Keys(std::initializer_list<WORD> keys) {
    for (WORD k : keys) Key(k, false);
    for (auto k = keys.end(); k != keys.begin();) Key(*--k, true);
    PumpFor(60);
}

void MoveTo(POINT screen) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof in);
    PumpFor(30);
}

void LeftButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof in);
    PumpFor(30);
}

POINT CentreOf(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::vector<COLORREF> PixelsOf(HWND hwnd) {
    HWND top = ::GetAncestor(hwnd, GA_ROOT);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ::MapWindowPoints(hwnd, top, &origin, 1);
    platform::WindowDC dc(top);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    platform::Bitmap dib(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    platform::MemoryDC memory(::CreateCompatibleDC(dc.get()));
    {
        platform::ScopedSelect select(memory.get(), dib.get());
        ::BitBlt(memory.get(), 0, 0, client.right, client.bottom, dc.get(), origin.x, origin.y, SRCCOPY);
    }
    const auto* first = static_cast<const COLORREF*>(bits);
    return std::vector<COLORREF>(first, first + client.right * client.bottom);
}

}  // namespace hosttest
