// Functions of system DLLs needed only by some runs (hashing a pinned download,
// answering a screen reader): the DLL is loaded on the first call rather than with
// the program, so start-up does not pay for loading it.
#pragma once

#include <windows.h>

namespace platform {

// The address of `name` in `dll`, loading the DLL from the system folder (kept for
// the rest of the run); null when either is missing.
FARPROC LateBoundProc(const wchar_t* dll, const char* name);

// The function `name` of `dll` with its type `F`, looked up once per call site:
//     static const auto finish = LateBound<decltype(::BCryptFinishHash)>(L"bcrypt.dll", "BCryptFinishHash");
template <typename F>
F* LateBound(const wchar_t* dll, const char* name) {
    return reinterpret_cast<F*>(reinterpret_cast<void*>(LateBoundProc(dll, name)));
}

}  // namespace platform
