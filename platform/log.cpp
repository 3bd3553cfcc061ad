#include "platform/log.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <mutex>
#include <vector>

#include "platform/background.h"
#include "platform/handles.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr std::size_t kKeptLines = 500;  // before the folder is known

std::mutex g_mutex;
std::wstring g_path;                // guarded by g_mutex
std::vector<std::string> g_kept;    // guarded by g_mutex
std::vector<std::string> g_queued;  // guarded by g_mutex: for the writer
bool g_writerDue = false;           // guarded by g_mutex
std::mutex g_writing;               // one writer at a time, so lines keep their order

std::string Stamped(const std::wstring& text) {
    SYSTEMTIME t{};
    ::GetLocalTime(&t);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03u ", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds);
    return stamp + platform::ToUtf8(EscapedForLog(text)) + "\r\n";
}

File OpenForAppending(const std::wstring& path) {
    return File(::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Appends the lines; a line that would take the log past the limit first moves it to ".1".
void Append(const std::wstring& path, const std::vector<std::string>& lines) {
    File file = OpenForAppending(path);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size)) return;
    std::uint64_t bytes = static_cast<std::uint64_t>(size.QuadPart);
    for (const std::string& line : lines) {
        if (bytes > 0 && bytes + line.size() > kLogLimitBytes) {
            file.reset();
            ::MoveFileExW(path.c_str(), (path + L".1").c_str(), MOVEFILE_REPLACE_EXISTING);
            file = OpenForAppending(path);
            if (!file) return;
            bytes = 0;
        }
        DWORD written = 0;
        if (!::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) return;
        bytes += written;
    }
}

// Writes what is queued. Run on a thread of the pool, so that the file's slowness
// never reaches the thread that logs, and by FlushLog.
void WriteQueued() {
    std::lock_guard writing(g_writing);
    std::vector<std::string> lines;
    std::wstring path;
    {
        std::lock_guard lock(g_mutex);
        lines.swap(g_queued);
        path = g_path;
        g_writerDue = false;
    }
    if (!lines.empty() && !path.empty()) Append(path, lines);
}

// Lines still queued when the program ends are written then.
struct FlushAtExit {
    ~FlushAtExit() { FlushLog(); }
} g_flushAtExit;

void Queue(std::vector<std::string> lines) {
    bool start = false;
    {
        std::lock_guard lock(g_mutex);
        for (std::string& line : lines) g_queued.push_back(std::move(line));
        start = !g_writerDue;
        g_writerDue = true;
    }
    if (start && !RunInBackground(WriteQueued)) WriteQueued();
}

}  // namespace

void Log(const std::wstring& text) {
    std::string line = Stamped(text);
    {
        std::lock_guard lock(g_mutex);
        if (g_path.empty()) {
            if (g_kept.size() < kKeptLines) g_kept.push_back(std::move(line));
            return;
        }
    }
    Queue({std::move(line)});
}

void SetLogFolder(const std::wstring& folder) {
    FlushLog();  // what was queued goes to the folder it was logged for
    std::vector<std::string> kept;
    {
        std::lock_guard lock(g_mutex);
        g_path = folder.empty() ? std::wstring() : folder + L"\\norvelassist.log";
        if (g_path.empty()) return;
        kept.swap(g_kept);
    }
    if (!kept.empty()) Queue(std::move(kept));
}

void FlushLog() { WriteQueued(); }

std::wstring EscapedForLog(std::wstring_view text) {
    std::wstring escaped;
    escaped.reserve(text.size());
    for (const wchar_t c : text) {
        if (!IsHiddenCharacter(c)) {
            escaped += c;
            continue;
        }
        wchar_t code[8];
        std::swprintf(code, 8, L"\\u%04X", static_cast<unsigned>(c));
        escaped += code;
    }
    return escaped;
}

std::wstring ErrorText(unsigned long code) { return L"(errore " + std::to_wstring(code) + L")"; }

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
