// Reading the configuration file "norvelassist.ini" (Windows profile format). The
// file is decoded as profile_text.h says: UTF-8 without a byte-order mark reads
// right, and so do ANSI and files with a mark.
#pragma once

#include <string>

namespace services {

// One value; "" for a missing file, section or key. A value between a pair of
// matching quotes loses them. At most 254 characters.
std::wstring ReadIni(const std::wstring& fileName, const std::wstring& section, const std::wstring& key);
// A whole section: "key=value" entries (values as written), each ended by a NUL
// character; comment lines (";") are left out. At most 254 characters.
std::wstring ReadIniSection(const std::wstring& fileName, const std::wstring& section);
// True when the file has the section and in it a line "key=..." (an empty value
// counts).
bool HasIniKey(const std::wstring& fileName, const std::wstring& section, const std::wstring& key);

}  // namespace services
