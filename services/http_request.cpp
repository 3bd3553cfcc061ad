#include "services/http_request.h"

#include "platform/wininet.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "platform/log.h"
#include "services/url_scheme.h"

namespace services {
namespace {

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

// A handle taken here may be closed by Close() on another thread while a call on it
// blocks: that is what ends the call. WinInet keeps the handle's object alive until
// the call returns.
HINTERNET HttpRequest::Handle() const {
    std::lock_guard lock(mutex_);
    return request_.get();
}

HINTERNET HttpRequest::Open(HINTERNET session, const wchar_t* host, INTERNET_PORT port, const wchar_t* verb,
                             const std::wstring& object, DWORD flags) {
    std::lock_guard lock(mutex_);
    if (closed_) return nullptr;
    request_.reset();
    connection_.reset(::InternetConnectW(session, host, port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection_) return nullptr;
    request_.reset(::HttpOpenRequestW(connection_.get(), verb, object.c_str(), nullptr, nullptr, nullptr, flags, 0));
    return request_.get();
}

void HttpRequest::Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    request_.reset();
    connection_.reset();
}

namespace {

constexpr int kMaxRedirects = 5;

bool IsRedirect(DWORD status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Sends the request once, on handles of its own (the ones of an earlier redirect go).
bool SendOnce(const wchar_t* verb, const std::wstring& url, DWORD flags, HttpRequest& out, HINTERNET session,
              const std::wstring& headers) {
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
    const HINTERNET opened = out.Open(session, host.data(), parts.nPort, verb, object, flags);
    return opened && ::HttpSendRequestW(opened, headers.empty() ? nullptr : headers.c_str(),
                                        static_cast<DWORD>(headers.size()), nullptr, 0) != FALSE;
}

// The answer's Location resolved against `url`; "" without one.
std::wstring RedirectTarget(const HttpRequest& request, const std::wstring& url) {
    wchar_t location[2048] = {};
    DWORD size = sizeof(location) - sizeof(wchar_t);
    DWORD index = 0;
    const HINTERNET handle = request.Handle();
    if (!handle || !::HttpQueryInfoW(handle, HTTP_QUERY_LOCATION, location, &size, &index)) return {};
    std::wstring combined(4096, L'\0');
    DWORD length = static_cast<DWORD>(combined.size());
    if (!::InternetCombineUrlW(WithForwardSlashes(url).c_str(), location, combined.data(), &length, ICU_NO_ENCODE))
        return {};
    combined.resize(length);
    return combined;
}

}  // namespace

bool SendHttpRequest(const wchar_t* verb, const std::wstring& url, DWORD flags, HttpRequest& out,
                     const std::wstring& headers) {
    HINTERNET session = Session();
    if (!session) return false;
    // Redirects are followed here, so that none leaves https for http and a chain ends.
    flags |= INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTO_REDIRECT;
    std::wstring target = url;
    for (int followed = 0;; ++followed) {
        if (!SendOnce(verb, target, flags, out, session, headers)) return false;
        if (!IsRedirect(StatusCode(out))) return true;
        const std::wstring next = RedirectTarget(out, target);
        const bool downgrade = SchemeOf(target).https && !SchemeOf(next).https;
        if (next.empty() || downgrade || followed == kMaxRedirects) {
            platform::Log(L"reindirizzamento rifiutato: " + target + L" -> " + (next.empty() ? L"?" : next));
            ::SetLastError(downgrade ? ERROR_INTERNET_HTTPS_TO_HTTP_ON_REDIR : ERROR_HTTP_REDIRECT_FAILED);
            return false;
        }
        target = next;
    }
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

std::wstring HeaderValue(const HttpRequest& request, const std::wstring& name) {
    constexpr std::size_t kLimit = 1024;
    // The name goes in, the value comes out in the same buffer.
    std::vector<wchar_t> buffer(kLimit, L'\0');
    if (name.size() >= kLimit) return {};
    std::copy(name.begin(), name.end(), buffer.begin());
    DWORD size = static_cast<DWORD>((kLimit - 1) * sizeof(wchar_t));
    DWORD index = 0;
    const HINTERNET handle = request.Handle();
    if (!handle || !::HttpQueryInfoW(handle, HTTP_QUERY_CUSTOM, buffer.data(), &size, &index)) return {};
    return std::wstring(buffer.data(), wcsnlen(buffer.data(), kLimit - 1));
}

bool IsSafeHeaderValue(const std::wstring& value) {
    return !value.empty() && value.size() < 1024 &&
           std::all_of(value.begin(), value.end(), [](wchar_t c) { return c >= 0x20 && c < 0x7F; });
}

bool ReadBody(const HttpRequest& request, void* buffer, DWORD size, DWORD& read) {
    read = 0;
    const HINTERNET handle = request.Handle();
    return handle && ::InternetReadFile(handle, buffer, size, &read) != FALSE;
}

}  // namespace services
