#include "services/download.h"

#include <windows.h>
#include "platform/wininet.h"

#include <algorithm>
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
#include "services/http_request.h"
#include "services/part_file.h"
#include "services/request_deadlines.h"
#include "services/request_log.h"
#include "services/sha256.h"

namespace services {
namespace {

constexpr DWORD kReadSize = 4096;
constexpr DWORD kTransferFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RESYNCHRONIZE;
// A transfer broken off after this many bytes goes on where it broke, this often at
// the most.
constexpr std::int64_t kResumeAfter = 64 * 1024;
constexpr int kMaxResumes = 3;
// The caller takes the chunks the network thread has received at most this often: a
// wake-up per 4096-byte chunk would cost more than the chunk.
constexpr auto kBatchInterval = std::chrono::milliseconds(5);

}  // namespace

int DownloadPercentage(std::int64_t total, std::int64_t contentLength) {
    if (contentLength <= 0) return 100;
    // nearbyint rounds in the default mode: to nearest, ties to even.
    const double percent = std::nearbyint(static_cast<double>(total) / static_cast<double>(contentLength) * 100.0);
    return static_cast<int>(std::clamp(percent, 0.0, static_cast<double>(INT_MAX)));
}

bool ContinuesAt(const std::wstring& contentRange, std::int64_t offset, std::int64_t length) {
    // "bytes FIRST-LAST/LENGTH", each a run of digits.
    std::size_t at = 0;
    const auto number = [&](std::int64_t& value) {
        const std::size_t from = at;
        value = 0;
        for (; at < contentRange.size() && contentRange[at] >= L'0' && contentRange[at] <= L'9'; ++at) {
            if (at - from == 18) return false;
            value = value * 10 + (contentRange[at] - L'0');
        }
        return at > from;
    };
    const auto literal = [&](std::wstring_view text) {
        if (contentRange.compare(at, text.size(), text) != 0) return false;
        at += text.size();
        return true;
    };
    std::int64_t first = 0, last = 0, whole = 0;
    return literal(L"bytes ") && number(first) && literal(L"-") && number(last) && literal(L"/") && number(whole) &&
           at == contentRange.size() && first == offset && whole == length && last == length - 1 && first <= last;
}

namespace {

// What has arrived of the file so far: its part file and, for a pinned download, the
// hash of its bytes. One request's network thread writes to it at a time.
struct Received {
    Received(std::wstring target, bool hashed) : target(std::move(target)), hashed(hashed) { StartOver(); }
    // Drops what came, for a fresh part file.
    void StartOver() {
        part.reset();
        part.emplace(target);
        if (hashed) hash.emplace();
        total = 0;
    }

    std::wstring target;
    bool hashed;
    std::optional<PartFile> part;
    std::optional<Sha256> hash;
    std::int64_t total = 0;
};

// Where a resumed request goes on: the bytes already there, the whole file's length
// and the validators of the version they are of. An offset of 0: no resume.
struct Continuation {
    std::int64_t offset = 0;
    std::int64_t length = 0;
    Validators validators;
};

// What a resume can rest on: a strong ETag, else Last-Modified; "" when neither.
std::wstring IfRangeValue(const Validators& v) {
    if (IsSafeHeaderValue(v.etag) && !v.etag.starts_with(L"W/")) return v.etag;
    return IsSafeHeaderValue(v.lastModified) ? v.lastModified : L"";
}

// The header lines of a request: a resume's range, or the first request's conditions.
std::wstring RequestHeaders(const Validators& ifChanged, const Continuation& from) {
    if (from.offset > 0)
        return L"Range: bytes=" + std::to_wstring(from.offset) + L"-\r\nIf-Range: " + IfRangeValue(from.validators) +
               L"\r\n";
    std::wstring headers;
    if (IsSafeHeaderValue(ifChanged.etag)) headers += L"If-None-Match: " + ifChanged.etag + L"\r\n";
    if (IsSafeHeaderValue(ifChanged.lastModified))
        headers += L"If-Modified-Since: " + ifChanged.lastModified + L"\r\n";
    return headers;
}

// A 206 naming another version than the one resumed is no continuation of it.
bool SameVersion(const Validators& answer, const Validators& resumed) {
    const auto differs = [](const std::wstring& a, const std::wstring& b) {
        return !a.empty() && !b.empty() && a != b;
    };
    return !differs(answer.etag, resumed.etag) && !differs(answer.lastModified, resumed.lastModified);
}

// One request of a transfer, shared by the caller and the thread that waits on the
// network: that thread sends the GET, reads the body into the part file and hashes
// it, leaves the running total after each chunk and wakes the caller when it has
// news (once per batch the caller takes). A caller that stops waiting (the deadline,
// a cancel) marks it abandoned and takes the received bytes back; the network thread
// then touches them no more and ends when its call returns.
struct Attempt {
    explicit Attempt(std::unique_ptr<Received> r) : received(std::move(r)) {}

