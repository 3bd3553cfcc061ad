#include "services/probe.h"

#include <windows.h>
#include <wininet.h>

#include "platform/handles.h"
#include "platform/text.h"
#include "services/http_request.h"

#include <optional>

namespace services {
bool DirExists(std::wstring path) {
    if (path.empty() || path.back() != L'\\') path += L'\\';
    WIN32_FIND_DATAW data;
    HANDLE found = ::FindFirstFileW((path + L"*.*").c_str(), &data);
    if (found == INVALID_HANDLE_VALUE) return false;
    platform::FindHandle owner(found);
    return data.cFileName[0] != L'\0';
}

bool MakeFolderIfMissing(const std::wstring& path) {
    return DirExists(path) || ::CreateDirectoryW(path.c_str(), nullptr) || DirExists(path);
}

bool HttpExists(std::wstring& url, const CancelFlag* cancel) {
    if (!SchemeOf(url).present) url = L"http://" + url;
    const std::optional<HeadAnswer> answer = Head(url, cancel);
    return answer && answer->status == HTTP_STATUS_OK;
}

}  // namespace services
