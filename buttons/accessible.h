// What a screen reader reads from a qvButtons_H: role by Mode, the caption as name,
// states, an Italian default action and the access key as keyboard shortcut.
#pragma once

#include <string>
#include <string_view>

namespace buttons {

inline constexpr wchar_t kPressAction[] = L"Premi";
inline constexpr wchar_t kSelectAction[] = L"Seleziona";
inline constexpr wchar_t kDeselectAction[] = L"Deseleziona";

// The caption as it is read: "&" marks dropped ("&&" is one "&"), the line break
// "||" read as a blank.
std::wstring AccessibleNameOf(std::wstring_view caption);

// "Alt+" and the access key in capitals; empty without an access key.
std::wstring AccessibleShortcutOf(std::wstring_view accessKeys);

}  // namespace buttons
