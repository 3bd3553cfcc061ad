#include "launcher/tools/plain_file.h"

#include <windows.h>

#include <string_view>

#include "platform/text.h"

namespace launcher {
namespace {

constexpr std::size_t kMaxNameLength = 100;

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 (the superscript digits too) name devices
// whatever follows a dot, and with blanks before it.
bool IsDeviceName(std::wstring_view name) {
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"})
        if (platform::SameTextIgnoringCase(stem, device)) return true;
    if (stem.size() != 4) return false;
    const wchar_t digit = stem[3];
    if ((digit < L'1' || digit > L'9') && digit != 0x00B9 && digit != 0x00B2 && digit != 0x00B3) return false;
    return platform::SameTextIgnoringCase(stem.substr(0, 3), L"COM") ||
           platform::SameTextIgnoringCase(stem.substr(0, 3), L"LPT");
}

}  // namespace

bool IsPlainFileName(const std::wstring& name) {
    if (name.size() > kMaxNameLength || name.size() < 5) return false;
    if (!platform::SameTextIgnoringCase(std::wstring_view(name).substr(name.size() - 4), L".exe")) return false;
    for (wchar_t c : name) {
        if (platform::IsHiddenCharacter(c)) return false;
        if (std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
    }
    return !IsDeviceName(name);
}

bool IsPlainFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

}  // namespace launcher
