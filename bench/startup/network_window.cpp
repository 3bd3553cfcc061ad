// The second start-up baseline: the network work NorvelAssist.exe does before its
// window shows, and nothing else. Through one WinInet session to the server of the
// URL on the command line: HEAD twice (the two probes), HEAD and GET (the size query
// and the transfer of the body), then one window as the minimal program shows it,
// with the launcher's manifest and common controls, and one themed push button.
#include <windows.h>
#include <commctrl.h>
#include "platform/wininet.h"

#include <string>

#include "platform/handles.h"
#include "window_program.h"

namespace {

// One request on `connection`; a GET reads the whole body.
bool Request(HINTERNET connection, const wchar_t* verb, const std::wstring& object) {
    constexpr DWORD kFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    const platform::Internet request(
        ::HttpOpenRequestW(connection, verb, object.c_str(), nullptr, nullptr, nullptr, kFlags, 0));
    if (!request) return false;
    const bool ok = ::HttpSendRequestW(request.get(), nullptr, 0, nullptr, 0) != FALSE;
    if (ok && std::wstring(verb) == L"GET") {
        char buffer[4096];
        DWORD read = 0;
        while (::InternetReadFile(request.get(), buffer, sizeof buffer, &read) && read > 0) continue;
    }
    return ok;
}

bool NetworkWork(const std::wstring& url) {
    wchar_t host[256] = {}, path[1024] = {};
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = 256;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = 1024;
    if (!::InternetCrackUrlW(url.c_str(), 0, 0, &parts)) return false;
    const platform::Internet session(::InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    const platform::Internet connection(
        ::InternetConnectW(session.get(), host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return false;
    HINTERNET c = connection.get();
    return Request(c, L"HEAD", path) && Request(c, L"HEAD", path) && Request(c, L"HEAD", path) &&
           Request(c, L"GET", path);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    if (!NetworkWork(commandLine)) return 1;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    return startup_bench::RunWindowProgram(instance, L"NetworkWindow", L"Network window", show, L"Altro");
}
