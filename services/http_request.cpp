#include "services/http_request.h"

#include <wininet.h>

#include <atomic>
#include <cwchar>
#include <vector>

namespace services {
namespace {

std::atomic<DWORD> g_timeout{15000};

// Access type and flags of the internet session.
constexpr DWORD kSessionFlags = 4;

void SetTimeouts(HINTERNET h) {
    DWORD ms = g_timeout;
    ::InternetSetOptionW(h, INTERNET_OPTION_CONNECT_TIMEOUT, &ms, sizeof(ms));
    ::InternetSetOptionW(h, INTERNET_OPTION_SEND_TIMEOUT, &ms, sizeof(ms));
    ::InternetSetOptionW(h, INTERNET_OPTION_RECEIVE_TIMEOUT, &ms, sizeof(ms));
}

// The process's one internet session, opened on first use: a session per request
// would cost a WinInet set-up each time.
HINTERNET Session() {
    static const platform::Internet session(
        ::InternetOpenW(nullptr, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, kSessionFlags));
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

void SetRequestTimeout(DWORD milliseconds) { g_timeout = milliseconds; }
DWORD RequestTimeout() { return g_timeout; }

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
    SetTimeouts(session);
    out.connection.reset(::InternetConnectW(session, host.data(), parts.nPort, nullptr, nullptr,
                                            INTERNET_SERVICE_HTTP, 0, 0));
    if (!out.connection) return false;
    SetTimeouts(out.connection.get());
    out.request.reset(::HttpOpenRequestW(out.connection.get(), verb, object.c_str(), nullptr, nullptr, nullptr,
                                         flags, 0));
    if (!out.request) return false;
    SetTimeouts(out.request.get());
    return ::HttpSendRequestW(out.request.get(), nullptr, 0, nullptr, 0) != FALSE;
}

DWORD StatusCode(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    DWORD index = 0;
    if (!::HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, &index)) return 0;
    return status;
}

std::int64_t ContentLengthHeader(HINTERNET request) {
    // Read as text: the numeric query holds only 32 bits.
    wchar_t text[64] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    DWORD index = 0;
    if (!::HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, &index)) return -1;
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

}  // namespace services
