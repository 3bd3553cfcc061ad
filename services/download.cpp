#include "services/download.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/handles.h"
#include "platform/pending_messages.h"
#include "services/http_request.h"
#include "services/sha256.h"

namespace services {
namespace {

constexpr DWORD kReadSize = 4096;
constexpr DWORD kTransferFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RESYNCHRONIZE;
constexpr int kTwipsPerPercent = 56;

void Show(ProgressDisplay* window, std::int64_t total, std::int64_t length) {
    if (!window) return;
    const int percent = DownloadPercentage(total, length);
    window->ShowProgress(percent * kTwipsPerPercent, std::to_wstring(percent) + L"%");
}

// When the transfer loop lets this thread's windows take their messages: after the
// first and the last chunk, as soon as input is waiting and otherwise once 10 ms have
// passed, so that a fast transfer does not pay a window-system round trip per chunk.
// Windows are repainted on passes at least 20 ms apart and on the last one. Looking
// for input is a round trip too: it is done at most every 2 ms.
class MessagePacer {
public:
    void AfterChunk(bool last) {
        const Clock::time_point now = Clock::now();
        const bool paint = last || now - lastPaint_ >= kPaintInterval;
        bool pass = paint || now - lastPass_ >= kPassInterval;
        if (!pass && now - lastInputLook_ >= kInputLookInterval) {
            lastInputLook_ = now;
            pass = HIWORD(::GetQueueStatus(QS_INPUT)) != 0;
        }
        if (!pass) return;
        platform::ProcessPendingMessages(paint);
        lastPass_ = lastInputLook_ = Clock::now();
        if (paint) lastPaint_ = lastPass_;
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kPassInterval = std::chrono::milliseconds(10);
    static constexpr auto kPaintInterval = std::chrono::milliseconds(20);
    static constexpr auto kInputLookInterval = std::chrono::milliseconds(2);
    Clock::time_point lastPaint_ = Clock::now() - kPaintInterval;  // the first chunk's pass paints
    Clock::time_point lastPass_ = lastPaint_;
    Clock::time_point lastInputLook_ = lastPaint_;
};

std::wstring LongPath(const std::wstring& path) {
    return path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

// The file the body is written into before it replaces the target: next to it,
// created new and held without sharing, deleted unless it has replaced the target.
class PartFile {
public:
    explicit PartFile(const std::wstring& target) {
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
            path_ = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
                    L".download";
            file_.reset(::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
            if (!file_ && ::GetLastError() != ERROR_FILE_EXISTS) break;
        }
    }
    ~PartFile() {
        file_.reset();
        if (!kept_) ::DeleteFileW(path_.c_str());
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    explicit operator bool() const { return static_cast<bool>(file_); }
    bool Write(const void* data, DWORD size) {
        DWORD written = 0;
        return ::WriteFile(file_.get(), data, size, &written, nullptr) && written == size;
    }
    // Closes the file and moves it over `target`.
    bool ReplaceTarget(const std::wstring& target) {
        file_.reset();
        kept_ = ::MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
        return kept_;
    }

private:
    std::wstring path_;
    platform::File file_;
    bool kept_ = false;
};

}  // namespace

int DownloadPercentage(std::int64_t total, std::int64_t contentLength) {
    if (contentLength <= 0) return 100;
    // nearbyint rounds in the default mode: to nearest, ties to even. The result is
    // kept small enough for its fill width in twips to fit an int.
    const double percent = std::nearbyint(static_cast<double>(total) / static_cast<double>(contentLength) * 100.0);
    return static_cast<int>(std::clamp(percent, 0.0, static_cast<double>(INT_MAX / kTwipsPerPercent)));
}

std::int64_t GetContentLength(const std::wstring& url) {
    // Asked with HEAD: the answer carries the same Content-Length as a GET and has no
    // body, which WinInet would otherwise read to its end before closing the request.
    // Never looked up in WinInet's cache: the size must be the server's, and the lookup
    // costs more than the request.
    HttpRequest request;
    if (!SendHttpRequest(L"HEAD", url, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, request)) return -1;
    return ContentLengthHeader(request.request.get());
}

void DownloadFile(std::wstring url, std::wstring localPath, ProgressDisplay* window,
                  const std::wstring& sha256Pin) {
    const std::int64_t contentLength = GetContentLength(url);
    if (contentLength < 0) return;

    // An existing target is held without sharing for the whole transfer; one that
    // cannot be (a running copy of the tool, another transfer) stays as it is.
    const std::wstring target = LongPath(localPath);
    platform::File held(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!held && ::GetLastError() != ERROR_FILE_NOT_FOUND) return;

    PartFile part(target);
    if (!part) return;

    HttpRequest request;
    if (!SendHttpRequest(L"GET", url, kTransferFlags, request)) return;
    if (StatusCode(request.request.get()) != HTTP_STATUS_OK) return;
    const std::int64_t announced = std::max(contentLength, ContentLengthHeader(request.request.get()));

    std::vector<char> buffer(kReadSize);
    std::optional<Sha256> received;  // only a pinned download is hashed
    if (!sha256Pin.empty()) received.emplace();
    std::int64_t total = 0;
    bool ended = false;
    MessagePacer pacer;
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(request.request.get(), buffer.data(), kReadSize, &read)) break;
        if (!part.Write(buffer.data(), read)) break;
        if (received) received->Add(buffer.data(), read);
        total += read;
        Show(window, total, contentLength);
        pacer.AfterChunk(read == 0);
        if (read == 0) {
            ended = true;
            break;
        }
    }
    if (!ended || total < announced) return;
    if (received && !MatchesPin(received->HexDigest(), sha256Pin)) return;
    held.reset();
    part.ReplaceTarget(target);
}

}  // namespace services
