#include "launcher/form3.h"

#include "launcher/globals.h"
#include "launcher/messages.h"
#include "launcher/tool_fetch.h"
#include "launcher/tool_start.h"
#include "platform/message_box.h"
#include "services/config.h"
#include "services/probe.h"

namespace launcher {

Form3::Form3() : Form(forms::LoadFormDescription(L"FORM3")) {}

void Form3::OnLoad() {
    progress_.emplace(*this);
    if (!services::DirExists(LocalToolFolder)) ::CreateDirectoryW(LocalToolFolder.c_str(), nullptr);
    const std::wstring config = LocalToolFolder + L"\\" + ConfigFileName;
    auto& names = GetListBox(L"List1");
    auto& executables = GetListBox(L"List2");
    for (int i = 3; i <= 10; ++i) {
        const std::wstring section = std::to_wstring(i);
        names.AddItem(services::ReadIni(config, section, L"nome"));
        executables.AddItem(services::ReadIni(config, section, L"eseguibile"));
    }
    GetButton(L"qvButtons_H4").Click = [this] { DownloadSelected(); };
    GetButton(L"qvButtons_H1").Click = [this] { Unload(); };
}

void Form3::DownloadSelected() {
    if (ToolDownloadRunning()) return;
    const int line = GetListBox(L"List1").ListIndex();
    const std::wstring exeName = GetListBox(L"List2").List(line);
    if (!IsPlainFileName(exeName)) {
        platform::ShowMessage(kFileNotOnServer);
        return;
    }
    // Line k comes from section k + 3; its pin is read as the download starts.
    const std::wstring pin =
        services::ReadIni(LocalToolFolder + L"\\" + ConfigFileName, std::to_wstring(line + 3), L"sha256");
    FetchAndStartTool(hwnd(), *progress_, exeName, pin);
}

}  // namespace launcher
