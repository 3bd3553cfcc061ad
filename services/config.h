// Reading the configuration file "norvelassist.ini" (Windows profile format). The
// file is decoded as profile_text.h says: UTF-8 without a byte-order mark reads
// right, and so do ANSI and files with a mark.
#pragma once

#include <string>
#include <vector>

#include "services/profile_text.h"

namespace services {

// A configuration file's contents read once, for reading several values from the
// very bytes that were checked: Read and Has answer as ReadIni and HasIniKey would
// for a file holding those bytes.
class IniFile {
public:
    IniFile() = default;  // an empty file
    static IniFile FromBytes(const std::string& bytes);
    // The file's contents; empty when it cannot be read or is over 1 MiB.
    static IniFile Load(const std::wstring& fileName);
    std::wstring Read(const std::wstring& section, const std::wstring& key) const;
    bool Has(const std::wstring& section, const std::wstring& key) const;

private:
    std::vector<ProfileSection> profile_;
};

// The bytes of a file of at most `limit` bytes; none for a file that cannot be read
// or is larger.
std::optional<std::string> ReadFileBytes(const std::wstring& fileName, std::size_t limit);

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
