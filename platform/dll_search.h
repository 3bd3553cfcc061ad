// Where the program's DLLs come from: the system folder only, never the folder the
// program was started from (often Downloads, where anything may lie).
#pragma once

#include <string>

namespace platform {

// The full path of a DLL of the system folder: the folder, "\" and `name`.
std::wstring SystemDllPath(const wchar_t* name);

// Limits this process's DLL search at entry: to the system folder where the system
// has SetDefaultDllDirectories (bound late: a Windows 7 without its DLL-search update
// lacks it, and a static import would keep the program from starting there), else
// without the current folder (SetDllDirectoryW(L"")). Either way the DLLs the program
// loads on a first call (the delay-loaded ones and the late-bound ones) are loaded by
// their full system path. False when only the fallback was possible.
bool LimitDllSearch();

}  // namespace platform
