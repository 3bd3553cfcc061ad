// Reading the configuration file "norvelassist.ini" (Windows profile format).
#pragma once

#include <string>

namespace services {

// One value; "" for a missing file, section or key. At most 254 characters.
std::wstring ReadIni(const std::wstring& fileName, const std::wstring& section, const std::wstring& key);
// A whole section: "key=value" entries, each ended by a NUL character.
std::wstring ReadIniSection(const std::wstring& fileName, const std::wstring& section);

}  // namespace services
