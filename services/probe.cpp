#include "services/probe.h"

#include <windows.h>
#include <wininet.h>

#include "platform/handles.h"
#include "platform/text.h"
#include "services/http_request.h"

namespace services {
namespace {

void CloseFind(HANDLE h) noexcept { ::FindClose(h); }
using FindHandle = platform::Owned<HANDLE, CloseFind>;

}  // namespace

bool DirExists(std::wstring path) {
    if (path.empty() || path.back() != L'\\') path += L'\\';
    WIN32_FIND_DATAW data;
    HANDLE found = ::FindFirstFileW((path + L"*.*").c_str(), &data);
    if (found == INVALID_HANDLE_VALUE) return false;
    FindHandle owner(found);
    return data.cFileName[0] != L'\0';
}

void MakeFolderIfMissing(const std::wstring& path) {
    if (!DirExists(path)) ::CreateDirectoryW(path.c_str(), nullptr);
}

bool HttpExists(std::wstring& url) {
    const std::wstring scheme = platform::ToUpper(url.substr(0, 6));
    if (scheme.rfind(L"HTTP:", 0) != 0 && scheme != L"HTTPS:") url = L"http://" + url;
    HttpRequest request;
    if (!SendHttpRequest(L"HEAD", url, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, request)) return false;
    return StatusCode(request.request.get()) == 200;
}

}  // namespace services
