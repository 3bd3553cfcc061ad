// Where the launcher keeps its files: the user's application-data folder (from the
// environment) followed by "\Norvelassist". Windows XP keeps it under "Appdata",
// later versions under "LOCALAPPDATA"; the registry's product name tells which.
#pragma once

#include <string>

namespace launcher {

// HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion, value "ProductName" ("" if unreadable).
std::wstring ReadProductName();

// "Appdata" when the product name contains "XP" (case-sensitive), else "LOCALAPPDATA".
const wchar_t* AppDataVariableFor(const std::wstring& productName);

// The value of an environment variable, "" when undefined.
std::wstring EnvironmentValue(const wchar_t* name);

}  // namespace launcher
