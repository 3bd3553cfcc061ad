#include "launcher/app/single_instance.h"

#include <string>

#include "platform/log.h"

namespace launcher {
namespace {

constexpr wchar_t kMutexName[] = L"Local\\NorvelAssist.Launcher";
constexpr wchar_t kClass[] = L"NorvelAssistInstance";
// Answered with 1 when a window came to the front, 0 when there was none.
constexpr UINT kBringToFront = WM_APP + 1;
// How long a later start waits for a running launcher that has no window to show.
constexpr ULONGLONG kTakeOverMs = 5000;
SingleInstance* g_first = nullptr;  // this process's instance, when it is the first

// The launcher's window in front of its others (a dialog or message box over the
// main window, the wait window during start-up): the first visible top-level
// window of this thread in the screen's z-order. False when it has none.
bool BringOwnWindowToFront() {
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (::GetWindowThreadProcessId(w, nullptr) != ::GetCurrentThreadId() || !::IsWindowVisible(w)) continue;
        if (::IsIconic(w)) ::ShowWindow(w, SW_RESTORE);
        ::SetForegroundWindow(w);
        ::BringWindowToTop(w);
        return true;
    }
    return false;
}

DWORD MsLeft(ULONGLONG deadline) {
    const ULONGLONG now = ::GetTickCount64();
    return now < deadline ? static_cast<DWORD>(deadline - now) : 0;
}

// Asks the running launcher's message window to bring its window forward; true when
// it answered that it did.
bool AskToShowItsWindow(HWND running, DWORD waitMs) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(running, &pid);
    ::AllowSetForegroundWindow(pid);  // this start was the user's: the right passes on
    DWORD_PTR shown = 0;
    return ::SendMessageTimeoutW(running, kBringToFront, 0, 0, SMTO_NORMAL, waitMs, &shown) && shown == 1;
}

}  // namespace

SingleInstance::SingleInstance() {
    mutex_.reset(::CreateMutexW(nullptr, FALSE, kMutexName));
    if (!mutex_) {
        // Without a mutex (no rights on the namespace) the start goes on alone.
        platform::Log(L"mutex dell'istanza non creato " + platform::ErrorText(::GetLastError()));
        BecomeFirst();
        return;
    }
    if (TakeMutex(0)) BecomeFirst();
}

SingleInstance::~SingleInstance() { Release(); }

// True when this thread now owns the mutex, also when its last owner ended without
// giving it up.
bool SingleInstance::TakeMutex(DWORD waitMs) {
    const DWORD result = ::WaitForSingleObject(mutex_.get(), waitMs);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void SingleInstance::BecomeFirst() {
    first_ = true;
    RegisterClassOnce(kClass, 0);
    if (!CreateFor(kClass, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE))
        platform::Log(L"finestra dei messaggi dell'istanza non creata " + platform::ErrorText(::GetLastError()));
    g_first = this;
}

bool SingleInstance::TakeOverUnlessRunningShows() {
    const ULONGLONG deadline = ::GetTickCount64() + kTakeOverMs;
    // The running launcher makes its message window right after taking the mutex and
    // destroys it right before giving the mutex up: until the window is found, the
    // mutex may come free.
    HWND running = nullptr;
    bool taken = false;
    do {
        running = ::FindWindowExW(HWND_MESSAGE, nullptr, kClass, nullptr);
        taken = !running && TakeMutex(20);
    } while (!running && !taken && MsLeft(deadline) > 0);
    if (running) {
        if (AskToShowItsWindow(running, MsLeft(deadline))) return false;
        taken = TakeMutex(MsLeft(deadline));
    }
    if (!taken) return false;
    platform::Log(L"l'istanza precedente stava terminando: attesi " +
                  std::to_wstring(kTakeOverMs - MsLeft(deadline)) + L" ms");
    BecomeFirst();
    return true;
}

void SingleInstance::Release() noexcept {
    if (g_first == this) g_first = nullptr;
    if (hwnd()) ::DestroyWindow(hwnd());
    if (first_ && mutex_ && !::ReleaseMutex(mutex_.get()))
        platform::Log(L"mutex dell'istanza non rilasciato " + platform::ErrorText(::GetLastError()));
    mutex_.reset();
}

void LetAnotherLauncherStart() noexcept {
    if (g_first) g_first->Release();
}

LRESULT SingleInstance::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kBringToFront) return BringOwnWindowToFront() ? 1 : 0;
    return WindowBase::HandleMessage(msg, wp, lp);
}

}  // namespace launcher
