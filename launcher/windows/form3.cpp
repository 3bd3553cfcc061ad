#include "launcher/windows/form3.h"

#include "launcher/tools/launch_plan.h"

namespace launcher {

// Designer names of the controls this window looks up.
constexpr const wchar_t* kNameList = L"List1";
constexpr const wchar_t* kExecutableList = L"List2";
constexpr const wchar_t* kDownloadButton = L"qvButtons_H4";
constexpr const wchar_t* kCancelButton = L"qvButtons_H1";

Form3::Form3(Session session) : Form(forms::LoadFormDescription(L"FORM3")), session_(std::move(session)) {}

void Form3::OnLoad() {
    progress_.emplace(*this);
    toolFetch_.emplace(Events(), *progress_);
    MakeToolFolder(session_);
    // A configuration the launcher does not believe shows eight empty lines.
    const services::IniFile config = LoadConfiguration(session_.configPath).value_or(Configuration{}).ini;
    auto& names = GetListBox(kNameList);
    auto& executables = GetListBox(kExecutableList);
    for (int i = 3; i <= 10; ++i) {
        const std::wstring section = std::to_wstring(i);
        names.AddItem(config.Read(section, L"nome"));
        executables.AddItem(config.Read(section, L"eseguibile"));
    }
    GetButton(kDownloadButton).Click = [this] { DownloadSelected(); };
    GetButton(kCancelButton).Click = [this] { Unload(); };
}

bool Form3::OnEscape() { return toolFetch_ && toolFetch_->Cancel(); }

LRESULT Form3::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // A fetch ends with its window, while the progress controls still exist.
    if (msg == WM_DESTROY && toolFetch_) toolFetch_->Cancel();
    return Form::HandleMessage(msg, wp, lp);
}

void Form3::DownloadSelected() {
    if (ToolDownloadRunning()) return;
    const int line = GetListBox(kNameList).ListIndex();
    const std::wstring exeName = GetListBox(kExecutableList).List(line);
    // Line k comes from section k + 3; its pin and publishers are read as the download starts.
    const std::optional<Configuration> config = LoadConfiguration(session_.configPath);
    FollowPlan(*this, PlanLaunch(session_, config ? &*config : nullptr, std::to_wstring(line + 3), exeName,
                                 LocalCopy::Ignored),
               *toolFetch_, session_, exeName);
}

}  // namespace launcher
