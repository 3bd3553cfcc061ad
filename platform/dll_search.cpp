#include "platform/dll_search.h"

#include <windows.h>
#include <delayimp.h>

#include <vector>

namespace platform {

std::wstring SystemDllPath(const wchar_t* name) {
    std::vector<wchar_t> folder(MAX_PATH);
    UINT length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length + 1);
        length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    }
    return std::wstring(folder.data(), length < folder.size() ? length : 0) + L"\\" + name;
}

bool LimitDllSearch() {
    using SetDefault = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefault>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return true;
    ::SetDllDirectoryW(L"");
    return false;
}

namespace {

// A delay-loaded DLL is loaded by its full system path, whatever the search order.
FARPROC WINAPI LoadDelayedFromSystem(unsigned notify, PDelayLoadInfo info) {
    if (notify != dliNotePreLoadLibrary || !info || !info->szDll) return nullptr;
    std::wstring name;
    for (const char* c = info->szDll; *c; ++c) name += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return reinterpret_cast<FARPROC>(
        ::LoadLibraryExW(SystemDllPath(name.c_str()).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace
}  // namespace platform

// The delay-load helper asks this hook before it loads a DLL itself.
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = platform::LoadDelayedFromSystem;
}
