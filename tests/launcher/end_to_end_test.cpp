// The real NorvelAssist.exe under Wine, started as its own process with its
// per-user folder in a fresh temporary folder, driven from this separate program as
// a user would: windows found by caption, controls clicked, message boxes read and
// dismissed. The servers it looks for (the build's default hosts) are served here.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/support/http_server.h"
#include "tests/support/temp_folder.h"
#include "tools/uidriver/ui_driver.h"

namespace {

const std::wstring kMain = L" Assistenza Remota Norvel Sistemi 3.0";
const std::wstring kDialog = L"Clausola di accettazione intervento";
const std::wstring kTitle = platform::FromUtf8(NORVEL_APP_TITLE);

// A Unix path of the build as a Windows path on Wine's Z: drive.
std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:" + platform::FromUtf8(unixPath);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

unsigned short PortOf(const std::string& host) {
    const auto colon = host.rfind(':');
    return static_cast<unsigned short>(colon == std::string::npos ? 80 : std::stoi(host.substr(colon + 1)));
}

// The launcher as a child process whose LOCALAPPDATA and Appdata point into `folder`.
class Launcher {
public:
    explicit Launcher(const std::wstring& folder) {
        std::vector<wchar_t> block;
        for (const wchar_t* p = environment_.get(); *p; p += wcslen(p) + 1) {
            const std::wstring entry = p;
            const std::wstring upper = platform::ToUpper(entry);
            if (upper.rfind(L"LOCALAPPDATA=", 0) == 0 || upper.rfind(L"APPDATA=", 0) == 0) continue;
            block.insert(block.end(), entry.begin(), entry.end());
            block.push_back(L'\0');
        }
        for (const std::wstring& entry : {L"LOCALAPPDATA=" + folder, L"APPDATA=" + folder}) {
            block.insert(block.end(), entry.begin(), entry.end());
            block.push_back(L'\0');
        }
        block.push_back(L'\0');
        std::wstring command = L"\"" + WinePath(NORVEL_ASSIST_EXE) + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ok_ = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                               block.data(), nullptr, &si, &pi_) != FALSE;
    }
    ~Launcher() {
        if (!ok_) return;
        if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(pi_.hProcess, 1);
        ::CloseHandle(pi_.hThread);
        ::CloseHandle(pi_.hProcess);
    }
    bool started() const { return ok_; }
    DWORD pid() const { return pi_.dwProcessId; }
    // True when the process ended within timeoutMs, with its exit code in `code`.
    bool WaitForExit(DWORD& code, DWORD timeoutMs = 20000) {
        if (::WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
        ::GetExitCodeProcess(pi_.hProcess, &code);
        return true;
    }

private:
    struct FreeEnvironment {
        void operator()(wchar_t* p) const { ::FreeEnvironmentStringsW(p); }
    };
    std::unique_ptr<wchar_t, FreeEnvironment> environment_{::GetEnvironmentStringsW()};
    PROCESS_INFORMATION pi_{};
    bool ok_ = false;
};

std::wstring ReadBoxAndDismiss(DWORD pid) {
    HWND box = uidriver::WaitForMessageBox(kTitle, pid);
    if (!box) return L"(no message box)";
    const std::wstring text = uidriver::MessageBoxText(box);
    uidriver::DismissMessageBox(box);
    uidriver::WaitUntilGone(box, 5000);
    return text;
}

// Runs first, while nothing listens on the two hosts.
TEST(EndToEnd, BothServersDownShowsTheTwoMessagesInOrderThenTheMainWindow) {
    testsupport::TempFolder folder(L"e2e-down");
    Launcher launcher(folder.Path().wstring());
    ASSERT_TRUE(launcher.started());

    EXPECT_EQ(L"Sito Norvel non raggiungibile", ReadBoxAndDismiss(launcher.pid()));
    EXPECT_EQ(L"File di configurazione non raggiungibile", ReadBoxAndDismiss(launcher.pid()));
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    EXPECT_NE(nullptr, uidriver::FindChildByText(main, L"HELP"));
    EXPECT_NE(nullptr, uidriver::FindChildByText(main, L"SOS"));
    EXPECT_NE(nullptr, uidriver::FindChildByText(main, L"Altro"));
    EXPECT_NE(nullptr, uidriver::FindChildByText(main, platform::FromUtf8(NORVEL_FALLBACK_HOST)));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((folder.Path() / L"Norvelassist").wstring().c_str()));

    // Closing the last window ends the process.
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(launcher.WaitForExit(code));
    EXPECT_EQ(0u, code);
}

TEST(EndToEnd, ToolLaunchDownloadsIntoTheToolFolderAndStartsTheTool) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    const std::string assist = "/cms/images/stories/assistenza/";
    server.Serve(assist + "norvelassist.ini",
                 "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Helpdesk\r\neseguibile=NorvelHelpdesk.exe\r\n"
                 "versione=5.2.0.1\r\n[2]\r\nnome=SOS\r\neseguibile=NorvelSOS.exe\r\nversione=3.6.2.0\r\n");
    const std::string tool = testsupport::ReadWholeFile(WinePath(NORVEL_DEMO_TOOLS_DIR "/NorvelHelpdesk.exe"));
    ASSERT_FALSE(tool.empty());
    server.Serve(assist + "NorvelHelpdesk.exe", tool);

    testsupport::TempFolder folder(L"e2e-launch");
    Launcher launcher(folder.Path().wstring());
    ASSERT_TRUE(launcher.started());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(nullptr, uidriver::FindTopWindow(kTitle, launcher.pid()));  // no message box
    HWND helpdesk = uidriver::FindChildByText(main, L"Helpdesk");
    ASSERT_NE(nullptr, helpdesk);
    EXPECT_NE(nullptr, uidriver::FindChildByText(main, platform::FromUtf8(NORVEL_PRIMARY_HOST)));
    uidriver::Click(helpdesk);

    HWND dialog = uidriver::WaitForTopWindow(kDialog, launcher.pid());
    ASSERT_NE(nullptr, dialog);
    HWND proceed = uidriver::FindChildByText(dialog, L"Continua");
    ASSERT_NE(nullptr, proceed);
    EXPECT_FALSE(::IsWindowEnabled(proceed));
    uidriver::Click(uidriver::FindChildByText(dialog, L"accetto le condizioni"));
    for (int i = 0; i < 250 && !::IsWindowEnabled(proceed); ++i) ::Sleep(20);
    ASSERT_TRUE(::IsWindowEnabled(proceed));
    uidriver::Click(proceed);

    // The tool's own window comes up: its process was started from the tool folder.
    HWND toolWindow = uidriver::WaitForTopWindow(L"NorvelHelpdesk");
    ASSERT_NE(nullptr, toolWindow);
    const auto local = folder.Path() / L"Norvelassist" / L"NorvelHelpdesk.exe";
    EXPECT_EQ(tool, testsupport::ReadWholeFile(local));
    DWORD toolPid = 0;
    ::GetWindowThreadProcessId(toolWindow, &toolPid);
    EXPECT_NE(launcher.pid(), toolPid);
    EXPECT_GE(server.CountRequests("GET", assist + "NorvelHelpdesk.exe"), 1);

    ::PostMessageW(toolWindow, WM_CLOSE, 0, 0);
    uidriver::WaitUntilGone(toolWindow);
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(launcher.WaitForExit(code));
    EXPECT_EQ(0u, code);
}

}  // namespace
