// The real NorvelAssist.exe under Wine, started as its own process with its
// per-user folder in a fresh temporary folder, driven from this separate program as
// a user would: windows found by caption, controls clicked, message boxes read and
// dismissed. The servers it looks for (the build's default hosts) are served here.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/text.h"
#include "tests/forms/driver.h"
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

// The launcher (or the program `exe`) as a child process whose LOCALAPPDATA and
// Appdata point into `folder`.
class Launcher {
public:
    explicit Launcher(const std::wstring& folder, const std::wstring& exe = WinePath(NORVEL_ASSIST_EXE)) {
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
        std::wstring command = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ok_ = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                               block.data(), nullptr, &si, &pi_) != FALSE;
    }
    ~Launcher() {
        if (!ok_) return;
        // Gone before the next start: a launcher still running would take that start over.
        if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(pi_.hProcess, 1);
        ::WaitForSingleObject(pi_.hProcess, 5000);
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

// Accepts the clause in the dialog that a tool button opened.
void AcceptClause(DWORD pid) {
    HWND dialog = uidriver::WaitForTopWindow(kDialog, pid);
    ASSERT_NE(nullptr, dialog);
    HWND proceed = uidriver::FindChildByText(dialog, L"Continua");
    ASSERT_NE(nullptr, proceed);
    EXPECT_FALSE(::IsWindowEnabled(proceed));
    uidriver::Click(uidriver::FindChildByText(dialog, L"accetto le condizioni"));
    for (int i = 0; i < 250 && !::IsWindowEnabled(proceed); ++i) ::Sleep(20);
    ASSERT_TRUE(::IsWindowEnabled(proceed));
    uidriver::Click(proceed);
}

// How soon a closed window is gone and a closed launcher has ended: under Xvfb,
// without a window manager, Wine waits two seconds for every visible top-level
// window it takes down (the demo tool's too); the launcher's own part is milliseconds.
constexpr DWORD kEndsWithin = 4000;
const std::string kAssistPath = "/cms/images/stories/assistenza/";
const std::wstring kDownloading = L"Attendere prego, download in corso...";

bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
    for (const ULONGLONG end = ::GetTickCount64() + timeoutMs; !done(); ::Sleep(20))
        if (::GetTickCount64() > end) return false;
    return true;
}

// The window takes a message within a quarter of a second.
bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 250, &result) != 0;
}

// The window shows its download's progress.
bool Downloading(HWND window) {
    const HWND label = uidriver::FindChildByText(window, kDownloading);
    return label && ::IsWindowVisible(label);
}

// Real key presses (each down and up) into `window`, made the foreground window first.
void PressKeys(HWND window, std::initializer_list<WORD> keys) {
    ::SetForegroundWindow(window);
    WaitUntil([&] { return ::GetForegroundWindow() == window; }, 2000);
    for (const WORD key : keys) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = key;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        ::Sleep(60);
    }
}

// Part files a download left in the tool folder.
int PartFiles(const std::filesystem::path& toolFolder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(toolFolder))
        count += entry.path().extension() == L".download";
    return count;
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

    AcceptClause(launcher.pid());

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

