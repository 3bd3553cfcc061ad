// Starting a tool: the copy in the tool folder, or one fetched from the server first
// (the main window's launch flow and the alternatives window's "Download").
#pragma once

#include <string>

#include "launcher/download_progress.h"

namespace launcher {

// True while a tool download runs. Tool buttons and "Download" are ignored meanwhile,
// so two transfers never go into one file.
bool ToolDownloadRunning();

// Probes ServerBaseUrl + exeName; when the server has it, downloads it into
// LocalToolFolder with `progress` shown, then starts the copy on disk with `owner`
// as the owner window. A failed download leaves the previous complete copy (if any),
// which is then started; nothing partial is ever on disk. With a `sha256Pin` (the
// tool's "sha256" from the configuration) only bytes with that digest replace the
// copy, and only a copy with that digest is started. When nothing can be started
// the user is told the download failed. When the server lacks the file (or no
// server answered at start-up) the user sees "File inesistente sul Server".
void FetchAndStartTool(HWND owner, DownloadProgress& progress, const std::wstring& exeName,
                       const std::wstring& sha256Pin);

// True when the file may be started under the pin: always without one, otherwise
// when the file's SHA-256 is the pin.
bool MatchesToolPin(const std::wstring& localPath, const std::wstring& sha256Pin);

// Starts LocalToolFolder's copy of a tool: "open", owner, SW_SHOW.
void StartTool(HWND owner, const std::wstring& localPath);

}  // namespace launcher
