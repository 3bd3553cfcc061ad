#include "services/download.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/background.h"
#include "platform/handles.h"
#include "platform/log.h"
#include "services/head_request.h"
#include "services/http_request.h"
#include "services/request_deadlines.h"
#include "services/request_log.h"
#include "services/sha256.h"

namespace services {
namespace {

constexpr DWORD kReadSize = 4096;
constexpr DWORD kTransferFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RESYNCHRONIZE;
constexpr std::wstring_view kPartSuffix = L".download";
// What a transfer whose answer announces no length may write at the most.
constexpr std::int64_t kUnannouncedLimit = std::int64_t{1} << 30;
// The caller takes the chunks the network thread has received at most this often: a
// wake-up per 4096-byte chunk would cost more than the chunk.
constexpr auto kBatchInterval = std::chrono::milliseconds(5);

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
    // nearbyint rounds in the default mode: to nearest, ties to even.
    const double percent = std::nearbyint(static_cast<double>(total) / static_cast<double>(contentLength) * 100.0);
    return static_cast<int>(std::clamp(percent, 0.0, static_cast<double>(INT_MAX)));
}

std::int64_t GetContentLength(const std::wstring& url, const platform::CancelEvent* cancel) {
    // Asked with HEAD: the answer carries the same Content-Length as a GET and has no
    // body, which WinInet would otherwise read to its end before closing the request.
    // Never looked up in WinInet's cache: the size must be the server's.
    const std::optional<HeadAnswer> answer = Head(url, cancel);
    return answer ? answer->contentLength : -1;
}

namespace {

// One transfer, shared by the caller and the thread that waits on the network: that
// thread sends the GET, reads the body into the part file and hashes it, leaves the
// running total after each chunk and wakes the caller when it has news (once per
// batch the caller takes). A caller that stops waiting (the deadline, a cancel)
// marks it abandoned and drops the part file; the network thread then writes
// nothing more and ends when its call returns.
struct Transfer {
    Transfer(std::wstring partTarget, bool hashed) : part(std::in_place, partTarget) {
        if (hashed) received.emplace();
    }

    HttpRequest request;
    platform::File news = platform::MakeEvent(false);     // a chunk, or the end
    platform::File finished = platform::MakeEvent(true);  // the network thread is done
    std::mutex mutex;
    // Guarded by `mutex`:
    std::optional<PartFile> part;
    std::optional<Sha256> received;  // only a pinned download is hashed
    std::vector<std::int64_t> totals;  // the running total after each chunk not yet taken
    bool newsSignalled = false;        // `news` is set and the caller has not taken it yet
    std::int64_t announced = -1;       // the GET's Content-Length
    bool overLimit = false;            // more bytes came than the transfer may write
    bool ended = false;  // the body was read to its end
    bool done = false;   // the network thread is done
    bool abandoned = false;
    DWORD status = 0;  // of the GET, 0 when it was not answered
    DWORD error = 0;   // the WinInet error when it was not

