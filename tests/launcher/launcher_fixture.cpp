#include "tests/launcher/launcher_fixture.h"

#include "launcher/app/deployment.h"
#include "launcher/tools/tool_fetch.h"
#include "launcher/windows/form1.h"
#include "launcher/windows/register_controls.h"
#include "platform/log.h"
#include "platform/pending_messages.h"
#include "services/download.h"

namespace launchertest {

LauncherTest::LauncherTest() {
    static bool registered = (launcher::RegisterControls(), true);
    (void)registered;
    launcher::SetDeployment({primary.HostAndPort(), fallback.HostAndPort()});
    platform::SetLogFolder(L"");  // each start logs into its own tool folder
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", appData.Path().wstring().c_str());
    ::SetEnvironmentVariableW(L"Appdata", appData.Path().wstring().c_str());
    previousSink_ = platform::ReplaceMessageBox(
        [this](const std::wstring& text, const std::wstring&, UINT) { messages.push_back(text); });
    previousShell_ = launcher::ReplaceShellOpen(
        [this](HWND owner, const std::wstring& file, int show, const std::wstring& folder) {
            starts.push_back({owner, file, show, folder});
        });
    forms::Form::SetShowHook([this](forms::Form& form) {
        shown.push_back(form.Name());
        if (nextShow_.empty()) {
            if (form.IsModal()) form.Unload();
            return;
        }
        auto action = std::move(nextShow_.front());
        nextShow_.pop_front();
        action(form);
    });
}

LauncherTest::~LauncherTest() {
    forms::Form::SetShowHook(nullptr);
    launcher::ReplaceShellOpen(std::move(previousShell_));
    platform::ReplaceMessageBox(std::move(previousSink_));
}

void LauncherTest::ServeConfig(testsupport::HttpServer& server, const std::string& ini) {
    server.Serve(std::string(kAssist) + "norvelassist.ini", ini);
}

int LauncherTest::Count(const testsupport::HttpServer& server, const std::string& method,
                        const std::string& name) const {
    int n = 0;
    for (const auto& r : server.Requests())
        if (r.method == method && r.path.size() >= name.size() &&
            r.path.compare(r.path.size() - name.size(), name.size(), name) == 0)
            ++n;
    return n;
}

std::wstring LauncherTest::ToolFolder() const { return appData.Path().wstring() + L"\\Norvelassist"; }

std::wstring LauncherTest::Base(const testsupport::HttpServer& server) const {
    return L"http://" + server.HostAndPort() + L"/cms/images/stories/assistenza/";
}

void LauncherTest::ExpectServerChosen(launcher::Form1& form, const testsupport::HttpServer& server) const {
    EXPECT_EQ(Base(server), form.CurrentSession().serverBaseUrl);
    EXPECT_EQ(server.HostAndPort(), form.GetLabel(L"Label2").Caption());
}

void LauncherTest::OnNextShow(std::function<void(forms::Form&)> action) { nextShow_.push_back(std::move(action)); }

void LauncherTest::Accept(forms::Form& dialog) {
    ClickWindow(dialog.GetCheckBox(L"Check1").Handle());
    ClickWindow(dialog.GetCommandButton(L"Command1").Handle());
}

void LauncherTest::Cancel(forms::Form& dialog) { ClickWindow(dialog.GetCommandButton(L"Command2").Handle()); }

namespace {
std::function<void()>& CurrentTick() {
    static std::function<void()> tick;
    return tick;
}
}  // namespace

Ticker::Ticker(std::function<void()> tick) {
    CurrentTick() = std::move(tick);
    id_ = ::SetTimer(nullptr, 0, 5, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        if (CurrentTick()) CurrentTick()();
    });
}

Ticker::~Ticker() {
    ::KillTimer(nullptr, id_);
    CurrentTick() = nullptr;
}

namespace {
CaptionRecorder* g_recorder = nullptr;
}  // namespace

CaptionRecorder::CaptionRecorder(HWND window) : window_(window) {
    g_recorder = this;
    hook_ = ::SetWindowsHookExW(
        WH_CALLWNDPROCRET,
        [](int code, WPARAM wp, LPARAM lp) CALLBACK {
            const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lp);
            if (code == HC_ACTION && g_recorder && sent->message == WM_SETTEXT && sent->hwnd == g_recorder->window_)
                g_recorder->captions.emplace_back(reinterpret_cast<const wchar_t*>(sent->lParam));
            return ::CallNextHookEx(nullptr, code, wp, lp);
        },
        nullptr, ::GetCurrentThreadId());
}

CaptionRecorder::~CaptionRecorder() {
    ::UnhookWindowsHookEx(hook_);
    g_recorder = nullptr;
}

void ClickWindow(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
}

void FinishFetches() {
    for (const ULONGLONG end = ::GetTickCount64() + 60000; launcher::ToolDownloadRunning() && ::GetTickCount64() < end;
         platform::ProcessPendingMessages())
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
}

void ClickAndFinish(HWND hwnd) {
    ClickWindow(hwnd);
    FinishFetches();
}

std::string DemoTool(const std::string& name) {
    return testsupport::ReadWholeFile(std::filesystem::path(NORVEL_DEMO_TOOLS_DIR) / (name + ".exe"));
}

std::string DemoPin(const std::string& name) {
    const std::string ini = testsupport::ReadWholeFile(std::filesystem::path(NORVEL_DEMO_SITE_INI));
    const std::string key = "eseguibile=" + name + ".exe\nsha256=";
    const std::size_t at = ini.find(key);
    return at == std::string::npos ? std::string() : ini.substr(at + key.size(), 64);
}

}  // namespace launchertest
