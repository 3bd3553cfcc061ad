#include "platform/late_bound.h"

namespace platform {

FARPROC LateBoundProc(const wchar_t* dll, const char* name) {
    const HMODULE module = ::LoadLibraryW(dll);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

}  // namespace platform