// The clause dialog and the alternatives window answer Esc, Enter presses the focused
// button, and a launch goes on only when its own dialog ended with "Continua".
TEST(EndToEnd, DialogsAnswerEscAndEnterAndOnlyContinuaLetsALaunchGoOn) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    testsupport::TempFolder folder(L"e2e-keys");
    Launcher launcher(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    HWND helpdesk = uidriver::FindChildByText(main, L"Helpdesk");
    ASSERT_NE(nullptr, helpdesk);
    const auto toolStarted = [] { return uidriver::FindTopWindow(L"NorvelHelpdesk") != nullptr; };

    uidriver::Click(helpdesk);
    HWND dialog = uidriver::WaitForTopWindow(kDialog, launcher.pid());
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(main, ::GetWindow(dialog, GW_OWNER));  // never behind the main window
    PressKeys(dialog, {VK_ESCAPE});
    EXPECT_TRUE(uidriver::WaitUntilGone(dialog, 5000));

    uidriver::Click(helpdesk);
    AcceptClause(launcher.pid());
    ASSERT_TRUE(WaitUntil(toolStarted));
    ::PostMessageW(uidriver::FindTopWindow(L"NorvelHelpdesk"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !toolStarted(); }));

    // Accepted before; now Tab to "Annulla" and Enter: the local copy is not started.
    uidriver::Click(helpdesk);
    dialog = uidriver::WaitForTopWindow(kDialog, launcher.pid());
    ASSERT_NE(nullptr, dialog);
    PressKeys(dialog, {VK_TAB});
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &gui);
    EXPECT_EQ(L"Annulla", uidriver::Text(gui.hwndFocus));
    PressKeys(dialog, {VK_RETURN});
    EXPECT_TRUE(uidriver::WaitUntilGone(dialog, 5000));
    EXPECT_FALSE(WaitUntil(toolStarted, 1500));

    // The acceptance stays for "Altro"; Esc closes the alternatives window.
    uidriver::Click(uidriver::FindChildByText(main, L"Altro"));
    HWND alternatives = uidriver::WaitForTopWindow(L"Assistenze Alternative", launcher.pid());
    ASSERT_NE(nullptr, alternatives);
    PressKeys(alternatives, {VK_ESCAPE});
    EXPECT_TRUE(uidriver::WaitUntilGone(alternatives, 5000));
    EXPECT_EQ(nullptr, uidriver::FindTopWindow(kTitle, launcher.pid()));  // no message on the way
}

// A tool served slowly over an earlier copy of another version: the window answers
// while the probe waits and during the transfer; Esc stops the transfer, closing the
// window stops it too and ends the program. The earlier copy is never touched.
TEST(EndToEnd, SlowToolDownloadAnswersAndIsCancelledByEscOrByClosing) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    const std::string tool = testsupport::ReadWholeFile(WinePath(NORVEL_DEMO_TOOLS_DIR "/NorvelHelpdesk.exe"));
    server.Serve(kAssistPath + "NorvelHelpdesk.exe", testsupport::HttpResponse::Trickle(tool, 8192, 100));
    testsupport::TempFolder folder(L"e2e-cancel");
    const auto toolFolder = folder.Path() / L"Norvelassist";
    const std::string earlier = testsupport::ReadWholeFile(WinePath(NORVEL_DEMO_TOOLS_DIR "/NorvelSOS.exe"));
    std::filesystem::create_directories(toolFolder);
    testsupport::WriteWholeFile(toolFolder / L"NorvelHelpdesk.exe", earlier);
    Launcher launcher(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    HWND helpdesk = uidriver::FindChildByText(main, L"Helpdesk");
    ASSERT_NE(nullptr, helpdesk);

    for (const bool byClosing : {false, true}) {
        SCOPED_TRACE(byClosing ? "closing the window" : "Esc");
        server.SetAnswerDelay(1500);  // the probe waits on the server
        uidriver::Click(helpdesk);
        AcceptClause(launcher.pid());
        int pings = 0;
        while (!Downloading(main) && pings < 500) {
            ASSERT_TRUE(Answers(main)) << "after " << pings << " pings";
            ++pings;
            ::Sleep(20);
        }
        ASSERT_GT(pings, 25);  // the probe's wait was pinged through
        server.SetAnswerDelay(0);
        for (int i = 0; i < 10; ++i, ::Sleep(50)) ASSERT_TRUE(Answers(main));
        ASSERT_TRUE(Downloading(main));
        if (byClosing) {
            ::PostMessageW(main, WM_CLOSE, 0, 0);
            DWORD code = 99;
            ASSERT_TRUE(launcher.WaitForExit(code, kEndsWithin));
            EXPECT_EQ(0u, code);
        } else {
            PressKeys(main, {VK_ESCAPE});
            EXPECT_TRUE(WaitUntil([&] { return !Downloading(main); }, 1000));
            EXPECT_FALSE(WaitUntil([] { return uidriver::FindTopWindow(L"NorvelHelpdesk") != nullptr; }, 1000));
            EXPECT_EQ(nullptr, uidriver::FindTopWindow(kTitle, launcher.pid()));  // no message
        }
        EXPECT_EQ(earlier, testsupport::ReadWholeFile(toolFolder / L"NorvelHelpdesk.exe"));
        EXPECT_EQ(0, PartFiles(toolFolder));
    }
}

