#include "services/part_file.h"

#include <atomic>

#include "services/download.h"

namespace services {

std::wstring LongPath(const std::wstring& path) {
    return path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

PartFile::PartFile(const std::wstring& target) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
        path_ = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
                std::wstring(kPartSuffix);
        file_.reset(::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        if (!file_ && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
}

PartFile::~PartFile() {
    file_.reset();
    if (!kept_) ::DeleteFileW(path_.c_str());
}

bool PartFile::Write(const void* data, DWORD size) {
    DWORD written = 0;
    return ::WriteFile(file_.get(), data, size, &written, nullptr) && written == size;
}

bool PartFile::ReplaceTarget(const std::wstring& target) {
    file_.reset();
    kept_ = ::MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    return kept_;
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
