#include "services/download.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/background.h"
#include "platform/handles.h"
#include "platform/pending_messages.h"
#include "services/http_request.h"
#include "platform/log.h"
#include "services/sha256.h"

namespace services {
namespace {

constexpr DWORD kReadSize = 4096;
constexpr DWORD kTransferFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RESYNCHRONIZE;
constexpr int kTwipsPerPercent = 56;
constexpr std::wstring_view kPartSuffix = L".download";
// How often the caller looks for chunks the network thread has received.
constexpr auto kShowInterval = std::chrono::milliseconds(5);

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
                    std::wstring(kPartSuffix);
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
    const std::wstring& Path() const { return path_; }
    // Closes the file, so it can be read and moved.
    void Close() { file_.reset(); }
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

std::int64_t GetContentLength(const std::wstring& url, const CancelFlag* cancel) {
    // Asked with HEAD: the answer carries the same Content-Length as a GET and has no
    // body, which WinInet would otherwise read to its end before closing the request.
    // Never looked up in WinInet's cache: the size must be the server's.
    const std::optional<HeadAnswer> answer = Head(url, cancel);
    return answer ? answer->contentLength : -1;
}

namespace {

// One transfer, shared by the caller and the thread that waits on the network: that
// thread sends the GET, reads the body into the part file and hashes it, and leaves
// the running total after each chunk for the caller, which shows them in turn. A caller
// that stops waiting (the deadline) marks it abandoned and drops the part file; the
// network thread then writes nothing more and ends when its call returns.
struct Transfer {
    Transfer(std::wstring partTarget, bool hashed) : part(std::in_place, partTarget) {
        if (hashed) received.emplace();
    }

