#include "launcher/form1.h"

#include "launcher/app_version.h"
#include "launcher/deployment.h"
#include "launcher/form2.h"
#include "launcher/globals.h"
#include "launcher/messages.h"
#include "launcher/per_user_folder.h"
#include "launcher/plain_file.h"
#include "launcher/shell_open.h"
#include "launcher/tool_start.h"
#include "platform/message_box.h"
#include "services/config.h"
#include "services/download.h"
#include "services/probe.h"
#include "services/versione.h"

namespace launcher {

// Designer names of the controls this window looks up.
constexpr const wchar_t* kToolButton1 = L"qvButtons_H4";
constexpr const wchar_t* kToolButton2 = L"qvButtons_H1";
constexpr const wchar_t* kOtherButton = L"qvButtons_H3";
constexpr const wchar_t* kWelcomeLabel = L"Label1";
constexpr const wchar_t* kHostLabel = L"Label2";
constexpr const wchar_t* kAcceptedBox = L"Check1";

Form1::Form1() : Form(forms::LoadFormDescription(L"FORM1")) {}

Form1::~Form1() {
    // The alternatives window goes first: it may still be open.
    form3_.reset();
}

void Form1::OnLoad() {
    progress_.emplace(*this);
    GetButton(kToolButton1).Click = [this] { PressToolButton(1); };
    GetButton(kToolButton2).Click = [this] { PressToolButton(2); };
    GetButton(kOtherButton).Click = [this] { PressOther(); };
    // The site opens with the scheme of the server whose host the link shows.
    GetLabel(kHostLabel).Click = [this] {
        ShellOpen(nullptr, SchemeFor(shownHost_) + GetLabel(kHostLabel).Caption(), SW_SHOWNORMAL);
    };
    StartUp();
}

void Form1::StartUp() {
    auto& hostLabel = GetLabel(kHostLabel);
    auto& left = GetButton(kToolButton1);
    auto& middle = GetButton(kToolButton2);
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

    GetLabel(kWelcomeLabel).SetCaption(kWelcomeText);

    LocalToolFolder = EnvironmentValue(AppDataVariableFor(ReadProductName())) + L"\\Norvelassist";
    if (LocalToolFolder == L"\\Norvelassist") {
        platform::ShowMessage(kFolderNotCreated);
        return;
    }
    services::MakeFolderIfMissing(LocalToolFolder);

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
    auto& accepted = GetCheckBox(kAcceptedBox);
    if (accepted.Value() == 0) ShowAcceptanceDialog();
    if (accepted.Value() != 1) return;
    if (!form3_ || !form3_->IsLoaded()) form3_ = std::make_unique<Form3>();
    form3_->Show();
}

void Form1::ShowAcceptanceDialog() {
    Form2 dialog(GetCheckBox(kAcceptedBox));
    dialog.ShowModal();
}

void Form1::LaunchTool() {
    ShowAcceptanceDialog();
    if (GetCheckBox(kAcceptedBox).Value() != 1) return;
    services::MakeFolderIfMissing(LocalToolFolder);

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
