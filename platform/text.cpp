#include "platform/text.h"

#include <windows.h>

namespace platform {
namespace {

std::string Narrow(UINT codePage, std::wstring_view text) {
    if (text.empty()) return {};
    const int n = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                        nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0)
        ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                              nullptr);
    return out;
}

std::wstring Widen(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int n = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(n > 0 ? n : 0, L'\0');
    if (n > 0) ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

}  // namespace

std::string ToAnsi(std::wstring_view text) { return Narrow(CP_ACP, text); }
std::wstring FromAnsi(std::string_view text) { return Widen(CP_ACP, text); }
std::wstring FromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }
std::string ToUtf8(std::wstring_view text) { return Narrow(CP_UTF8, text); }

std::wstring ToUpper(std::wstring_view text) {
    std::wstring out(text);
    if (!out.empty()) ::CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

bool IsHiddenCharacter(wchar_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    if (c == 0x00AD || c == 0x061C || c == 0x180E || c == 0xFEFF) return true;
    if (c >= 0x200B && c <= 0x200F) return true;  // zero-width characters and direction marks
    if (c >= 0x2028 && c <= 0x202E) return true;  // separators, embeddings, overrides
    if (c >= 0x2060 && c <= 0x206F) return true;  // word joiner, invisible operators, isolates
    return c >= 0xFFF9 && c <= 0xFFFB;            // interlinear annotation
}

}  // namespace platform
