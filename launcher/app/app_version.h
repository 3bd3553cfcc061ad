// The launcher's own version text: major, minor and revision of its version
// resource joined by "." (3.0.0 for version 3.0.0.x).
#pragma once

#include <string>

namespace launcher {

// Read from the program file once per run.
std::wstring AppVersionText();

// The running program's full path, however long.
std::wstring RunningProgramPath();

// The Windows the launcher runs on, for the log: "Windows 10.0.19045 (Windows 10 Pro)".
std::wstring WindowsVersionText();

}  // namespace launcher
