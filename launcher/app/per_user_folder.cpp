#include "launcher/app/per_user_folder.h"

#include <windows.h>

namespace launcher {

std::wstring ReadProductName() {
    DWORD bytes = 0;
    const wchar_t* key = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key, L"ProductName", RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return {};
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key, L"ProductName", RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS)
        return {};
    text.resize(::lstrlenW(text.c_str()));
    return text;
}

const wchar_t* AppDataVariableFor(const std::wstring& productName) {
    return productName.find(L"XP") != std::wstring::npos ? L"Appdata" : L"LOCALAPPDATA";
}

std::wstring EnvironmentValue(const wchar_t* name) {
    const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    value.resize(::GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

}  // namespace launcher
