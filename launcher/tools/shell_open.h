// Opening a tool or the web site through the shell's "open" verb.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace launcher {

// The shell's "open" of `file` (no parameters, `show`, the working folder `folder`
// or none when it is "") with `owner` as the owner of anything the shell shows. The
// shell shows no error box of its own: false when the file could not be opened (a
// damaged program, a policy, an antivirus), for the caller to tell.
bool ShellOpen(HWND owner, const std::wstring& file, int show, const std::wstring& folder = {});

// Tests record the starts instead: every later ShellOpen goes to `sink` (and counts
// as opened); an empty sink puts the shell back. Returns the sink that was in place.
using ShellOpenSink =
    std::function<void(HWND owner, const std::wstring& file, int show, const std::wstring& folder)>;
ShellOpenSink ReplaceShellOpen(ShellOpenSink sink);

}  // namespace launcher
