// The diagnostic log the helpdesk asks for: norvelassist.log in the tool folder, UTF-8,
// one line per event with the local date and time. Lines logged before the folder is
// known are kept in memory and written once it is. At 256 KiB the log becomes
// norvelassist.log.1 (replacing an older one) and a new one begins, so the two never
// pass 512 KiB. A log that cannot be written is skipped: logging never fails, nor
// waits for the disk.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::uint64_t kLogLimitBytes = 256 * 1024;

// `text` with every hidden character (text.h: IsHiddenCharacter) written as \uXXXX,
// so that no text from outside can end a line of the log or turn it around.
std::wstring EscapedForLog(std::wstring_view text);

// Adds a line (from any thread), escaped. The file is written on a thread of the pool: the
// caller never waits for it.
void Log(const std::wstring& text);
// Writes every line logged so far before it returns (the tests; the program's end).
void FlushLog();

// The folder the log lives in; the lines kept so far are written there at once.
void SetLogFolder(const std::wstring& folder);
// Where the log is written, or "" before its folder is known.
std::wstring LogPath();

// "(errore N)": a system error code as the log's lines write it.
std::wstring ErrorText(unsigned long code);

// Inside a catch block: logs the exception being handled (its text when it has
// one) with what was being done, for a failure that is not shown to the user.
void LogFailure(const std::wstring& doing);

}  // namespace platform
