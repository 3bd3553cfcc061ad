#include "services/request_log.h"

namespace services {

std::wstring InternetErrorText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM |
                        FORMAT_MESSAGE_FROM_HMODULE;
    ::FormatMessageW(flags, ::GetModuleHandleW(L"wininet.dll"), code, 0, reinterpret_cast<wchar_t*>(&text), 0,
                     nullptr);
    std::wstring result = L"WinInet " + std::to_wstring(code);
    if (text) {
        std::wstring message = text;
        ::LocalFree(text);
        while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
            message.pop_back();
        if (!message.empty()) result += L": " + message;
    }
    return result;
}

std::wstring ElapsedText(std::chrono::steady_clock::time_point start) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    return std::to_wstring(ms.count()) + L" ms";
}

}  // namespace services
