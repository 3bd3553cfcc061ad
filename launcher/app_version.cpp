#include "launcher/app_version.h"

#include <windows.h>

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

}  // namespace launcher
