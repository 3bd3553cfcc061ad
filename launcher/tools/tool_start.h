// Starting a tool from the tool folder, and what a copy must meet first.
#pragma once

#include <windows.h>

#include <string>

namespace launcher {

// What the configuration asks of a tool's file (of the launcher's own update too):
// "sha256", a pin, and "firmatario", its publishers. Either may be empty.
struct ToolTrust {
    std::wstring sha256Pin;
    std::wstring publishers;
};
// The two keys of a section of the configuration file.
ToolTrust ReadToolTrust(const std::wstring& config, const std::wstring& section);

// True when the file may be started or installed: its SHA-256 is the pin (when
// there is one) and it is signed by one of the publishers (when any are named).
bool MeetsToolTrust(const std::wstring& localPath, const ToolTrust& trust);

// Starts the tool folder's copy of a tool: "open", `owner` (a live window of the
// launcher), SW_SHOW. True when it started; false when the shell could not start it
// (a damaged file, a policy, an antivirus), for the window to tell. Both are logged.
bool StartTool(HWND owner, const std::wstring& localPath);

}  // namespace launcher
