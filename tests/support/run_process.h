// A program run as its own process, as a user would start it.
#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// Starts `commandLine` and waits up to `timeoutMs` for the process to end. Returns
// its exit code (STILL_ACTIVE when it has not ended), 0xFFFFFFFF when it could not
// be started.
DWORD RunAndWait(std::wstring commandLine, DWORD timeoutMs);

}  // namespace testsupport
