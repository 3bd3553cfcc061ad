#include "platform/log.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <mutex>
#include <vector>

#include "platform/handles.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr std::size_t kKeptLines = 500;  // before the folder is known

std::mutex g_mutex;
std::wstring g_path;                // guarded by g_mutex
std::vector<std::string> g_kept;    // guarded by g_mutex

std::string Stamped(const std::wstring& text) {
    SYSTEMTIME t{};
    ::GetLocalTime(&t);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03u ", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds);
    return stamp + platform::ToUtf8(text) + "\r\n";
}

// Appends under the lock; at the size limit the log moves to ".1" first.
void Append(const std::string& lines) {
    platform::File file(::CreateFileW(g_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.get(), &size) &&
        static_cast<std::uint64_t>(size.QuadPart) + lines.size() > kLogLimitBytes && size.QuadPart > 0) {
        file.reset();
        ::MoveFileExW(g_path.c_str(), (g_path + L".1").c_str(), MOVEFILE_REPLACE_EXISTING);
        file.reset(::CreateFileW(g_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return;
    }
    DWORD written = 0;
    ::WriteFile(file.get(), lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
}

}  // namespace

void Log(const std::wstring& text) {
    const std::string line = Stamped(text);
    std::lock_guard lock(g_mutex);
    if (g_path.empty()) {
        if (g_kept.size() < kKeptLines) g_kept.push_back(line);
        return;
    }
    Append(line);
}

void SetLogFolder(const std::wstring& folder) {
    std::lock_guard lock(g_mutex);
    g_path = folder.empty() ? std::wstring() : folder + L"\\norvelassist.log";
    if (g_path.empty()) return;
    std::string kept;
    for (const std::string& line : g_kept) kept += line;
    g_kept.clear();
    if (!kept.empty()) Append(kept);
}

void LogFailure(const std::wstring& doing) {
    try {
        throw;
    } catch (const std::exception& e) {
        Log(L"errore durante " + doing + L": " + FromAnsi(e.what()));
    } catch (...) {
        Log(L"errore durante " + doing + L": eccezione sconosciuta");
    }
}

std::wstring LogPath() {
    std::lock_guard lock(g_mutex);
    return g_path;
}

}  // namespace platform