    HttpRequest request;
    std::mutex mutex;
    std::condition_variable changed;
    // Guarded by `mutex`:
    std::optional<PartFile> part;
    std::optional<Sha256> received;  // only a pinned download is hashed
    std::vector<std::int64_t> totals;  // the running total after each chunk not yet shown
    std::int64_t announced = -1;       // the GET's Content-Length
    bool ended = false;     // the body was read to its end
    bool finished = false;  // the network thread is done
    bool abandoned = false;
    DWORD status = 0;  // of the GET, 0 when it was not answered
    DWORD error = 0;   // the WinInet error when it was not
};

// The network thread's part.
void Receive(const std::shared_ptr<Transfer>& t, const std::wstring& url) {
    const bool answered = SendHttpRequest(L"GET", url, kTransferFlags, t->request);
    const DWORD error = answered ? 0 : ::GetLastError();
    const DWORD status = answered ? StatusCode(t->request) : 0;
    const bool sent = status == HTTP_STATUS_OK;
    {
        const std::int64_t announced = sent ? ContentLengthHeader(t->request) : -1;
        std::lock_guard lock(t->mutex);
        t->announced = announced;
        t->status = status;
        t->error = error;
    }
    std::vector<char> buffer(kReadSize);
    std::int64_t total = 0;
    for (bool reading = sent; reading;) {
        DWORD read = 0;
        const bool ok = ReadBody(t->request, buffer.data(), kReadSize, read);
        std::lock_guard lock(t->mutex);
        if (t->abandoned || !ok || !t->part->Write(buffer.data(), read)) break;
        if (t->received) t->received->Add(buffer.data(), read);
        total += read;
        t->totals.push_back(total);
        t->ended = read == 0;
        reading = !t->ended;
    }
    t->request.Close();
    std::lock_guard lock(t->mutex);
    t->finished = true;
    t->changed.notify_all();
}

}  // namespace

bool DownloadFile(std::wstring url, std::wstring localPath, ProgressDisplay* window, const DownloadChecks& checks) {
    const auto started = std::chrono::steady_clock::now();
    std::int64_t total = 0;
    // Every outcome is logged with what the transfer got.
    const auto outcome = [&](const std::wstring& what, bool replaced) {
        platform::Log(L"download " + url + L" -> " + localPath + L": " + what + L", " + std::to_wstring(total) +
                      L" byte, " + ElapsedText(started));
        return replaced;
    };
    const std::int64_t contentLength = GetContentLength(url, checks.cancel);
    if (contentLength < 0) return outcome(L"nessuna dimensione dal server", false);

    // An existing target is held without sharing for the whole transfer; one that
    // cannot be (a running copy of the tool, another transfer) stays as it is.
    const std::wstring target = LongPath(localPath);
    platform::File held(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!held && ::GetLastError() != ERROR_FILE_NOT_FOUND) return outcome(L"file locale in uso", false);

    const auto t = std::make_shared<Transfer>(target, !checks.sha256Pin.empty());
    if (!*t->part) return outcome(L"file parziale non creato", false);
    if (!platform::RunInBackground([t, url] { Receive(t, url); }))  // the part file goes with `t`
        return outcome(L"non avviato", false);

    using Clock = std::chrono::steady_clock;
    const auto limit = std::chrono::milliseconds(CurrentRequestDeadlines().transfer);
    auto deadline = Clock::now() + limit;
    MessagePacer pacer;
    std::vector<std::int64_t> totals;
    std::unique_lock lock(t->mutex);
    for (bool finished = false; !finished;) {
        // Woken when the network thread is done, otherwise every few milliseconds to
        // show the chunks that came meanwhile: a wake-up per chunk would cost more
        // than the chunk.
        t->changed.wait_until(lock, std::min(deadline, Clock::now() + kShowInterval), [&] { return t->finished; });
        totals.swap(t->totals);
        finished = t->finished;
        const bool ended = t->ended;
        if (!finished && (IsCancelled(checks.cancel) || (totals.empty() && Clock::now() >= deadline))) {
            // Out of time or cancelled: the bytes so far are dropped and the request is closed.
            t->abandoned = true;
            t->part.reset();
            lock.unlock();
            t->request.Close();
            return outcome(IsCancelled(checks.cancel) ? L"annullato" : L"scaduto", false);
        }
        lock.unlock();
        if (!totals.empty()) {
            total = totals.back();
            if (!checks.boundWhole) deadline = Clock::now() + limit;
        }
        for (std::size_t i = 0; i < totals.size(); ++i) {
            Show(window, totals[i], contentLength);
            pacer.AfterChunk(ended && i + 1 == totals.size());
        }
        totals.clear();
        lock.lock();
    }
    lock.unlock();
    // The network thread is done: the transfer is the caller's alone from here on.
    PartFile& part = *t->part;
    part.Close();
    std::wstring what;
    if (t->status != HTTP_STATUS_OK)
        what = t->status ? L"HTTP " + std::to_wstring(t->status) : InternetErrorText(t->error);
    else if (!t->ended || total < std::max(contentLength, t->announced))
        what = L"incompleto";
    else if (t->received && !MatchesPin(t->received->HexDigest(), checks.sha256Pin))
        what = L"impronta SHA-256 diversa";
    else if (checks.accept && !checks.accept(part.Path()))
        what = L"contenuto rifiutato";
    bool replaced = false;
    if (what.empty()) {
        held.reset();
        replaced = part.ReplaceTarget(target);
        what = replaced ? L"completo" : L"non sostituito";
    }
    t->part.reset();  // deletes the part file unless it replaced the target
    return outcome(what, replaced);
}

bool IsPartFileName(const std::wstring& name) {
    if (!name.ends_with(kPartSuffix)) return false;
    // Before the suffix: "." PID "-" N, each a run of digits, after a name of its own.
    std::size_t i = name.size() - kPartSuffix.size();
    const auto digitsBefore = [&](std::size_t& at) {
        const std::size_t end = at;
        while (at > 0 && name[at - 1] >= L'0' && name[at - 1] <= L'9') --at;
        return at < end;
    };
    if (!digitsBefore(i) || i == 0 || name[--i] != L'-') return false;
    if (!digitsBefore(i) || i == 0 || name[--i] != L'.') return false;
    return i > 0;
}

void RemoveLeftoverPartFiles(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    const HANDLE found = ::FindFirstFileW((LongPath(folder) + L"\\*" + std::wstring(kPartSuffix)).c_str(), &data);
    if (found == INVALID_HANDLE_VALUE) return;
    const platform::FindHandle listing(found);
    do {
        // A part file a running download holds is not shared for deletion: it stays.
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsPartFileName(data.cFileName))
            ::DeleteFileW((LongPath(folder) + L"\\" + data.cFileName).c_str());
    } while (::FindNextFileW(found, &data));
}

}  // namespace services
