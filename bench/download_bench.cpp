// Download throughput: 64 MiB from the loopback test server through DownloadFile on
// a worker thread, its progress carried to a real visible window as the launcher's
// windows get it (PercentRelay, the window's events), against a bare WinInet loop
// with the same 4096-byte reads and no window. The bar fill counts its repaints
// (target: at most 50 a second). The last line is the ratio (target at least 0.9).
#include <windows.h>
#include "platform/wininet.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <thread>

#include "launcher/tools/percent_relay.h"
#include "platform/handles.h"
#include "platform/window_events.h"
#include "services/download.h"
#include "tests/support/http_server.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr std::int64_t kSize = 64LL * 1024 * 1024;

double Now() {
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

long g_fillPaints = 0;
WNDPROC g_staticProc = nullptr;
WNDPROC g_frameProc = nullptr;
platform::WindowEvents g_events;

LRESULT CALLBACK CountingFillProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) ++g_fillPaints;
    return ::CallWindowProcW(g_staticProc, hwnd, msg, wp, lp);
}

LRESULT CALLBACK EventsFrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (g_events.Handle(msg)) return 0;
    return ::CallWindowProcW(g_frameProc, hwnd, msg, wp, lp);
}

// A window with a percentage label and a bar fill, as the launcher's windows have,
// that runs the events of g_events.
class ProgressWindow {
public:
    ProgressWindow() {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        frame_.reset(::CreateWindowW(L"STATIC", L"download", WS_OVERLAPPEDWINDOW, 0, 0, 420, 120, nullptr, nullptr,
                                     instance, nullptr));
        label_ = ::CreateWindowW(L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 60, 20, frame_.get(), nullptr,
                                 instance, nullptr);
        fill_ = ::CreateWindowW(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 10, 40, 0, 16, frame_.get(),
                                nullptr, instance, nullptr);
        g_staticProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(fill_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingFillProc)));
        g_frameProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(frame_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EventsFrameProc)));
        g_events.Attach(frame_.get());
        ::ShowWindow(frame_.get(), SW_SHOWNOACTIVATE);
        ::UpdateWindow(frame_.get());
    }
    ~ProgressWindow() { g_events.Attach(nullptr); }
    // Like the launcher's windows, touches the controls only when what they show changes.
    void ShowPercent(int percent) {
        ++updates;
        const std::wstring text = std::to_wstring(percent) + L"%";
        if (text != shownText_) {
            ::SetWindowTextW(label_, text.c_str());
            shownText_ = text;
        }
        if (percent * 56 / 15 != shownWidth_) {
            shownWidth_ = percent * 56 / 15;
            ::MoveWindow(fill_, 10, 40, shownWidth_, 16, TRUE);
        }
    }
    bool Valid() const { return frame_ && label_ && fill_; }
    long updates = 0;

private:
    platform::Window frame_;
    HWND label_ = nullptr;
    HWND fill_ = nullptr;
    std::wstring shownText_;
    int shownWidth_ = 0;
};

// The baseline: open the URL, read 4096 bytes at a time into a file.
std::int64_t BareLoop(const std::wstring& url, const std::wstring& path) {
    platform::Internet session(::InternetOpenW(nullptr, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    platform::Internet request(::InternetOpenUrlW(session.get(), url.c_str(), nullptr, 0,
                                                  INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
    platform::File file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!request || !file) return -1;
    std::vector<char> buffer(4096);
    std::int64_t total = 0;
    DWORD read = 0;
    do {
        if (!::InternetReadFile(request.get(), buffer.data(), 4096, &read)) return -1;
        DWORD written = 0;
        if (!::WriteFile(file.get(), buffer.data(), read, &written, nullptr)) return -1;
        total += written;
    } while (read > 0);
    return total;
}

double MiBPerSecond(double seconds) { return static_cast<double>(kSize) / (1024.0 * 1024.0) / seconds; }

// DownloadFile on a worker, as a tool fetch runs it; this thread takes its messages
// (the progress events) until the worker's last event.
void DownloadThroughWindow(const std::wstring& url, const std::wstring& path, ProgressWindow& window) {
    bool finished = false;
    std::thread worker([&] {
        launcher::PercentRelay relay(g_events, &window, [&window](int percent) { window.ShowPercent(percent); });
        services::DownloadFile(url, path, &relay);
        g_events.Post(&window, [&finished] { finished = true; });
    });
    MSG msg;
    while (!finished && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    worker.join();
}

}  // namespace

// Both transfers run kRounds times, alternating, so that a burst of load on the
// machine does not fall on one side only; the best time of each is compared.
constexpr int kRounds = 5;

int main() {
    testsupport::HttpServer server;
    server.Serve("/bench.bin", testsupport::PatternBytes(0, static_cast<std::size_t>(kSize)));
    testsupport::TempFolder folder(L"norvel-bench");
    const std::wstring url = server.Url("/bench.bin");
    ProgressWindow window;
    if (!window.Valid()) {
        std::printf("cannot create the progress window\n");
        return 1;
    }

    double bareBest = 1e9, engineBest = 1e9, paintRateMost = 0;
    for (int round = 1; round <= kRounds; ++round) {
        double start = Now();
        const std::int64_t bare = BareLoop(url, folder.File(L"bare.bin"));
        const double bareSeconds = Now() - start;

        window.updates = 0;
        g_fillPaints = 0;
        std::filesystem::remove(folder.Path() / L"engine.bin");
        start = Now();
        DownloadThroughWindow(url, folder.File(L"engine.bin"), window);
        const double engineSeconds = Now() - start;
        std::error_code ec;
        const auto engineBytes = std::filesystem::file_size(folder.Path() / L"engine.bin", ec);

        if (bare != kSize || ec || static_cast<std::int64_t>(engineBytes) != kSize) {
            std::printf("transfer incomplete: bare %lld, DownloadFile %lld of %lld bytes\n",
                        static_cast<long long>(bare), ec ? -1LL : static_cast<long long>(engineBytes),
                        static_cast<long long>(kSize));
            return 1;
        }
        std::printf("round %d: bare WinInet loop %.1f MiB/s (%.2f s), DownloadFile %.1f MiB/s (%.2f s, %ld updates, "
                    "%ld repaints: %.0f a second)\n",
                    round, MiBPerSecond(bareSeconds), bareSeconds, MiBPerSecond(engineSeconds), engineSeconds,
                    window.updates, g_fillPaints, static_cast<double>(g_fillPaints) / engineSeconds);
        std::fflush(stdout);
        bareBest = std::min(bareBest, bareSeconds);
        engineBest = std::min(engineBest, engineSeconds);
        paintRateMost = std::max(paintRateMost, static_cast<double>(g_fillPaints) / engineSeconds);
    }
    std::printf("most bar repaints in a second of DownloadFile: %.0f (target <= 50)\n", paintRateMost);
    std::printf("best: bare WinInet loop %.1f MiB/s, DownloadFile %.1f MiB/s\n", MiBPerSecond(bareBest),
                MiBPerSecond(engineBest));
    std::printf("ratio DownloadFile / bare loop: %.2f (target >= 0.9)\n", bareBest / engineBest);
    return 0;
}
