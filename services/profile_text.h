// The text of a profile (INI) file as the configuration reader takes it: decoded
// from its bytes, then split into sections and entries the way the system's
// profile reader splits them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace services {

// The bytes of a profile file as text. A UTF-8 or UTF-16 byte-order mark names the
// encoding (the mark is dropped); without one, bytes that hold a character above
// 127 and are valid UTF-8 are read as UTF-8 (what current editors and Linux servers
// write), and everything else in the system's ANSI code page (a Windows-1252 file
// with accents is not valid UTF-8, so it keeps reading as before).
std::wstring DecodeProfileText(std::string_view bytes);

struct ProfileEntry {
    std::wstring key;
    std::optional<std::wstring> value;  // none for a line without "="
};

struct ProfileSection {
    std::wstring name;  // "" for the lines before the first section
    std::vector<ProfileEntry> entries;
};

// Lines end at "\n" (or "\r" in a text without "\n") and are trimmed of blanks and
// control white space. "[name]" opens a section (the name runs to the last "]").
// Other lines are entries: the key up to the first "=" without the blanks before
// it, the value after it without the blanks around it. Empty lines are dropped.
std::vector<ProfileSection> ParseProfile(std::wstring_view text);

// The first section called `name`, and in a section the first entry called `key`
// (letter case and blanks around the name ignored); nullptr when there is none.
const ProfileSection* FindProfileSection(const std::vector<ProfileSection>& sections, std::wstring_view name);
const ProfileEntry* FindProfileEntry(const ProfileSection& section, std::wstring_view key);

}  // namespace services
