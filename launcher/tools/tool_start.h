// Starting a tool from the tool folder, and what a copy must meet first.
#pragma once

#include <windows.h>

#include <string>

#include "platform/handles.h"
#include "services/config.h"

namespace launcher {

// What the configuration asks of a tool's file (of the launcher's own update too):
// "sha256", a pin, and "firmatario", its publishers. Either may be empty.
struct ToolTrust {
    std::wstring sha256Pin;
    std::wstring publishers;
    bool Given() const { return !sha256Pin.empty() || !publishers.empty(); }
};
// The two keys of a section of the configuration.
ToolTrust ReadToolTrust(const services::IniFile& config, const std::wstring& section);

// True when the file may be started or installed: its SHA-256 is the pin (when
// there is one) and it is signed by one of the publishers (when any are named).
bool MeetsToolTrust(const std::wstring& localPath, const ToolTrust& trust);

// A tool's file held open from its checks to its start: for reading, sharing only
// reading, so that nobody can write, rename, replace or delete it meanwhile and the
// file started is the file checked. Not held when it cannot be opened so (missing,
// or open for writing elsewhere).
class HeldTool {
public:
    explicit HeldTool(std::wstring path);
    bool Held() const noexcept { return static_cast<bool>(file_); }
    const std::wstring& Path() const noexcept { return path_; }

private:
    std::wstring path_;
    platform::File file_;
};

// Starts a held tool: "open", `owner` (a live window of the launcher), SW_SHOW, the
// tool folder (the file's own) as its working folder. True when it started; false
// when it is not held or the shell could not start it (a damaged file, a policy, an
// antivirus), for the window to tell. Both are logged.
bool StartTool(HWND owner, const HeldTool& tool);

}  // namespace launcher
