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

std::vector<ProfileSection> LoadProfile(const std::wstring& fileName) {
    platform::File file(::CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxFileBytes) return {};
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return {};
    bytes.resize(read);
    return ParseProfile(DecodeProfileText(bytes));
}

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

std::wstring ReadIni(const std::wstring& fileName, const std::wstring& section, const std::wstring& key) {
    const std::vector<ProfileSection> profile = LoadProfile(fileName);
    const ProfileEntry* entry = Find(profile, section, key);
    if (!entry || !entry->value) return {};
    return WithoutQuotes(*entry->value).substr(0, kMaxChars);
}

std::wstring ReadIniSection(const std::wstring& fileName, const std::wstring& section) {
    const std::vector<ProfileSection> profile = LoadProfile(fileName);
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
    const std::vector<ProfileSection> profile = LoadProfile(fileName);
    const ProfileEntry* entry = Find(profile, section, key);
    return entry && entry->value;
}

}  // namespace services
