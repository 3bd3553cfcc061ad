#include "launcher/form1.h"

#include "launcher/app_version.h"
#include "launcher/deployment.h"
#include "launcher/form2.h"
#include "launcher/globals.h"
#include "launcher/messages.h"
#include "launcher/per_user_folder.h"
#include "launcher/tool_fetch.h"
#include "launcher/tool_start.h"
#include "platform/message_box.h"
#include "services/config.h"
#include "services/download.h"
#include "services/probe.h"
#include "services/versione.h"

namespace launcher {

Form1::Form1() : Form(forms::LoadFormDescription(L"FORM1")) {}

Form1::~Form1() {
    // The alternatives window goes first: it may still be open.
    form3_.reset();
}

void Form1::OnLoad() {
    progress_.emplace(*this);
    GetButton(L"qvButtons_H4").Click = [this] { PressToolButton(1); };
    GetButton(L"qvButtons_H1").Click = [this] { PressToolButton(2); };
    GetButton(L"qvButtons_H3").Click = [this] { PressOther(); };
    // The site opens with the scheme of the server whose host the link shows.
    GetLabel(L"Label2").Click = [this] {
        ShellOpen(nullptr, SchemeFor(shownHost_) + GetLabel(L"Label2").Caption(), SW_SHOWNORMAL);
    };
    StartUp();
}

void Form1::StartUp() {
    auto& hostLabel = GetLabel(L"Label2");
    auto& left = GetButton(L"qvButtons_H4");
    auto& middle = GetButton(L"qvButtons_H1");
    const Deployment& deployment = CurrentDeployment();

    ConfigFileName = L"norvelassist.ini";
    const auto showHost = [&](const std::wstring& host) {
        shownHost_ = host;
        hostLabel.SetCaption(BareHost(host));
    };
    ServerBaseUrl = ServerBaseUrlFor(deployment.primaryHost);
    showHost(deployment.primaryHost);
    std::wstring configUrl = ServerBaseUrl + L"\\" + ConfigFileName;
    if (!services::HttpExists(configUrl)) {
        ServerBaseUrl = ServerBaseUrlFor(deployment.fallbackHost);
        showHost(deployment.fallbackHost);
        configUrl = ServerBaseUrl + L"\\" + ConfigFileName;
        if (!services::HttpExists(configUrl)) {
            ServerBaseUrl.clear();
            platform::ShowMessage(kSiteUnreachable);
        }
    }

    GetLabel(L"Label1").SetCaption(kWelcomeText);

    LocalToolFolder = EnvironmentValue(AppDataVariableFor(ReadProductName())) + L"\\Norvelassist";
    if (LocalToolFolder == L"\\Norvelassist") {
        platform::ShowMessage(kFolderNotCreated);
        return;
    }
    if (!services::DirExists(LocalToolFolder)) ::CreateDirectoryW(LocalToolFolder.c_str(), nullptr);

    // No server, no probe: the URL would then start with the bare file name.
    configUrl = ServerBaseUrl + L"\\" + ConfigFileName;
    const std::wstring localConfig = LocalToolFolder + L"\\" + ConfigFileName;
    bool reachable = !ServerBaseUrl.empty() && services::HttpExists(configUrl);
    if (reachable) {
        services::DownloadFile(configUrl, localConfig, &*progress_);
        // A failed download leaves an earlier copy as it was; without one there is
        // no configuration to read.
        reachable = IsPlainFile(localConfig);
    }
    if (reachable) {
        left.SetCaption(services::ReadIni(localConfig, L"1", L"nome"));
        left.SetTag(services::ReadIni(localConfig, L"1", L"eseguibile"));
        middle.SetCaption(services::ReadIni(localConfig, L"2", L"nome"));
        middle.SetTag(services::ReadIni(localConfig, L"2", L"eseguibile"));
        if (services::ReadIni(localConfig, L"norvelassist", L"versione") != AppVersionText())
            platform::ShowMessage(kObsoleteVersion);
    } else {
        platform::ShowMessage(kConfigUnreachable);
        left.SetCaption(L"HELP");
        left.SetTag(L"NorvelHelpdesk.exe");
        middle.SetCaption(L"SOS");
        middle.SetTag(L"SplashtopSOS.exe");
    }
}

void Form1::PressToolButton(std::int16_t index) {
    if (ToolDownloadRunning()) return;
    SelectedToolIndex = index;
    LaunchTool();
}

void Form1::PressOther() {
    auto& accepted = GetCheckBox(L"Check1");
    if (accepted.Value() == 0) ShowAcceptanceDialog();
    if (accepted.Value() != 1) return;
    if (!form3_ || !form3_->IsLoaded()) form3_ = std::make_unique<Form3>();
    form3_->Show();
}

void Form1::ShowAcceptanceDialog() {
    Form2 dialog(GetCheckBox(L"Check1"));
    dialog.ShowModal();
}

void Form1::LaunchTool() {
    ShowAcceptanceDialog();
    if (GetCheckBox(L"Check1").Value() != 1) return;
    if (!services::DirExists(LocalToolFolder)) ::CreateDirectoryW(LocalToolFolder.c_str(), nullptr);

    const std::wstring config = LocalToolFolder + L"\\" + ConfigFileName;
    const std::wstring section = std::to_wstring(SelectedToolIndex);
    ToolExeName = services::ReadIni(config, section, L"eseguibile");
    if (!IsPlainFileName(ToolExeName)) {
        platform::ShowMessage(kFileNotOnServer);
        return;
    }
    const std::wstring localPath = LocalToolFolder + L"\\" + ToolExeName;
    const std::wstring pin = services::ReadIni(config, section, L"sha256");
    if (IsPlainFile(localPath)) {
        const services::FileVersionRecord record = services::ReadFileVersion(localPath);
        const std::wstring required = services::ReadIni(config, section, L"versione");
        // A pinned copy with the right version but other bytes is fetched again.
        if (record.FileVersion == required && MatchesToolPin(localPath, pin)) {
            StartTool(hwnd(), localPath);
            return;
        }
    }
    FetchAndStartTool(hwnd(), *progress_, ToolExeName, pin);
}

}  // namespace launcher
