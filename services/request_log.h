// The texts of the log's request lines.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace services {

// "WinInet N: its text" for an error of a request (the text of wininet.dll or the
// system).
std::wstring InternetErrorText(DWORD code);
// "N ms" since `start`.
std::wstring ElapsedText(std::chrono::steady_clock::time_point start);

}  // namespace services
