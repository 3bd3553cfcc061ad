#include "platform/late_bound.h"

namespace platform {

FARPROC LateBoundProc(const wchar_t* dll, const char* name) {
    // From the system folder only: a DLL of that name beside the program is never used.
    const HMODULE module = ::LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

}  // namespace platform
