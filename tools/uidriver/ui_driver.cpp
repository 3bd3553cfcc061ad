#include "tools/uidriver/ui_driver.h"

namespace uidriver {
namespace {

struct Search {
    std::wstring caption;
    std::wstring className;  // empty: any
    DWORD pid;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTop(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    if (!::IsWindowVisible(hwnd)) return TRUE;
    if (s->pid) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        if (pid != s->pid) return TRUE;
    }
    if (!s->className.empty() && ClassName(hwnd) != s->className) return TRUE;
    if (Text(hwnd) != s->caption) return TRUE;
    s->found = hwnd;
    return FALSE;
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

HWND FindTop(const std::wstring& caption, const std::wstring& className, DWORD pid) {
    Search s{caption, className, pid};
    ::EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

template <typename F>
HWND Poll(F find, int timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (HWND h = find()) return h;
        if (::GetTickCount64() >= end) return nullptr;
        ::Sleep(20);
    }
}

}  // namespace

std::wstring Text(HWND hwnd) {
    wchar_t buffer[4096]{};
    DWORD_PTR length = 0;
    // A time-out, so a hung target cannot hang the driver.
    if (!::SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                               &length))
        return {};
    return std::wstring(buffer, static_cast<size_t>(length));
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[256]{};
    ::GetClassNameW(hwnd, name, 256);
    return name;
}

HWND FindTopWindow(const std::wstring& caption, DWORD pid) { return FindTop(caption, {}, pid); }

HWND WaitForTopWindow(const std::wstring& caption, DWORD pid, int timeoutMs) {
    return Poll([&] { return FindTopWindow(caption, pid); }, timeoutMs);
}

bool WaitUntilGone(HWND hwnd, int timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (::IsWindow(hwnd)) {
        if (::GetTickCount64() >= end) return false;
        ::Sleep(20);
    }
    return true;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    ::EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND FindChildByText(HWND parent, const std::wstring& text) {
    for (HWND child : Children(parent))
        if (Text(child) == text) return child;
    return nullptr;
}

void Click(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    const LPARAM at = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    ::PostMessageW(hwnd, WM_MOUSEMOVE, 0, at);
    ::PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
}

HWND WaitForMessageBox(const std::wstring& title, DWORD pid, int timeoutMs) {
    return Poll([&] { return FindTop(title, L"#32770", pid); }, timeoutMs);
}

std::wstring MessageBoxText(HWND box) {
    // The text is the static control with the id 0xFFFF.
    HWND text = ::GetDlgItem(box, 0xFFFF);
    return text ? Text(text) : std::wstring{};
}

void DismissMessageBox(HWND box) { ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

RECT ScreenRect(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r;
}

}  // namespace uidriver