    HttpRequest request;
    platform::File news = platform::MakeEvent(false);     // a chunk, or the end
    platform::File finished = platform::MakeEvent(true);  // the network thread is done
    std::mutex mutex;
    // Guarded by `mutex`:
    std::unique_ptr<Received> received;
    std::vector<std::int64_t> totals;  // the running total after each chunk not yet taken
    bool newsSignalled = false;        // `news` is set and the caller has not taken it yet
    DWORD status = 0;                  // 0 when the request was not answered
    DWORD error = 0;                   // the WinInet error when it was not
    std::int64_t announced = -1;       // the answer's Content-Length
    std::int64_t fileLength = -1;      // the whole file's, once the answer brings its bytes
    Validators validators;             // of the answer
    bool continues = false;            // a 206 that goes on exactly where asked
    bool overLimit = false;            // more bytes came than the transfer may write
    bool writeFailed = false;
    bool ended = false;  // the body was read to its end
    bool done = false;   // the network thread is done
    bool abandoned = false;

    // With `mutex` held: wakes the caller unless it is woken already.
    void Signal() {
        if (newsSignalled) return;
        newsSignalled = true;
        ::SetEvent(news.get());
    }
};

// The network thread's part of one request.
void Receive(const std::shared_ptr<Attempt>& a, const std::wstring& url, const std::wstring& headers,
             const Continuation& from, std::int64_t maxBytes) {
    const bool answered = SendHttpRequest(L"GET", url, kTransferFlags, a->request, headers);
    const DWORD error = answered ? 0 : ::GetLastError();
    const DWORD status = answered ? StatusCode(a->request) : 0;
    const std::int64_t announced = answered ? ContentLengthHeader(a->request) : -1;
    const Validators validators{HeaderValue(a->request, L"ETag"), HeaderValue(a->request, L"Last-Modified")};
    const bool continues = status == 206 && from.offset > 0 && announced == from.length - from.offset &&
                           ContinuesAt(HeaderValue(a->request, L"Content-Range"), from.offset, from.length) &&
                           SameVersion(validators, from.validators);
    // The total the part file may reach; nothing is written without one.
    std::int64_t limit = status == HTTP_STATUS_OK ? announced : continues ? from.length : -1;
    if (limit >= 0 && maxBytes > 0) limit = std::min(limit, maxBytes);
    {
        std::lock_guard lock(a->mutex);
        a->status = status;
        a->error = error;
        a->announced = announced;
        a->validators = validators;
        a->continues = continues;
        if (limit >= 0) a->fileLength = continues ? from.length : announced;
        // A resume answered with the whole file starts over.
        if (!a->abandoned && status == HTTP_STATUS_OK && a->received->total > 0) a->received->StartOver();
    }
    std::vector<char> buffer(kReadSize);
    for (bool reading = limit >= 0; reading;) {
        DWORD read = 0;
        const bool ok = ReadBody(a->request, buffer.data(), kReadSize, read);
        std::lock_guard lock(a->mutex);
        if (a->abandoned || !ok) break;
        Received& r = *a->received;
        if (r.total + read > limit) {
            a->overLimit = true;
            break;
        }
        if (!r.part->Write(buffer.data(), read)) {
            a->writeFailed = true;
            break;
        }
        if (r.hash) r.hash->Add(buffer.data(), read);
        r.total += read;
        a->totals.push_back(r.total);
        a->ended = read == 0;
        reading = !a->ended;
        a->Signal();
    }
    a->request.Close();
    std::lock_guard lock(a->mutex);
    a->done = true;
    a->Signal();
    ::SetEvent(a->finished.get());
}

enum class Waited { Done, TimedOut, Cancelled, NotStarted };

// Runs one request: starts its network thread and reports its chunks to `progress`
// as they come, until it is done or given up (its deadline passed without bytes, or
// every byte's time when the whole transfer is bounded; a cancel).
Waited RunAttempt(const std::shared_ptr<Attempt>& a, const std::wstring& url, const std::wstring& headers,
                  const Continuation& from, const DownloadChecks& checks, ProgressSink* progress) {
    if (!a->news || !a->finished || !platform::RunInBackground([a, url, headers, from, max = checks.maxBytes] {
            Receive(a, url, headers, from, max);
        }))
        return Waited::NotStarted;
    using Clock = std::chrono::steady_clock;
    const auto limit = std::chrono::milliseconds(CurrentRequestDeadlines().transfer);
    auto deadline = Clock::now() + limit;
    std::vector<std::int64_t> totals;
    for (;;) {
        const platform::WaitOutcome waited = platform::WaitFor(a->news.get(), checks.cancel, deadline);
        bool done = false;
        std::int64_t length = -1;
        {
            std::lock_guard lock(a->mutex);
            totals.swap(a->totals);
            a->newsSignalled = false;
            done = a->done;
            length = a->fileLength;
            // A tool's deadline moves with every chunk: past it, bytes that came just
            // now still count. The configuration's does not move.
            const bool stalled = totals.empty() || checks.boundWhole;
            if (!done && (waited == platform::WaitOutcome::Cancelled ||
                          (waited == platform::WaitOutcome::TimedOut && stalled)))
                a->abandoned = true;
        }
        if (a->abandoned) {
            a->request.Close();
            return waited == platform::WaitOutcome::Cancelled ? Waited::Cancelled : Waited::TimedOut;
        }
        if (!totals.empty() && !checks.boundWhole) deadline = Clock::now() + limit;
        if (progress)
            for (const std::int64_t received : totals)
                progress->OnProgress(received, DownloadPercentage(received, length));
        totals.clear();
        if (done) return Waited::Done;
        // The next batch: after a pause that the end or a cancel cuts short.
        platform::WaitFor(a->finished.get(), checks.cancel, std::min(deadline, Clock::now() + kBatchInterval));
    }
}

std::wstring StatusText(DWORD status, DWORD error, Waited waited) {
    if (status) return L"HTTP " + std::to_wstring(status);
    if (waited == Waited::TimedOut) return L"scaduto";
    if (waited == Waited::Cancelled) return L"annullato";
    return InternetErrorText(error);
}

}  // namespace

Downloaded FetchFile(std::wstring url, std::wstring localPath, ProgressSink* progress, const DownloadChecks& checks) {
    const auto started = std::chrono::steady_clock::now();
    std::int64_t total = 0;
    Downloaded result;
    // Every outcome is logged with what the transfer got.
    const auto outcome = [&](const std::wstring& what, DownloadResult how) {
        platform::Log(L"download " + url + L" -> " + localPath + L": " + what + L", " + std::to_wstring(total) +
                      L" byte, " + ElapsedText(started));
        result.result = how;
        return result;
    };
    using enum DownloadResult;

    // An existing target is held without sharing for the whole transfer; one that
    // cannot be (a running copy of the tool, another transfer) stays as it is.
    const std::wstring target = LongPath(localPath);
    platform::File held(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!held && ::GetLastError() != ERROR_FILE_NOT_FOUND) return outcome(L"file locale in uso", Failed);
    auto received = std::make_unique<Received>(target, !checks.sha256Pin.empty());
    if (!*received->part) return outcome(L"file parziale non creato", Failed);

    const bool conditional = !RequestHeaders(checks.ifChanged, {}).empty();
    Continuation from;
    for (int resumes = 0;; ++resumes) {
        const auto a = std::make_shared<Attempt>(std::move(received));
        const Waited waited = RunAttempt(a, url, RequestHeaders(checks.ifChanged, from), from, checks, progress);
        std::lock_guard lock(a->mutex);  // the network thread may still hold an attempt given up
        received = std::move(a->received);
        total = received->total;
        if (waited == Waited::NotStarted) return outcome(L"non avviato", Failed);
        if (waited == Waited::Cancelled) return outcome(L"annullato", Failed);
        if (from.offset == 0) {
            // The first answer says whether the server has the file.
            if (a->status == HTTP_STATUS_NOT_MODIFIED && conditional)
                return outcome(L"non modificato", Unchanged);
            if (a->status != HTTP_STATUS_OK) return outcome(StatusText(a->status, a->error, waited), NotAnswered);
        } else if (a->status != HTTP_STATUS_OK && !a->continues) {
            return outcome(L"ripresa rifiutata, " + StatusText(a->status, a->error, waited), Failed);
        }
        if (a->status == HTTP_STATUS_OK) {
            if (a->announced < 0) return outcome(L"nessuna dimensione dal server", Failed);
            from = {0, a->announced, a->validators};
        }
        if (a->overLimit) return outcome(L"oltre il limite", Failed);
        if (a->writeFailed) return outcome(L"scrittura non riuscita", Failed);
        if (waited == Waited::Done && a->ended && total >= from.length) break;
        // Broken off: a resume goes on from here, when the bytes are worth one.
        const std::wstring broken = waited == Waited::TimedOut ? L"scaduto" : L"incompleto";
        if (checks.boundWhole || resumes == kMaxResumes || total < kResumeAfter ||
            IfRangeValue(from.validators).empty())
            return outcome(broken, Failed);
        from.offset = total;
        platform::Log(L"download " + url + L": " + broken + L" a " + std::to_wstring(total) + L" byte, ripresa " +
                      std::to_wstring(resumes + 1) + L" di " + std::to_wstring(kMaxResumes));
    }
    // The network thread is done: the transfer is the caller's alone from here on.
    PartFile& part = *received->part;
    part.Close();
    if (received->hash && !MatchesPin(received->hash->HexDigest(), checks.sha256Pin))
        return outcome(L"impronta SHA-256 diversa", Failed);
    if (checks.accept && !checks.accept(part.Path())) return outcome(L"contenuto rifiutato", Failed);
    held.reset();
    if (!part.ReplaceTarget(target)) return outcome(L"non sostituito", Failed);
    result.validators = from.validators;
    return outcome(L"completo", Replaced);
}

bool DownloadFile(std::wstring url, std::wstring localPath, ProgressSink* progress, const DownloadChecks& checks) {
    return FetchFile(std::move(url), std::move(localPath), progress, checks).result == DownloadResult::Replaced;
}

}  // namespace services
