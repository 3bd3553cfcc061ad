#include "launcher/windows/download_progress.h"

#include <climits>

#include "forms/screen_pointer.h"
#include "launcher/windows/messages.h"
#include "platform/message_box.h"

namespace launcher {

// Designer names of the progress controls; Form1 and Form3 both carry them.
constexpr const wchar_t* kMessageLabel = L"Label3";
constexpr const wchar_t* kTrackShape = L"Shape2";
constexpr const wchar_t* kFillShape = L"Shape1";
constexpr const wchar_t* kPercentLabel = L"Label4";
constexpr int kTwipsPerPercent = 56;

int FillWidthTwips(int percent) {
    if (percent <= 0) return 0;
    return percent > INT_MAX / kTwipsPerPercent ? INT_MAX / kTwipsPerPercent * kTwipsPerPercent
                                                : percent * kTwipsPerPercent;
}

std::wstring PercentText(int percent) { return std::to_wstring(percent) + L"%"; }

void StartToolOrTell(HWND owner, const HeldTool& tool) {
    if (!StartTool(owner, tool)) platform::ShowMessage(kToolNotStarted, 0, {}, owner);
}

void FollowPlan(forms::Form& window, const LaunchPlan& plan, ToolFetch& fetch, const Session& session,
                const std::wstring& exeName) {
    using Step = LaunchPlan::Step;
    if (plan.step == Step::StartLocal) return StartToolOrTell(window.hwnd(), *plan.held);
    if (plan.step == Step::Download) return fetch.Start(session.serverBaseUrl, exeName, plan.localPath, plan.trust);
    if (plan.step == Step::Unverifiable)
        return platform::ShowMessage(kToolUnverifiable, MB_ICONINFORMATION, {}, window.hwnd());
    platform::ShowMessage(plan.step == Step::NoFolder ? kFolderNotCreated : kFileNotOnServer, 0, {}, window.hwnd());
}

DownloadProgress::DownloadProgress(forms::Form& window)
    : window_(window),
      message_(window.GetLabel(kMessageLabel)),
      track_(window.GetShape(kTrackShape)),
      fill_(window.GetShape(kFillShape)),
      percent_(window.GetLabel(kPercentLabel)) {}

void DownloadProgress::ShowDownload() {
    message_.SetVisible(true);
    forms::SetScreenMousePointer(forms::kPointerHourglass);
    fill_.SetVisible(true);
    track_.SetVisible(true);
    percent_.SetVisible(true);
}

void DownloadProgress::HideDownload() {
    forms::SetScreenMousePointer(forms::kPointerDefault);
    fill_.SetVisible(false);
    track_.SetVisible(false);
    message_.SetVisible(false);
    percent_.SetVisible(false);
}

void DownloadProgress::ShowPercent(int percent) {
    fill_.SetWidth(FillWidthTwips(percent));
    const std::wstring text = PercentText(percent);
    if (text != percent_.Caption()) percent_.SetCaption(text);
}

void DownloadProgress::FetchEnded(ToolFetch::Outcome outcome, const HeldTool* tool) {
    if (outcome == ToolFetch::Outcome::Startable) return StartToolOrTell(window_.hwnd(), *tool);
    const bool missing = outcome == ToolFetch::Outcome::NotOnServer;
    platform::ShowMessage(missing ? kFileNotOnServer : kDownloadFailed, 0, {}, window_.hwnd());
}

}  // namespace launcher
