// Opening a tool or the web site through the shell's "open" verb.
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

}  // namespace launcher
