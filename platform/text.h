// Text conversions between the program's wide strings and the narrow encodings
// some platform calls and files use.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Wide text to the system ANSI code page (CP_ACP); characters it cannot hold
// become the code page's default character.
std::string ToAnsi(std::wstring_view text);
// System ANSI code page to wide text.
std::wstring FromAnsi(std::string_view text);
// UTF-8 (form descriptions, JSON files) to wide text and back.
std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

// Upper-cases with the platform's rules (CharUpperBuffW).
std::wstring ToUpper(std::wstring_view text);
// Equal but for letter case (ordinal, as property names and keys are compared).
bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b);

// True for a character that changes how text reads or where a line ends without
// being seen: C0 and C1 controls, DEL, the line and paragraph separators, and the
// format characters (bidirectional embeddings, overrides and isolates such as
// U+202E, zero-width characters, the byte-order mark, the soft hyphen).
bool IsHiddenCharacter(wchar_t c);

}  // namespace platform
