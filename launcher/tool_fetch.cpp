#include "launcher/tool_fetch.h"

#include "launcher/globals.h"
#include "launcher/messages.h"
#include "launcher/tool_start.h"
#include "platform/message_box.h"
#include "services/download.h"
#include "services/probe.h"

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

void FetchAndStartTool(HWND owner, DownloadProgress& progress, const std::wstring& exeName) {
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
        services::DownloadFile(url, localPath, &progress);
        progress.Hide();
    }
    if (IsPlainFile(localPath))
        StartTool(owner, localPath);
    else
        platform::ShowMessage(kDownloadFailed);
}

}  // namespace launcher