    // With `mutex` held: wakes the caller unless it is woken already.
    void Signal() {
        if (newsSignalled) return;
        newsSignalled = true;
        ::SetEvent(news.get());
    }
};

// The network thread's part.
void Receive(const std::shared_ptr<Transfer>& t, const std::wstring& url, std::int64_t maxBytes) {
    const bool answered = SendHttpRequest(L"GET", url, kTransferFlags, t->request);
    const DWORD error = answered ? 0 : ::GetLastError();
    const DWORD status = answered ? StatusCode(t->request) : 0;
    const bool sent = status == HTTP_STATUS_OK;
    const std::int64_t announced = sent ? ContentLengthHeader(t->request) : -1;
    {
        std::lock_guard lock(t->mutex);
        t->announced = announced;
        t->status = status;
        t->error = error;
    }
    std::int64_t limit = announced >= 0 ? announced : kUnannouncedLimit;
    if (maxBytes > 0) limit = std::min(limit, maxBytes);
    std::vector<char> buffer(kReadSize);
    std::int64_t total = 0;
    for (bool reading = sent; reading;) {
        DWORD read = 0;
        const bool ok = ReadBody(t->request, buffer.data(), kReadSize, read);
        std::lock_guard lock(t->mutex);
        if (t->abandoned || !ok) break;
        if (total + read > limit) {
            t->overLimit = true;
            break;
        }
        if (!t->part->Write(buffer.data(), read)) break;
        if (t->received) t->received->Add(buffer.data(), read);
        total += read;
        t->totals.push_back(total);
        t->ended = read == 0;
        reading = !t->ended;
        t->Signal();
    }
    t->request.Close();
    std::lock_guard lock(t->mutex);
    t->done = true;
    t->Signal();
    ::SetEvent(t->finished.get());
}

// Why the bytes of a finished transfer may not replace the target ("" when they
// may): its status, its length, its pin, the caller's own check.
std::wstring Refusal(Transfer& t, std::int64_t total, std::int64_t contentLength, const DownloadChecks& checks) {
    if (t.status != HTTP_STATUS_OK)
        return t.status ? L"HTTP " + std::to_wstring(t.status) : InternetErrorText(t.error);
    if (t.overLimit) return L"oltre il limite";
    if (!t.ended || total < std::max(contentLength, t.announced)) return L"incompleto";
    if (t.received && !MatchesPin(t.received->HexDigest(), checks.sha256Pin)) return L"impronta SHA-256 diversa";
    if (checks.accept && !checks.accept(t.part->Path())) return L"contenuto rifiutato";
    return {};
}

}  // namespace

bool DownloadFile(std::wstring url, std::wstring localPath, ProgressSink* progress, const DownloadChecks& checks) {
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
    if (!t->news || !t->finished) return outcome(L"evento non creato", false);
    if (!*t->part) return outcome(L"file parziale non creato", false);
    // The part file goes with `t`.
    if (!platform::RunInBackground([t, url, max = checks.maxBytes] { Receive(t, url, max); }))
        return outcome(L"non avviato", false);

    using Clock = std::chrono::steady_clock;
    const auto limit = std::chrono::milliseconds(CurrentRequestDeadlines().transfer);
    auto deadline = Clock::now() + limit;
    std::vector<std::int64_t> totals;
    for (bool done = false; !done;) {
        const platform::WaitOutcome waited = platform::WaitFor(t->news.get(), checks.cancel, deadline);
        {
            std::lock_guard lock(t->mutex);
            totals.swap(t->totals);
            t->newsSignalled = false;
            done = t->done;
            // A tool's deadline moves with every chunk: past it, bytes that came just
            // now still count. The configuration's does not move.
            const bool stalled = totals.empty() || checks.boundWhole;
            if (!done && (waited == platform::WaitOutcome::Cancelled ||
                          (waited == platform::WaitOutcome::TimedOut && stalled))) {
                // Out of time or cancelled: the bytes so far are dropped.
                t->abandoned = true;
                t->part.reset();
            }
        }
        if (t->abandoned) {
            t->request.Close();
            return outcome(waited == platform::WaitOutcome::Cancelled ? L"annullato" : L"scaduto", false);
        }
        if (!totals.empty()) {
            total = totals.back();
            if (!checks.boundWhole) deadline = Clock::now() + limit;
        }
        if (progress)
            for (const std::int64_t received : totals)
                progress->OnProgress(received, DownloadPercentage(received, contentLength));
        totals.clear();
        // The next batch: after a pause that the end or a cancel cuts short.
        if (!done)
            platform::WaitFor(t->finished.get(), checks.cancel, std::min(deadline, Clock::now() + kBatchInterval));
    }
    // The network thread is done: the transfer is the caller's alone from here on.
    PartFile& part = *t->part;
    part.Close();
    std::wstring what = Refusal(*t, total, contentLength, checks);
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
