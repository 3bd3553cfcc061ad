#include "services/profile_text.h"

#include <windows.h>

#include "platform/text.h"

namespace services {
namespace {

// Blanks and the control characters the profile reader trims, DOS's end-of-file
// mark among them.
bool IsProfileSpace(wchar_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == L' '; }

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && IsProfileSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsProfileSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool HasByteAbove127(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) > 127) return true;
    return false;
}

bool IsValidUtf8(std::string_view bytes) {
    return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                 nullptr, 0) > 0;
}

std::wstring FromUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]),
                   second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = static_cast<wchar_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return text;
}

}  // namespace

std::wstring DecodeProfileText(std::string_view bytes) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF", kUtf16LeMark = "\xFF\xFE", kUtf16BeMark = "\xFE\xFF";
    if (bytes.substr(0, 3) == kUtf8Mark) return platform::FromUtf8(bytes.substr(3));
    if (bytes.substr(0, 2) == kUtf16LeMark) return FromUtf16(bytes.substr(2), false);
    if (bytes.substr(0, 2) == kUtf16BeMark) return FromUtf16(bytes.substr(2), true);
    if (HasByteAbove127(bytes) && IsValidUtf8(bytes)) return platform::FromUtf8(bytes);
    return platform::FromAnsi(bytes);
}

std::vector<ProfileSection> ParseProfile(std::wstring_view text) {
    std::vector<ProfileSection> sections(1);
    const wchar_t lineEnd = text.find(L'\n') != std::wstring_view::npos ? L'\n' : L'\r';
    while (!text.empty()) {
        const std::size_t end = text.find(lineEnd);
        const std::wstring_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
        if (line.empty()) continue;
        const std::size_t close = line.rfind(L']');
        if (line.front() == L'[' && close != std::wstring_view::npos) {
            sections.push_back({std::wstring(line.substr(1, close - 1)), {}});
            continue;
        }
        const std::size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos) {
            sections.back().entries.push_back({std::wstring(line), std::nullopt});
            continue;
        }
        sections.back().entries.push_back(
            {std::wstring(Trim(line.substr(0, equals))), std::wstring(Trim(line.substr(equals + 1)))});
    }
    return sections;
}

const ProfileSection* FindProfileSection(const std::vector<ProfileSection>& sections, std::wstring_view name) {
    name = Trim(name);
    for (const ProfileSection& s : sections)
        if (platform::SameTextIgnoringCase(s.name, name)) return &s;
    return nullptr;
}

const ProfileEntry* FindProfileEntry(const ProfileSection& section, std::wstring_view key) {
    key = Trim(key);
    for (const ProfileEntry& e : section.entries)
        if (platform::SameTextIgnoringCase(e.key, key)) return &e;
    return nullptr;
}

}  // namespace services
