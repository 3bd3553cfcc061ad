#include "services/config.h"

#include <windows.h>

#include "platform/handles.h"
#include "services/profile_text.h"

namespace services {
namespace {

// What the readers give back keeps at most 254 characters, as a 255-character
// buffer of the profile reader would.
constexpr std::size_t kMaxChars = 254;
// A configuration is a few kilobytes; a larger file is no configuration and reads
// as empty.
constexpr DWORD kMaxFileBytes = 1 << 20;

std::wstring WithoutQuotes(const std::wstring& value) {
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The entry `key` of `section`, or nullptr.
const ProfileEntry* Find(const std::vector<ProfileSection>& profile, const std::wstring& section,
                         const std::wstring& key) {
    const ProfileSection* found = FindProfileSection(profile, section);
    return found ? FindProfileEntry(*found, key) : nullptr;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::wstring& fileName, std::size_t limit) {
    platform::File file(::CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || static_cast<std::uint64_t>(size.QuadPart) > limit)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

IniFile IniFile::Load(const std::wstring& fileName) {
    const std::optional<std::string> bytes = ReadFileBytes(fileName, kMaxFileBytes);
    return bytes ? FromBytes(*bytes) : IniFile();
}

IniFile IniFile::FromBytes(const std::string& bytes) {
    IniFile file;
    file.profile_ = ParseProfile(DecodeProfileText(bytes));
    return file;
}

std::wstring IniFile::Read(const std::wstring& section, const std::wstring& key) const {
    const ProfileEntry* entry = Find(profile_, section, key);
    if (!entry || !entry->value) return {};
    return WithoutQuotes(*entry->value).substr(0, kMaxChars);
}

bool IniFile::Has(const std::wstring& section, const std::wstring& key) const {
    const ProfileEntry* entry = Find(profile_, section, key);
    return entry && entry->value;
}

std::wstring ReadIni(const std::wstring& fileName, const std::wstring& section, const std::wstring& key) {
    return IniFile::Load(fileName).Read(section, key);
}

std::wstring ReadIniSection(const std::wstring& fileName, const std::wstring& section) {
    const std::optional<std::string> bytes = ReadFileBytes(fileName, kMaxFileBytes);
    const std::vector<ProfileSection> profile =
        bytes ? ParseProfile(DecodeProfileText(*bytes)) : std::vector<ProfileSection>{};
    const ProfileSection* found = FindProfileSection(profile, section);
    std::wstring entries;
    if (!found) return entries;
    for (const ProfileEntry& e : found->entries) {
        if (e.key.starts_with(L";")) continue;
        entries += e.key;
        if (e.value) entries += L"=" + *e.value;
        entries += L'\0';
    }
    return entries.substr(0, kMaxChars);
}

bool HasIniKey(const std::wstring& fileName, const std::wstring& section, const std::wstring& key) {
    return IniFile::Load(fileName).Has(section, key);
}

}  // namespace services
