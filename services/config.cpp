#include "services/config.h"

#include <windows.h>

namespace services {
namespace {
// The receive buffer of both readers; a value keeps at most 254 characters.
constexpr DWORD kBufferChars = 255;
}  // namespace

std::wstring ReadIni(const std::wstring& fileName, const std::wstring& section, const std::wstring& key) {
    wchar_t buffer[kBufferChars] = {};
    const DWORD n = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, kBufferChars,
                                               fileName.c_str());
    return std::wstring(buffer, n < kBufferChars ? n : 0);
}

std::wstring ReadIniSection(const std::wstring& fileName, const std::wstring& section) {
    wchar_t buffer[kBufferChars] = {};
    const DWORD n = ::GetPrivateProfileSectionW(section.c_str(), buffer, kBufferChars, fileName.c_str());
    return std::wstring(buffer, n < kBufferChars ? n : 0);
}

}  // namespace services
