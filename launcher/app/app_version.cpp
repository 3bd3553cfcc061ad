#include "launcher/app/app_version.h"

#include <windows.h>

#include "launcher/app/per_user_folder.h"
#include "platform/late_bound.h"
#include "services/versione.h"

namespace launcher {

std::wstring AppVersionText() {
    static const std::wstring text = [] {
        const std::optional<VS_FIXEDFILEINFO> info = services::ReadFixedFileInfo(RunningProgramPath());
        if (!info) return std::wstring();
        return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." +
               std::to_wstring(LOWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(HIWORD(info->dwFileVersionLS));
    }();
    return text;
}

std::wstring RunningProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
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
