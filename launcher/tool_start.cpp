#include "launcher/tool_start.h"

#include "launcher/globals.h"
#include "launcher/messages.h"
#include "launcher/plain_file.h"
#include "launcher/shell_open.h"
#include "platform/message_box.h"
#include "services/download.h"
#include "services/probe.h"
#include "services/sha256.h"

namespace launcher {
namespace {

bool g_downloadRunning = false;

class RunningFlag {
public:
    RunningFlag() { g_downloadRunning = true; }
    ~RunningFlag() { g_downloadRunning = false; }
};

}  // namespace

bool ToolDownloadRunning() { return g_downloadRunning; }

void StartTool(HWND owner, const std::wstring& localPath) { ShellOpen(owner, localPath, SW_SHOW); }

bool MatchesToolPin(const std::wstring& localPath, const std::wstring& sha256Pin) {
    return sha256Pin.empty() || services::MatchesPin(services::FileSha256(localPath), sha256Pin);
}

void FetchAndStartTool(HWND owner, DownloadProgress& progress, const std::wstring& exeName,
                       const std::wstring& sha256Pin) {
    const std::wstring url = ServerBaseUrl + exeName;
    const std::wstring localPath = LocalToolFolder + L"\\" + exeName;
    // Without a server there is nothing to probe: a bare file name would be taken
    // for a host name.
    std::wstring probe = url;
    if (ServerBaseUrl.empty() || !services::HttpExists(probe)) {
        platform::ShowMessage(kFileNotOnServer);
        return;
    }
    {
        RunningFlag running;
        progress.Show();
        services::DownloadChecks checks;
        checks.sha256Pin = sha256Pin;
        services::DownloadFile(url, localPath, &progress, checks);
        progress.Hide();
    }
    if (IsPlainFile(localPath) && MatchesToolPin(localPath, sha256Pin))
        StartTool(owner, localPath);
    else
        platform::ShowMessage(kDownloadFailed);
}

}  // namespace launcher
