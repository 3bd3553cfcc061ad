// Starting a tool or the web site through the shell's "open" verb, and the test of
// a configured executable name.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace launcher {

// ShellExecuteW(owner, "open", file, no parameters, no working directory, show).
// The result is not examined.
void ShellOpen(HWND owner, const std::wstring& file, int show);

// Tests record the starts instead: every later ShellOpen goes to `sink`; an empty
// sink puts the shell back. Returns the sink that was in place.
using ShellOpenSink = std::function<void(HWND owner, const std::wstring& file, int show)>;
ShellOpenSink ReplaceShellOpen(ShellOpenSink sink);

// True for a plain file name: not empty, not "." or "..", and without "\", "/", ":",
// the other characters Windows forbids in names (* ? " < > |) or control characters.
// Only such a name may be downloaded into, or started from, the tool folder.
bool IsPlainFileName(const std::wstring& name);

// True when path names an existing file that is not a folder, hidden or a system file.
bool IsPlainFile(const std::wstring& path);

}  // namespace launcher
