#include "launcher/form3.h"

#include "launcher/globals.h"
#include "launcher/messages.h"
#include "launcher/plain_file.h"
#include "platform/log.h"
#include "platform/message_box.h"
#include "services/config.h"
#include "services/probe.h"

namespace launcher {

// Designer names of the controls this window looks up.
constexpr const wchar_t* kNameList = L"List1";
constexpr const wchar_t* kExecutableList = L"List2";
constexpr const wchar_t* kDownloadButton = L"qvButtons_H4";
constexpr const wchar_t* kCancelButton = L"qvButtons_H1";

Form3::Form3() : Form(forms::LoadFormDescription(L"FORM3")) {}

void Form3::OnLoad() {
    toolFetch_.emplace(*this);
    if (!services::MakeFolderIfMissing(LocalToolFolder)) platform::Log(L"cartella non creata: " + LocalToolFolder);
    const std::wstring config = LocalToolFolder + L"\\" + ConfigFileName;
    auto& names = GetListBox(kNameList);
    auto& executables = GetListBox(kExecutableList);
    for (int i = 3; i <= 10; ++i) {
        const std::wstring section = std::to_wstring(i);
        names.AddItem(services::ReadIni(config, section, L"nome"));
        executables.AddItem(services::ReadIni(config, section, L"eseguibile"));
    }
    GetButton(kDownloadButton).Click = [this] { DownloadSelected(); };
    GetButton(kCancelButton).Click = [this] { Unload(); };
}

bool Form3::OnEscape() { return toolFetch_ && toolFetch_->Cancel(); }

LRESULT Form3::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (toolFetch_ && toolFetch_->HandleMessage(msg)) return 0;
    return Form::HandleMessage(msg, wp, lp);
}

void Form3::DownloadSelected() {
    if (ToolDownloadRunning()) return;
    const int line = GetListBox(kNameList).ListIndex();
    const std::wstring exeName = GetListBox(kExecutableList).List(line);
    if (!IsPlainFileName(exeName)) {
        platform::ShowMessage(kFileNotOnServer, 0, {}, hwnd());
        return;
    }
    // Line k comes from section k + 3; its pin and publishers are read as the download starts.
    toolFetch_->Start(exeName, ReadToolTrust(LocalToolFolder + L"\\" + ConfigFileName, std::to_wstring(line + 3)));
}

}  // namespace launcher