// The alternatives window closed during its download and opened again: the old
// download is given up, the new window works, the program is unharmed.
TEST(EndToEnd, AlternativesWindowReopenedDuringItsDownload) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    const std::string tool = testsupport::ReadWholeFile(WinePath(NORVEL_DEMO_TOOLS_DIR "/NorvelRapido.exe"));
    server.Serve(kAssistPath + "NorvelRapido.exe", testsupport::HttpResponse::Trickle(tool, 8192, 100));
    testsupport::TempFolder folder(L"e2e-reopen");
    Launcher launcher(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    uidriver::Click(uidriver::FindChildByText(main, L"Altro"));
    AcceptClause(launcher.pid());
    for (int round = 0; round < 2; ++round) {
        HWND alternatives = uidriver::WaitForTopWindow(L"Assistenze Alternative", launcher.pid());
        ASSERT_NE(nullptr, alternatives);
        for (HWND child : uidriver::Children(alternatives))  // the names' first line
            if (::IsWindowVisible(child) && ::lstrcmpiW(uidriver::ClassName(child).c_str(), L"ListBox") == 0)
                ::SendMessageW(child, LB_SETCURSEL, 0, 0);
        uidriver::Click(uidriver::FindChildByText(alternatives, L"Download"));
        ASSERT_TRUE(WaitUntil([&] { return Downloading(alternatives); }));
        uidriver::Click(uidriver::FindChildByText(alternatives, L"Annulla"));
        ASSERT_TRUE(uidriver::WaitUntilGone(alternatives, kEndsWithin));
        uidriver::Click(uidriver::FindChildByText(main, L"Altro"));  // no dialog: accepted before
    }
    HWND alternatives = uidriver::WaitForTopWindow(L"Assistenze Alternative", launcher.pid());
    ASSERT_NE(nullptr, alternatives);
    EXPECT_TRUE(Answers(alternatives));
    EXPECT_TRUE(Answers(main));
    EXPECT_FALSE(WaitUntil([] { return uidriver::FindTopWindow(L"NorvelRapido") != nullptr; }, 1000));
    EXPECT_EQ(0, PartFiles(folder.Path() / L"Norvelassist"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / L"Norvelassist" / L"NorvelRapido.exe"));
    ::PostMessageW(alternatives, WM_CLOSE, 0, 0);
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(launcher.WaitForExit(code, 5000));
    EXPECT_EQ(0u, code);
}

// A tool the shell cannot start and a tool folder that cannot be made are told, in
// boxes owned by the main window once it is there.
TEST(EndToEnd, UnstartableToolAndFolderThatCannotBeMadeAreTold) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.Serve(kAssistPath + "norvelassist.ini",
                 "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Helpdesk\r\neseguibile=NorvelHelpdesk.exe\r\n");
    server.Serve(kAssistPath + "NorvelHelpdesk.exe", "not a program");
    testsupport::TempFolder folder(L"e2e-told");
    {
        Launcher launcher((folder.Path() / L"missing").wstring());  // its parent does not exist
        EXPECT_EQ(L"Non è stato possibile creare la cartella per NorvelAssist", ReadBoxAndDismiss(launcher.pid()));
        HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
        ASSERT_NE(nullptr, main);
        EXPECT_EQ(nullptr, uidriver::FindChildByText(main, L"Helpdesk"));  // the start-up ended there
        ::PostMessageW(main, WM_CLOSE, 0, 0);
        DWORD code = 99;
        EXPECT_TRUE(launcher.WaitForExit(code));
    }
    Launcher launcher(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    uidriver::Click(uidriver::FindChildByText(main, L"Helpdesk"));
    AcceptClause(launcher.pid());
    HWND box = uidriver::WaitForMessageBox(kTitle, launcher.pid());
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(main, ::GetWindow(box, GW_OWNER));
    EXPECT_EQ(L"Non è stato possibile avviare il programma di assistenza.", uidriver::MessageBoxText(box));
    uidriver::DismissMessageBox(box);
}

