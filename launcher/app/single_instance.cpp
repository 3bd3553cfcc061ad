#include "launcher/app/single_instance.h"

namespace launcher {
namespace {

constexpr wchar_t kMutexName[] = L"Local\\NorvelAssist.Launcher";
constexpr wchar_t kClass[] = L"NorvelAssistInstance";
constexpr UINT kBringToFront = WM_APP + 1;
SingleInstance* g_first = nullptr;  // this process's instance, when it is the first

// The launcher's window in front of its others (a dialog or message box over the
// main window, the wait window during start-up): the first visible top-level
// window of this thread in the screen's z-order.
void BringOwnWindowToFront() {
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (::GetWindowThreadProcessId(w, nullptr) != ::GetCurrentThreadId() || !::IsWindowVisible(w)) continue;
        if (::IsIconic(w)) ::ShowWindow(w, SW_RESTORE);
        ::SetForegroundWindow(w);
        ::BringWindowToTop(w);
        return;
    }
}

}  // namespace

SingleInstance::SingleInstance() {
    mutex_.reset(::CreateMutexW(nullptr, FALSE, kMutexName));
    // Without a mutex (no rights on the namespace) the start goes on alone.
    first_ = !mutex_ || ::GetLastError() != ERROR_ALREADY_EXISTS;
    if (!first_) return;
    RegisterClassOnce(kClass, 0);
    CreateFor(kClass, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
    g_first = this;
}

SingleInstance::~SingleInstance() { Release(); }

void SingleInstance::Release() {
    if (g_first == this) g_first = nullptr;
    if (hwnd()) ::DestroyWindow(hwnd());
    mutex_.reset();
}

void LetAnotherLauncherStart() {
    if (g_first) g_first->Release();
}

LRESULT SingleInstance::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kBringToFront) {
        BringOwnWindowToFront();
        return 0;
    }
    return WindowBase::HandleMessage(msg, wp, lp);
}

bool BringRunningLauncherToFront() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (const HWND running = ::FindWindowExW(HWND_MESSAGE, nullptr, kClass, nullptr)) {
            DWORD pid = 0;
            ::GetWindowThreadProcessId(running, &pid);
            ::AllowSetForegroundWindow(pid);  // this start was the user's: the right passes on
            return ::PostMessageW(running, kBringToFront, 0, 0) != FALSE;
        }
        ::Sleep(20);
    }
    return false;
}

}  // namespace launcher
