#include "services/folder.h"

#include <windows.h>

#include "platform/handles.h"

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

}  // namespace services
