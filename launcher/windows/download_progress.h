// The progress controls of a window that downloads a tool (the message label
// Label3, the bar track Shape2, the bar fill Shape1 and the percentage Label4), and
// what the window tells or starts when the fetch is over.
#pragma once

#include <string>

#include "forms/form.h"
#include "launcher/tools/launch_plan.h"
#include "launcher/tools/tool_fetch.h"

namespace launcher {

// A percentage as the windows show it: the bar fill is 56 twips per percent (5600
// at 100, past the track beyond it; kept within an int), the label "37%".
int FillWidthTwips(int percent);
std::wstring PercentText(int percent);

// Starts the held copy with `owner` as its owner; when the shell cannot, tells the
// user "Non è stato possibile avviare il programma di assistenza." in a box owned by
// `owner`.
void StartToolOrTell(HWND owner, const HeldTool& tool);

// Carries out a launch plan for `window`, telling in boxes it owns: the folder
// message without a tool folder, "File inesistente sul Server" for a name that is
// not plain, "Non è stato possibile verificare il programma di assistenza." for a
// tool that cannot be verified; or the start of the local copy, or `fetch` of
// `exeName` from the session's server.
void FollowPlan(forms::Form& window, const LaunchPlan& plan, ToolFetch& fetch, const Session& session,
                const std::wstring& exeName);

class DownloadProgress : public ToolFetch::Display {
public:
    explicit DownloadProgress(forms::Form& window);

    // Label3, the hourglass pointer, Shape1, Shape2, Label4, in this order.
    void ShowDownload() override;
    // Shape1's width and Label4's text, each only when it changes.
    void ShowPercent(int percent) override;
    // The default pointer; Shape1, Shape2, Label3, Label4 hidden, in this order.
    void HideDownload() override;
    // "File inesistente sul Server", the failed download's message, or the start of
    // the copy, owned by the window.
    void FetchEnded(ToolFetch::Outcome outcome, const HeldTool* tool) override;

private:
    forms::Form& window_;
    forms::Label& message_;
    forms::Shape& track_;
    forms::Shape& fill_;
    forms::Label& percent_;
};

}  // namespace launcher
