// What a screen reader reads from a label: static text with its caption as name,
// or, for a link label, a link whose default action ("Apri") runs its Click.
#pragma once

#include <windows.h>

#include "forms/accessible_object.h"

namespace forms {

inline constexpr wchar_t kLinkAction[] = L"Apri";

// A new object for the label window `hwnd` (one reference).
AccessibleObject* NewLabelAccessible(HWND hwnd);

}  // namespace forms
