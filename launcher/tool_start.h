// Starting a tool from the tool folder, and the pin a copy must match first.
#pragma once

#include <windows.h>

#include <string>

namespace launcher {

// True when the file may be started under the pin: always without one, otherwise
// when the file's SHA-256 is the pin.
bool MatchesToolPin(const std::wstring& localPath, const std::wstring& sha256Pin);

// Starts LocalToolFolder's copy of a tool: "open", `owner` (a live window of the
// launcher), SW_SHOW. When the shell cannot start it (a damaged file, a policy, an
// antivirus) the user is told so in a box owned by `owner`.
void StartTool(HWND owner, const std::wstring& localPath);

}  // namespace launcher
