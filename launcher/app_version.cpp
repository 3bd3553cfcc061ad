#include "launcher/app_version.h"

#include <windows.h>

#include "launcher/per_user_folder.h"
#include "platform/late_bound.h"
#include "services/versione.h"

namespace launcher {

std::wstring AppVersionText() {
    wchar_t path[MAX_PATH]{};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::optional<VS_FIXEDFILEINFO> info = services::ReadFixedFileInfo(path);
    if (!info) return {};
    return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(info->dwFileVersionLS));
}

std::wstring WindowsVersionText() {
    // GetVersionEx answers with the version the manifest names; the kernel's own does not.
    using GetVersion = LONG WINAPI(OSVERSIONINFOW*);
    static const auto getVersion = platform::LateBound<GetVersion>(L"ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    std::wstring text = L"Windows";
    if (getVersion && getVersion(&info) == 0)
        text += L" " + std::to_wstring(info.dwMajorVersion) + L"." + std::to_wstring(info.dwMinorVersion) + L"." +
                std::to_wstring(info.dwBuildNumber);
    return text + L" (" + ReadProductName() + L")";
}

}  // namespace launcher
