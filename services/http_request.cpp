#include "services/http_request.h"

#include <wininet.h>

#include "platform/background.h"
#include "platform/log.h"
#include "platform/text.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cwchar>
#include <memory>
#include <vector>

namespace services {
namespace {

std::mutex g_deadlinesMutex;
RequestDeadlines g_deadlines;

// The process's one internet session, opened on first use: a session per request
// would cost a WinInet set-up each time, and one session keeps one connection per
// server alive between requests. It takes the system's settings, so a network
// that reaches the web only through a proxy is served through it.
HINTERNET Session() {
    static const platform::Internet session(
        ::InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    return session.get();
}

// The URL with every backslash before the query turned into "/".
std::wstring WithForwardSlashes(std::wstring url) {
    const std::size_t end = url.find_first_of(L"?#");
    for (std::size_t i = 0; i < url.size() && i < end; ++i)
        if (url[i] == L'\\') url[i] = L'/';
    return url;
}

}  // namespace

void SetRequestDeadlines(RequestDeadlines deadlines) {
    std::lock_guard lock(g_deadlinesMutex);
    g_deadlines = deadlines;
}

RequestDeadlines CurrentRequestDeadlines() {
    std::lock_guard lock(g_deadlinesMutex);
    return g_deadlines;
}

// A handle taken here may be closed by Close() on another thread while a call on it
// blocks: that is what ends the call. WinInet keeps the handle's object alive until
// the call returns.
HINTERNET HttpRequest::Handle() const {
    std::lock_guard lock(mutex_);
    return request_.get();
}

void HttpRequest::Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    request_.reset();
    connection_.reset();
}

bool SendHttpRequest(const wchar_t* verb, const std::wstring& url, DWORD flags, HttpRequest& out) {
    const std::wstring target = WithForwardSlashes(url);
    std::vector<wchar_t> host(target.size() + 1), path(target.size() + 1), extra(target.size() + 1);
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host.data();
    parts.dwHostNameLength = static_cast<DWORD>(host.size());
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    if (!::InternetCrackUrlW(target.c_str(), static_cast<DWORD>(target.size()), 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
    std::wstring object = std::wstring(path.data()) + extra.data();
    if (object.empty()) object = L"/";
    if (parts.nScheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;

    HINTERNET session = Session();
    if (!session) return false;
    HINTERNET request = nullptr;
    {
        std::lock_guard lock(out.mutex_);
        if (out.closed_) return false;
        out.connection_.reset(::InternetConnectW(session, host.data(), parts.nPort, nullptr, nullptr,
                                                 INTERNET_SERVICE_HTTP, 0, 0));
        if (!out.connection_) return false;
        out.request_.reset(::HttpOpenRequestW(out.connection_.get(), verb, object.c_str(), nullptr, nullptr,
                                              nullptr, flags, 0));
        request = out.request_.get();
    }
    return request && ::HttpSendRequestW(request, nullptr, 0, nullptr, 0) != FALSE;
}

DWORD StatusCode(const HttpRequest& request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    DWORD index = 0;
    const HINTERNET handle = request.Handle();
    if (!handle ||
        !::HttpQueryInfoW(handle, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, &index))
        return 0;
    return status;
}

std::int64_t ContentLengthHeader(const HttpRequest& request) {
    // Read as text: the numeric query holds only 32 bits.
    wchar_t text[64] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    DWORD index = 0;
    const HINTERNET handle = request.Handle();
    if (!handle || !::HttpQueryInfoW(handle, HTTP_QUERY_CONTENT_LENGTH, text, &size, &index)) return -1;
    const std::size_t count = wcsnlen(text, 63);
    std::size_t i = 0;
    while (i < count && text[i] == L' ') ++i;
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; i < count && text[i] >= L'0' && text[i] <= L'9'; ++i, ++digits) {
        if (digits == 18) return -1;  // beyond any real file size
        value = value * 10 + (text[i] - L'0');
    }
    while (i < count && text[i] == L' ') ++i;
    if (digits == 0 || i != count) return -1;
    return value;
}

bool ReadBody(const HttpRequest& request, void* buffer, DWORD size, DWORD& read) {
    read = 0;
    const HINTERNET handle = request.Handle();
    return handle && ::InternetReadFile(handle, buffer, size, &read) != FALSE;
}

UrlScheme SchemeOf(std::wstring_view url) {
    UrlScheme scheme;
    for (const std::wstring_view name : {std::wstring_view(L"http:"), std::wstring_view(L"https:")}) {
        if (url.size() < name.size() || !platform::SameTextIgnoringCase(url.substr(0, name.size()), name)) continue;
        scheme = {true, name.size() == 6, name.size()};
        if (url.substr(name.size(), 2) == L"//") scheme.length += 2;
    }
    return scheme;
}

std::wstring InternetErrorText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM |
                        FORMAT_MESSAGE_FROM_HMODULE;
    ::FormatMessageW(flags, ::GetModuleHandleW(L"wininet.dll"), code, 0, reinterpret_cast<wchar_t*>(&text), 0,
                     nullptr);
    std::wstring result = L"WinInet " + std::to_wstring(code);
    if (text) {
        std::wstring message = text;
        ::LocalFree(text);
        while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
            message.pop_back();
        if (!message.empty()) result += L": " + message;
    }
    return result;
}

std::wstring ElapsedText(std::chrono::steady_clock::time_point start) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    return std::to_wstring(ms.count()) + L" ms";
}

std::optional<HeadAnswer> Head(const std::wstring& url, const CancelFlag* cancel) {
    struct Call {
        HttpRequest request;
        std::mutex mutex;
        std::condition_variable answered;
        bool done = false;
        std::optional<HeadAnswer> answer;
        DWORD error = 0;
    };
    const auto call = std::make_shared<Call>();
    const DWORD deadline = CurrentRequestDeadlines().request;
    const auto started = std::chrono::steady_clock::now();
    const auto logged = [&](const std::wstring& outcome) {
        platform::Log(L"HEAD " + url + L": " + outcome + L", " + ElapsedText(started));
    };
    if (!platform::RunInBackground([call, url] {
            std::optional<HeadAnswer> answer;
            DWORD error = 0;
            if (SendHttpRequest(L"HEAD", url, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, call->request))
                answer = HeadAnswer{StatusCode(call->request), ContentLengthHeader(call->request)};
            else
                error = ::GetLastError();
            call->request.Close();  // before the next request: the connection is free again
            std::lock_guard lock(call->mutex);
            call->answer = answer;
            call->error = error;
            call->done = true;
            call->answered.notify_all();
        })) {
        logged(L"non avviata (il pool di thread l'ha rifiutata)");
        return std::nullopt;
    }
    const auto giveUp = started + std::chrono::milliseconds(deadline);
    std::unique_lock lock(call->mutex);
    while (!IsCancelled(cancel)) {
        const auto until =
            std::min(giveUp, std::chrono::steady_clock::now() + std::chrono::milliseconds(kCancelLookMs));
        if (call->answered.wait_until(lock, until, [&] { return call->done; })) {
            if (call->answer)
                logged(L"HTTP " + std::to_wstring(call->answer->status) + L", lunghezza " +
                       std::to_wstring(call->answer->contentLength));
            else
                logged(InternetErrorText(call->error));
            return call->answer;
        }
        if (std::chrono::steady_clock::now() >= giveUp) break;
    }
    lock.unlock();
    call->request.Close();
    logged(IsCancelled(cancel) ? L"annullata" : L"nessuna risposta entro " + std::to_wstring(deadline) + L" ms");
    return std::nullopt;
}

}  // namespace services
