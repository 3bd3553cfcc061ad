#include "launcher/tools/tool_start.h"

#include "launcher/tools/shell_open.h"
#include "platform/log.h"
#include "services/publisher.h"
#include "services/sha256.h"

namespace launcher {

ToolTrust ReadToolTrust(const services::IniFile& config, const std::wstring& section) {
    return {config.Read(section, L"sha256"), config.Read(section, L"firmatario")};
}

bool MeetsToolTrust(const std::wstring& localPath, const ToolTrust& trust) {
    return (trust.sha256Pin.empty() || services::MatchesPin(services::FileSha256(localPath), trust.sha256Pin)) &&
           (trust.publishers.empty() || services::SignedByPublisher(localPath, trust.publishers));
}

HeldTool::HeldTool(std::wstring path)
    : path_(std::move(path)),
      file_(::CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {}

bool StartTool(HWND owner, const HeldTool& tool) {
    if (!tool.Held()) {
        platform::Log(L"avvio non riuscito: " + tool.Path() + L" non trattenuto");
        return false;
    }
    const std::wstring folder = tool.Path().substr(0, tool.Path().find_last_of(L'\\'));
    if (ShellOpen(owner, tool.Path(), SW_SHOW, folder)) {
        platform::Log(L"avviato " + tool.Path());
        return true;
    }
    const DWORD error = ::GetLastError();
    platform::Log(L"avvio non riuscito: " + tool.Path() + L" " + platform::ErrorText(error));
    return false;
}

}  // namespace launcher