// A start-up that waits on a slow server shows the wait window, and closing it ends
// the program; a second start while one runs brings that one's window to the front.
TEST(EndToEnd, SlowStartShowsASignOfLifeAndASecondStartBringsTheFirstForward) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    server.SetAnswerDelay(2500);
    testsupport::TempFolder folder(L"e2e-life");
    {
        const ULONGLONG started = ::GetTickCount64();
        Launcher launcher(folder.Path().wstring());
        HWND wait = uidriver::WaitForTopWindow(kTitle, launcher.pid(), 5000);
        ASSERT_NE(nullptr, wait);
        EXPECT_GE(::GetTickCount64() - started, 500u);
        EXPECT_NE(nullptr, uidriver::FindChildByText(wait, L"Connessione al server di assistenza in corso..."));
        bool marquee = false;
        for (HWND child : uidriver::Children(wait))
            marquee |= uidriver::ClassName(child) == L"msctls_progress32" &&
                       (::GetWindowLongW(child, GWL_STYLE) & PBS_MARQUEE) != 0;
        EXPECT_TRUE(marquee);
        ::PostMessageW(wait, WM_CLOSE, 0, 0);
        DWORD code = 99;
        ASSERT_TRUE(launcher.WaitForExit(code, kEndsWithin));
        EXPECT_EQ(nullptr, uidriver::FindTopWindow(kMain, launcher.pid()));
    }
    server.SetAnswerDelay(0);
    Launcher first(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, first.pid());
    ASSERT_NE(nullptr, main);
    // Something else in front, as when the user switched away.
    platform::Window other(::CreateWindowExW(0, L"STATIC", L"altro programma", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                             300, 200, nullptr, nullptr, nullptr, nullptr));
    ::SetForegroundWindow(other.get());
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == other.get(); }, 2000));
    Launcher second(folder.Path().wstring());
    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(code, 5000));
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }, 3000));
    EXPECT_EQ(nullptr, uidriver::FindTopWindow(kMain, second.pid()));
}

// Points the prefix's Internet Settings at a proxy for the scope of a test, as a
// company's network sets them (the test prefix has no proxy of its own).
class SystemProxy {
public:
    explicit SystemProxy(const std::wstring& server) { Set(1, server); }
    ~SystemProxy() { Set(0, L""); }

private:
    static void Set(DWORD enable, const std::wstring& server) {
        const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
        ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"ProxyEnable", REG_DWORD, &enable, sizeof enable);
        ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"ProxyServer", REG_SZ, server.c_str(),
                          static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t)));
    }
};

