// The launcher's shared state: written by the main window's start-up and launch
// flow, read by the alternatives window.
#pragma once

#include <cstdint>
#include <string>

namespace launcher {

inline std::wstring ConfigFileName;   // always "norvelassist.ini" after start-up
inline std::wstring ServerBaseUrl;    // base URL of the server that answered, or ""
inline std::wstring LocalToolFolder;  // per-user folder + "\Norvelassist"
inline std::int16_t SelectedToolIndex = 0;  // 1 or 2: the tool button last pressed
inline std::wstring ToolExeName;      // executable of the tool last launched

}  // namespace launcher
