#include "platform/late_bound.h"

#include "platform/dll_search.h"

namespace platform {

FARPROC LateBoundProc(const wchar_t* dll, const char* name) {
    // By its full system path: a DLL of that name beside the program is never used.
    const HMODULE module = ::LoadLibraryExW(SystemDllPath(dll).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

}  // namespace platform
