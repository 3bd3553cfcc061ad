#include "launcher/form1.h"

#include <atomic>
#include <chrono>

#include "forms/message_loop.h"
#include "launcher/about_box.h"
#include "launcher/deployment.h"
#include "launcher/form2.h"
#include "launcher/globals.h"
#include "launcher/messages.h"
#include "launcher/plain_file.h"
#include "launcher/shell_open.h"
#include "launcher/single_instance.h"
#include "launcher/tool_start.h"
#include "launcher/wait_window.h"
#include "platform/log.h"
#include "platform/message_box.h"
#include "services/config.h"
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

// A start-up that takes longer than this shows the wait window meanwhile.
constexpr auto kSignOfLifeAfter = std::chrono::milliseconds(700);

Form1::Form1() : Form(forms::LoadFormDescription(L"FORM1")) {}

Form1::~Form1() {
    // The alternatives window goes first: it may still be open. A fetch that was
    // never waited for is given up rather than waited out.
    form3_.reset();
    EndFetch();
}

void Form1::OnLoadStarting() {
    // The servers are asked while the window and its controls are made; the thread
    // wakes the window thread's wait for it as soon as the outcome is there.
    ConfigFileName = L"norvelassist.ini";
    EndFetch();
    cancelFetch_ = false;
    std::promise<ConfigFetch> outcome;
    fetch_ = outcome.get_future();
    fetchThread_ = std::thread([this, outcome = std::move(outcome), deployment = CurrentDeployment(),
                                name = ConfigFileName, windowThread = ::GetCurrentThreadId()]() mutable {
        try {
            outcome.set_value(FetchConfiguration(deployment, name, &cancelFetch_));
        } catch (...) {
            outcome.set_exception(std::current_exception());  // rethrown by the start-up
        }
        ::PostThreadMessageW(windowThread, WM_NULL, 0, 0);
    });
}

// Gives up a fetch still running and waits for its thread (a few milliseconds).
void Form1::EndFetch() {
    if (!fetchThread_.joinable()) return;
    if (fetch_.valid() && fetch_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) cancelFetch_ = true;
    fetchThread_.join();
}

void Form1::OnLoad() {
    toolFetch_.emplace(*this);
    const HMENU system = ::GetSystemMenu(hwnd(), FALSE);
    ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(system, MF_STRING, kAboutCommand, L"Informazioni su NorvelAssist...");
    GetButton(kToolButton1).Click = [this] { PressToolButton(1); };
    GetButton(kToolButton2).Click = [this] { PressToolButton(2); };
    GetButton(kOtherButton).Click = [this] { PressOther(); };
    // The site opens with the scheme of the server whose host the link shows.
    GetLabel(kHostLabel).Click = [this] {
        ShellOpen(nullptr, SchemeFor(shownHost_) + GetLabel(kHostLabel).Caption(), SW_SHOWNORMAL);
    };
    // The program ends when the user closed the wait window, or after an update.
    if (!WaitForFetch() || !StartUp()) Unload();
}

// Takes the thread's messages until the fetch is done, so that a slow start-up
// shows the wait window and answers the system meanwhile. False when the user
// closed the wait window (the fetch is then given up).
bool Form1::WaitForFetch() {
    // Shown on the timer's first tick (which may come a little early).
    const auto showAt = std::chrono::steady_clock::now() + kSignOfLifeAfter - std::chrono::milliseconds(30);
    std::optional<WaitWindow> wait;
    const UINT_PTR wakeUp = ::SetTimer(nullptr, 0, static_cast<UINT>(kSignOfLifeAfter.count()), nullptr);
    forms::RunMessageLoop([&] {
        if (fetch_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) return false;
        if (wait && wait->Closed()) return false;
        if (!wait && std::chrono::steady_clock::now() >= showAt) wait.emplace();
        return true;
    });
    ::KillTimer(nullptr, wakeUp);
    const bool done = fetch_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    EndFetch();
    return done;
}

// Shows the fetch's outcome in the start-up's order: the host, the site message, the
// welcome text, the folder message, the tool buttons and the version message (or the
// update offer). False when an installed update runs instead of this program.
bool Form1::StartUp() {
    const ConfigFetch fetch = fetch_.get();
    ServerBaseUrl = fetch.serverBaseUrl;
    shownHost_ = fetch.shownHost;
    GetLabel(kHostLabel).SetCaption(BareHost(fetch.shownHost));
    if (ServerBaseUrl.empty()) platform::ShowMessage(kSiteUnreachable);

    GetLabel(kWelcomeLabel).SetCaption(kWelcomeText);

    LocalToolFolder = fetch.toolFolder;
    if (!fetch.folderReady) {
        platform::ShowMessage(kFolderNotCreated);
        return true;
    }
    if (fetch.lastProgress) DownloadProgress(*this).ShowProgress(fetch.lastProgress->first, fetch.lastProgress->second);

    auto& left = GetButton(kToolButton1);
    auto& middle = GetButton(kToolButton2);
    if (fetch.configured) {
        left.SetCaption(fetch.toolNames[0]);
        left.SetTag(fetch.toolExes[0]);
        middle.SetCaption(fetch.toolNames[1]);
        middle.SetTag(fetch.toolExes[1]);
        if (fetch.update) {
            if (platform::AskYesNo(kUpdateOfferStart + fetch.update->version + kUpdateOfferEnd)) {
                if (UpdateLauncher(*fetch.update)) return false;
                platform::ShowMessage(kUpdateFailed);
            }
        } else if (fetch.obsolete) {
            platform::ShowMessage(kObsoleteVersion);
        }
    } else {
        platform::ShowMessage(kConfigUnreachable);
        left.SetCaption(L"HELP");
        left.SetTag(L"NorvelHelpdesk.exe");
        middle.SetCaption(L"SOS");
        middle.SetTag(L"SplashtopSOS.exe");
    }
    return true;
}