// Nothing listens on the configured hosts: only through the proxy (a local server
// that answers in the origin's name) can the launcher reach its configuration.
TEST(EndToEnd, EveryRequestGoesThroughTheSystemProxy) {
    testsupport::HttpServer proxy;
    proxy.ServeFolder("/cms/images/stories/assistenza/", NORVEL_DEMO_TOOLS_DIR);
    SystemProxy settings(proxy.HostAndPort());
    testsupport::TempFolder folder(L"e2e-proxy");
    Launcher launcher(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(nullptr, uidriver::FindTopWindow(kTitle, launcher.pid()));
    EXPECT_NE(nullptr, uidriver::FindChildByText(main, L"Helpdesk"));
    const auto requests = proxy.Requests();
    EXPECT_GE(requests.size(), 4u);
    for (const auto& r : requests) EXPECT_EQ(0u, r.path.find("http://" NORVEL_PRIMARY_HOST "/cms/")) << r.path;
    ::PostMessageW(main, WM_CLOSE, 0, 0);
}

// Wine told to prefer the DLLs of these names beside the program `exe` (its own
// otherwise always win), as Windows would find them there, for the scope of a test.
class PreferDllsBeside {
public:
    PreferDllsBeside(const std::wstring& exe, std::initializer_list<const wchar_t*> dlls) : app_(kApps + exe) {
        for (const wchar_t* dll : dlls)
            ::RegSetKeyValueW(HKEY_CURRENT_USER, (app_ + L"\\DllOverrides").c_str(), dll, REG_SZ, L"native,builtin",
                              sizeof(L"native,builtin"));
    }
    ~PreferDllsBeside() { ::RegDeleteTreeW(HKEY_CURRENT_USER, app_.c_str()); }

private:
    static constexpr const wchar_t* kApps = L"Software\\Wine\\AppDefaults\\";
    std::wstring app_;
};

// The DLLs a program imports, which the loader finds before it runs (upper case).
std::vector<std::string> ImportedDlls(const std::wstring& exe) {
    const platform::Module image(::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(image.get()) & ~ULONG_PTR{3});
    const auto* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    std::vector<std::string> names;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); imports && d->Name; ++d) {
        const std::wstring name = platform::FromUtf8(reinterpret_cast<const char*>(base + d->Name));
        names.push_back(platform::ToUtf8(platform::ToUpper(name)));
    }
    return names;
}

// The program's own imports are DLLs the system always takes from its own folder
// (wininet and version are loaded on first use).
TEST(EndToEnd, ProgramImportsOnlyDllsTheSystemTakesFromItsFolder) {
    const std::string system =
        " KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL SHELL32.DLL OLE32.DLL MSVCRT.DLL COMCTL32.DLL ";
    for (const std::string& dll : ImportedDlls(WinePath(NORVEL_ASSIST_EXE)))
        EXPECT_NE(std::string::npos, system.find(" " + dll + " ")) << dll;
}

// DLLs named like the ones the launcher uses lie beside a copy of it, and Wine is
// told to prefer them: none is loaded through a start, a pinned launch and a screen
// reader's question. (Not version.dll: Wine's own user32 imports it, so Wine would
// load it before the program runs; on Windows user32 is a known DLL and takes its
// imports from the system folder. The test above covers the program's own import.)
TEST(EndToEnd, NoDllBesideTheProgramIsLoaded) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder("/cms/images/stories/assistenza/", NORVEL_DEMO_TOOLS_DIR);
    testsupport::TempFolder folder(L"e2e-planted");
    const std::vector<std::wstring> planted{L"version.dll", L"wininet.dll", L"bcrypt.dll", L"oleacc.dll"};
    std::filesystem::copy_file(std::filesystem::path(WinePath(NORVEL_ASSIST_EXE)), folder.Path() / L"NorvelAssist.exe");
    for (const auto& name : planted)
        std::filesystem::copy_file(std::filesystem::path(WinePath(NORVEL_PLANTED_DLL)), folder.Path() / name);
    const PreferDllsBeside prefer(L"NorvelAssist.exe", {L"wininet", L"bcrypt", L"oleacc"});
    Launcher launcher(folder.Path().wstring(), (folder.Path() / L"NorvelAssist.exe").wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    HWND helpdesk = uidriver::FindChildByText(main, L"Helpdesk");
    ASSERT_NE(nullptr, helpdesk);

    ::CoInitialize(nullptr);
    EXPECT_EQ(L"Helpdesk", hosttest::ReadWindow(helpdesk).name);  // a screen reader asks
    ::CoUninitialize();

    uidriver::Click(helpdesk);
    AcceptClause(launcher.pid());
    HWND tool = uidriver::WaitForTopWindow(L"NorvelHelpdesk");
    ASSERT_NE(nullptr, tool);  // downloaded, its pin checked, started
    ::PostMessageW(tool, WM_CLOSE, 0, 0);
    for (const auto& name : planted)
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / (name + L".loaded"))) << platform::ToUtf8(name);
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    EXPECT_TRUE(launcher.WaitForExit(code));
}

}  // namespace
