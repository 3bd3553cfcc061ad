// A stand-in remote-support tool for the demo site: shows one window captioned with
// its own name (DEMO_TOOL_NAME) until it is closed.
#include <windows.h>

#include <string>

namespace {

#define WIDEN2(x) L##x
#define WIDEN(x) WIDEN2(x)

constexpr wchar_t kName[] = WIDEN(DEMO_TOOL_NAME);
constexpr wchar_t kVersion[] = WIDEN(DEMO_TOOL_VERSION);

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT r{};
        ::GetClientRect(hwnd, &r);
        const std::wstring text = std::wstring(kName) + L"\r\nStrumento dimostrativo, versione " + kVersion;
        ::SetBkMode(dc, TRANSPARENT);
        ::DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_NOPREFIX);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"NorvelDemoTool";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, kName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 360,
                                  140, nullptr, nullptr, instance, nullptr);
    ::ShowWindow(hwnd, show == SW_HIDE ? SW_SHOW : show);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
