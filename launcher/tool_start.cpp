#include "launcher/tool_start.h"

#include "launcher/messages.h"
#include "launcher/shell_open.h"
#include "platform/message_box.h"
#include "services/sha256.h"

namespace launcher {

bool MatchesToolPin(const std::wstring& localPath, const std::wstring& sha256Pin) {
    return sha256Pin.empty() || services::MatchesPin(services::FileSha256(localPath), sha256Pin);
}

void StartTool(HWND owner, const std::wstring& localPath) {
    if (!ShellOpen(owner, localPath, SW_SHOW)) platform::ShowMessage(kToolNotStarted, 0, {}, owner);
}

}  // namespace launcher
