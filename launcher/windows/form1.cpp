#include "launcher/windows/form1.h"

#include <chrono>

#include "forms/message_loop.h"
#include "launcher/app/deployment.h"
#include "launcher/app/single_instance.h"
#include "launcher/tools/launch_plan.h"
#include "launcher/tools/percent_relay.h"
#include "launcher/tools/shell_open.h"
#include "launcher/windows/about_box.h"
#include "launcher/windows/form2.h"
#include "launcher/windows/messages.h"
#include "launcher/windows/wait_window.h"
#include "platform/log.h"
#include "platform/message_box.h"

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
    signOfLife_.reset();
    fetchWorker_.Stop();
}

void Form1::OnLoadStarting() {
    // The servers are asked while the window and its controls are made; the outcome
    // comes back as the window's event, which waits for the window if need be.
    fetched_.reset();
    fetchFailure_ = nullptr;
    fetchWorker_.Start([this, deployment = CurrentDeployment()](const platform::CancelEvent& cancel) {
        std::optional<ConfigFetch> fetch;
        std::exception_ptr failure;
        try {
            fetch = FetchConfiguration(deployment, &cancel);
        } catch (...) {
            failure = std::current_exception();  // rethrown by the start-up
        }
        Events().Post(&fetched_, [this, fetch = std::move(fetch), failure] {
            fetched_ = fetch;
            fetchFailure_ = failure;
        });
    });
}

// Taking a window down can take a while (a window manager's answer): the main window
// is on screen by then.
void Form1::OnShown() { signOfLife_.reset(); }

void Form1::OnLoad() {
    progress_.emplace(*this);
    toolFetch_.emplace(Events(), *progress_);
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
    if (!WaitForFetch() || !StartUp(*fetched_)) Unload();
}

// Takes the thread's messages until the fetch's event ran, so that a slow start-up
// shows the wait window and answers the system meanwhile. False when the user
// closed the wait window (the fetch is then given up).
bool Form1::WaitForFetch() {
    const auto done = [this] { return fetched_ || fetchFailure_; };
    // Shown on the timer's first tick (which may come a little early).
    const auto showAt = std::chrono::steady_clock::now() + kSignOfLifeAfter - std::chrono::milliseconds(30);
    std::optional<WaitWindow>& wait = signOfLife_;
    const UINT_PTR wakeUp = ::SetTimer(nullptr, 0, static_cast<UINT>(kSignOfLifeAfter.count()), nullptr);
    forms::RunMessageLoop([&] {
        if (done()) return false;
        if (wait && wait->Closed()) return false;
        if (!wait && std::chrono::steady_clock::now() >= showAt) wait.emplace();
        return true;
    });
    ::KillTimer(nullptr, wakeUp);
    fetchWorker_.Stop();
    Events().Forget(&fetched_);
    if (fetchFailure_) std::rethrow_exception(fetchFailure_);
    return done();
}

// Shows the fetch's outcome in the start-up's order: the host, the site message, the
// welcome text, the folder message, the tool buttons and the version message (or the
// update offer). False when an installed update runs instead of this program.
bool Form1::StartUp(const ConfigFetch& fetch) {
    // A start-up with something to say takes the sign of life down first; a quiet one
    // lets the window replace it.
    const bool quiet = !fetch.session.serverBaseUrl.empty() && fetch.folderReady && fetch.configured &&
                       !fetch.update && !fetch.obsolete;
    if (!quiet) signOfLife_.reset();
    session_ = fetch.session;
    shownHost_ = fetch.shownHost;
    GetLabel(kHostLabel).SetCaption(BareHost(fetch.shownHost));
    if (session_.serverBaseUrl.empty()) platform::ShowMessage(kSiteUnreachable);

    GetLabel(kWelcomeLabel).SetCaption(kWelcomeText);

    if (!fetch.folderReady) {
        platform::ShowMessage(kFolderNotCreated);
        return true;
    }
    if (fetch.lastPercent) progress_->ShowPercent(*fetch.lastPercent);

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
    bool installed = false;  // the worker's, read once it is joined
    bool finished = false;
    platform::Worker worker;
    worker.Start([&, server = session_.serverBaseUrl](const platform::CancelEvent& cancel) {
        try {
            PercentRelay progress(Events(), &wait, [&wait](int percent) { wait.ShowPercent(percent); });
            installed = InstallUpdate(offer, server, program, &progress, &cancel);
        } catch (...) {
            platform::LogFailure(L"l'installazione dell'aggiornamento");
            installed = false;  // told as a failed update
        }
        Events().Post(&wait, [&finished] { finished = true; });
    });
    forms::RunMessageLoop([&] {
        if (wait.Closed()) worker.Cancel();
        return !finished;
    });
    worker.Stop();
    Events().Forget(&wait);
    if (!installed) return false;
    // The new program is the first launcher now: this one ends without a window.
    LetAnotherLauncherStart();
    if (ShellOpen(nullptr, program, SW_SHOWNORMAL)) return true;
    RollBackUpdate(program);
    return false;
}

bool Form1::OnEscape() { return toolFetch_ && toolFetch_->Cancel(); }

LRESULT Form1::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // A fetch ends with its window, while the progress controls still exist.
    if (msg == WM_DESTROY && toolFetch_) toolFetch_->Cancel();
    if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == kAboutCommand) {
        ShowAboutBox(hwnd(), session_);
        return 0;
    }
    return Form::HandleMessage(msg, wp, lp);
}

void Form1::PressToolButton(std::int16_t index) {
    if (ToolDownloadRunning()) return;
    selectedToolIndex_ = index;
    LaunchTool();
}

void Form1::PressOther() {
    auto& accepted = GetCheckBox(kAcceptedBox);
    if (accepted.Value() == 0) ShowAcceptanceDialog();
    if (accepted.Value() != 1) return;
    // A window closed meanwhile (its download cancelled with it) is made again.
    if (!form3_ || !form3_->IsLoaded()) form3_ = std::make_unique<Form3>(session_);
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
    MakeToolFolder(session_);
    const std::wstring section = std::to_wstring(selectedToolIndex_);
    const std::optional<Configuration> config = LoadConfiguration(session_.configPath);
    toolExeName_ = config ? config->ini.Read(section, L"eseguibile") : L"";
    FollowPlan(*this, PlanLaunch(session_, config ? &*config : nullptr, section, toolExeName_, LocalCopy::Considered),
               *toolFetch_, session_, toolExeName_);
}

}  // namespace launcher
