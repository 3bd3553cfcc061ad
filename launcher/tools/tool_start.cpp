#include "launcher/tools/tool_start.h"

#include "launcher/tools/shell_open.h"
#include "platform/log.h"
#include "services/config.h"
#include "services/publisher.h"
#include "services/sha256.h"

namespace launcher {

ToolTrust ReadToolTrust(const std::wstring& config, const std::wstring& section) {
    return {services::ReadIni(config, section, L"sha256"), services::ReadIni(config, section, L"firmatario")};
}

bool MeetsToolTrust(const std::wstring& localPath, const ToolTrust& trust) {
    return (trust.sha256Pin.empty() || services::MatchesPin(services::FileSha256(localPath), trust.sha256Pin)) &&
           (trust.publishers.empty() || services::SignedByPublisher(localPath, trust.publishers));
}

bool StartTool(HWND owner, const std::wstring& localPath) {
    if (ShellOpen(owner, localPath, SW_SHOW)) {
        platform::Log(L"avviato " + localPath);
        return true;
    }
    const DWORD error = ::GetLastError();
    platform::Log(L"avvio non riuscito: " + localPath + L" " + platform::ErrorText(error));
    return false;
}

}  // namespace launcher