// Downloads and installs the offered launcher while the wait window shows the
// progress (closing it gives the download up), then starts it. True when the new
// launcher runs; false when nothing changed.
bool Form1::UpdateLauncher(const UpdateOffer& offer) {
    const std::wstring program = RunningProgramPath();
    WaitWindow wait;
    wait.ShowDownload();
    WaitWindow::Progress progress(wait);
    services::CancelFlag cancel{false};
    std::atomic<bool> done{false};
    bool installed = false;
    std::thread worker([&, windowThread = ::GetCurrentThreadId()] {
        try {
            installed = InstallUpdate(offer, ServerBaseUrl, program, &progress, &cancel);
        } catch (...) {
            platform::LogFailure(L"l'installazione dell'aggiornamento");
            installed = false;  // told as a failed update
        }
        done = true;
        ::PostThreadMessageW(windowThread, WM_NULL, 0, 0);
    });
    forms::RunMessageLoop([&] {
        if (wait.Closed()) cancel = true;
        return !done;
    });
    worker.join();
    if (!installed) return false;
    // The new program is the first launcher now: this one ends without a window.
    LetAnotherLauncherStart();
    if (ShellOpen(nullptr, program, SW_SHOWNORMAL)) return true;
    RollBackUpdate(program);
    return false;
}

bool Form1::OnEscape() { return toolFetch_ && toolFetch_->Cancel(); }

LRESULT Form1::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (toolFetch_ && toolFetch_->HandleMessage(msg)) return 0;
    if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == kAboutCommand) {
        ShowAboutBox(hwnd());
        return 0;
    }
    return Form::HandleMessage(msg, wp, lp);
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
    // A window closed meanwhile (its download cancelled with it) is made again.
    if (!form3_ || !form3_->IsLoaded()) form3_ = std::make_unique<Form3>();
    form3_->Show();
}

// True when the dialog was left with "Continua"; the acceptance box keeps the
// first acceptance for the rest of the run.
bool Form1::ShowAcceptanceDialog() {
    Form2 dialog(GetCheckBox(kAcceptedBox));
    dialog.ShowModal(hwnd());
    return dialog.Accepted();
}

void Form1::LaunchTool() {
    // Only this launch's own "Continua" lets it go on.
    if (!ShowAcceptanceDialog() || !IsLoaded()) return;
    if (!services::MakeFolderIfMissing(LocalToolFolder)) platform::Log(L"cartella non creata: " + LocalToolFolder);

    const std::wstring config = LocalToolFolder + L"\\" + ConfigFileName;
    const std::wstring section = std::to_wstring(SelectedToolIndex);
    ToolExeName = services::ReadIni(config, section, L"eseguibile");
    if (!IsPlainFileName(ToolExeName)) {
        platform::ShowMessage(kFileNotOnServer, 0, {}, hwnd());
        return;
    }
    const std::wstring localPath = LocalToolFolder + L"\\" + ToolExeName;
    const ToolTrust trust = ReadToolTrust(config, section);
    if (IsPlainFile(localPath)) {
        // A copy without version information reads as an empty version: fetched again.
        const services::FileVersionRecord record = services::ReadFileVersion(localPath);
        const std::wstring required = services::ReadIni(config, section, L"versione");
        // A copy with the right version but other bytes than the pin's, or not signed by
        // a named publisher, is fetched again.
        const bool trusted = record.FileVersion == required && MeetsToolTrust(localPath, trust);
        platform::Log(L"strumento della sezione " + section + L": " + ToolExeName + L", versione locale " +
                      record.FileVersion + L", richiesta " + required +
                      (trusted ? L": copia locale" : L": da scaricare (versione, impronta o firmatario)"));
        if (trusted) {
            StartTool(hwnd(), localPath);
            return;
        }
    } else {
        platform::Log(L"strumento della sezione " + section + L": " + ToolExeName + L", nessuna copia locale");
    }
    toolFetch_->Start(ToolExeName, trust);
}

}  // namespace launcher
