// The real NorvelAssist.exe under Wine, started as its own process with its
// per-user folder in a fresh temporary folder, driven from this separate program as
// a user would: windows found by caption, controls clicked, message boxes read and
// dismissed. The servers it looks for (the build's default hosts) are served here.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/text.h"
#include "tests/forms/driver.h"
#include "tests/support/http_server.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wine_path.h"
#include "tools/uidriver/ui_driver.h"

namespace {

const std::wstring kMain = L" Assistenza Remota Norvel Sistemi 3.0";
const std::wstring kDialog = L"Clausola di accettazione intervento";
const std::wstring kTitle = platform::FromUtf8(NORVEL_APP_TITLE);

using testsupport::WinePath;

// The programs under test: the 64-bit ones, or the 32-bit ones when NORVEL_E2E_X86
// is set (the run under Wine's 32-bit part).
const bool kX86Run = std::getenv("NORVEL_E2E_X86") != nullptr;
std::wstring ProgramUnderTest() { return WinePath(kX86Run ? NORVEL_ASSIST_X86_EXE : NORVEL_ASSIST_EXE); }

unsigned short PortOf(const std::string& host) {
    const auto colon = host.rfind(':');
    return static_cast<unsigned short>(colon == std::string::npos ? 80 : std::stoi(host.substr(colon + 1)));
}

// The launcher (or the program `exe`) as a child process whose LOCALAPPDATA and
// Appdata point into `folder`.
class Launcher {
public:
    explicit Launcher(const std::wstring& folder, const std::wstring& exe = ProgramUnderTest()) {
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
    bool Running() const { return ok_ && ::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }
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

// How soon a closed window is gone, and a closed launcher ended: without a window
// manager Wine waits 2 s for each visible top-level window it takes down.
constexpr DWORD kEndsWithin = 4000;
const std::string kAssistPath = "/cms/images/stories/assistenza/";
const std::wstring kDownloading = L"Attendere prego, download in corso...";

bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
    for (const ULONGLONG end = ::GetTickCount64() + timeoutMs; !done(); ::Sleep(20))
        if (::GetTickCount64() > end) return false;
    return true;
}

// The window answers within a quarter of a second. A window blocked on the network
// misses several pings in a row; one miss alone is the test machine's hiccup.
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
        ::keybd_event(static_cast<BYTE>(key), 0, 0, 0);
        ::keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
        ::Sleep(60);
    }
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

// Esc and Enter (on the focused button) in the clause dialog; only "Continua" lets a
// launch go on; a tool that cannot start is told; the main window owns both boxes.
// A launcher built with the company's key believes only a configuration signed with
// it, and starts only a tool that configuration lets it check.
TEST(EndToEnd, ALauncherWithKeysBelievesOnlyItsSignedConfiguration) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    const std::string good = testsupport::ReadWholeFile(WinePath(NORVEL_LAUNCHER_CONFIGS_DIR "/good.ini"));
    ASSERT_FALSE(good.empty());
    std::string changed = good;
    changed[changed.find("Helpdesk firmato")] = 'h';
    testsupport::TempFolder folder(L"e2e-signed");
    const auto local = folder.Path() / L"Norvelassist" / L"norvelassist.ini";
    // What a start shows: the message box's text (or none) and the left tool button.
    const auto start = [&](const std::string& served, const std::function<void(DWORD, HWND)>& then = {}) {
        server.Serve(kAssistPath + "norvelassist.ini", served);
        Launcher launcher(folder.Path().wstring(), WinePath(NORVEL_ASSIST_SIGNED_EXE));
        EXPECT_TRUE(launcher.started());
        std::wstring box;
        HWND main = nullptr;
        WaitUntil([&] {
            main = uidriver::FindTopWindow(kMain, launcher.pid());
            return main || uidriver::FindTopWindow(kTitle, launcher.pid());
        });
        if (!main) box = ReadBoxAndDismiss(launcher.pid());
        main = uidriver::WaitForTopWindow(kMain, launcher.pid());
        const bool named = main && uidriver::FindChildByText(main, L"Helpdesk firmato");
        if (main && then) then(launcher.pid(), main);
        if (main) ::PostMessageW(main, WM_CLOSE, 0, 0);
        DWORD code = 99;
        EXPECT_TRUE(launcher.WaitForExit(code));
        return std::pair{box, named};
    };

    EXPECT_EQ((std::pair{std::wstring(), true}), start(good, [](DWORD pid, HWND main) {
                  // Its tool 2 names neither pin nor publisher.
                  uidriver::Click(uidriver::FindChildByText(main, L"Senza impronta"));
                  AcceptClause(pid);
                  EXPECT_EQ(L"Non è stato possibile verificare il programma di assistenza.", ReadBoxAndDismiss(pid));
              }));
    EXPECT_EQ(0, server.CountRequests("HEAD", kAssistPath + "NorvelSOS.exe"));
    // Changed on the way: the good copy is used, silently, and stays.
    EXPECT_EQ((std::pair{std::wstring(), true}), start(changed));
    EXPECT_EQ(good, testsupport::ReadWholeFile(local));
    // The copy changed on disk too: no configuration at all.
    testsupport::WriteWholeFile(local, changed);
    EXPECT_EQ((std::pair{std::wstring(L"File di configurazione non raggiungibile"), false}), start(changed));
}

TEST(EndToEnd, DialogAnswersEscAndEnterOnlyContinuaLaunchesAndAFailedStartIsTold) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    server.Serve(kAssistPath + "norvelassist.ini",
                 "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Helpdesk\r\n"
                 "eseguibile=NorvelHelpdesk.exe\r\n[2]\r\nnome=Rotto\r\neseguibile=Rotto.exe\r\n");
    server.Serve(kAssistPath + "Rotto.exe", "not a program");
    testsupport::TempFolder folder(L"e2e-keys");
    Launcher launcher(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    const auto toolWindow = [] { return uidriver::FindTopWindow(L"NorvelHelpdesk"); };
    const auto openDialog = [&] {
        uidriver::Click(uidriver::FindChildByText(main, L"Helpdesk"));
        return uidriver::WaitForTopWindow(kDialog, launcher.pid());
    };
    HWND dialog = openDialog();
    EXPECT_EQ(main, ::GetWindow(dialog, GW_OWNER));  // never behind the main window
    PressKeys(dialog, {VK_ESCAPE});
    EXPECT_TRUE(uidriver::WaitUntilGone(dialog, kEndsWithin));
    openDialog();
    AcceptClause(launcher.pid());
    ASSERT_TRUE(WaitUntil([&] { return toolWindow() != nullptr; }));
    ::PostMessageW(toolWindow(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return toolWindow() == nullptr; }));
    dialog = openDialog();  // accepted before: Tab to "Annulla", Enter
    PressKeys(dialog, {VK_TAB, VK_RETURN});
    EXPECT_TRUE(uidriver::WaitUntilGone(dialog, kEndsWithin));
    EXPECT_FALSE(WaitUntil([&] { return toolWindow() != nullptr; }, 1000));
    uidriver::Click(uidriver::FindChildByText(main, L"Rotto"));
    AcceptClause(launcher.pid());
    HWND box = uidriver::WaitForMessageBox(kTitle, launcher.pid());
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(main, ::GetWindow(box, GW_OWNER));
    EXPECT_EQ(L"Non è stato possibile avviare il programma di assistenza.", uidriver::MessageBoxText(box));
    uidriver::DismissMessageBox(box);
}

// Slow tools over an earlier copy: the window answers while the probe waits, Esc stops
// a download, so does closing the alternatives window (opened again, Esc stops its
// download, Esc again closes it) and closing the main window, which ends the program.
TEST(EndToEnd, SlowDownloadsAnswerAndStopOnEscClosingAndReopening) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    for (const std::string name : {"NorvelHelpdesk.exe", "NorvelRapido.exe"})
        server.Serve(kAssistPath + name, testsupport::HttpResponse::Trickle(
                                              testsupport::ReadWholeFile(WinePath(NORVEL_DEMO_TOOLS_DIR "/" + name)),
                                              8192, 100));
    testsupport::TempFolder folder(L"e2e-cancel");
    const auto toolFolder = folder.Path() / L"Norvelassist";
    const std::string earlier = testsupport::ReadWholeFile(WinePath(NORVEL_DEMO_TOOLS_DIR "/NorvelSOS.exe"));
    std::filesystem::create_directories(toolFolder);
    testsupport::WriteWholeFile(toolFolder / L"NorvelHelpdesk.exe", earlier);
    Launcher launcher(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
    ASSERT_NE(nullptr, main);
    HWND helpdesk = uidriver::FindChildByText(main, L"Helpdesk");

    server.SetAnswerDelay(1500);  // the probe waits on the server
    uidriver::Click(helpdesk);
    AcceptClause(launcher.pid());
    int pings = 0;
    for (int missed = 0; !Downloading(main) && pings < 500; ++pings, ::Sleep(20)) {
        missed = Answers(main) ? 0 : missed + 1;
        ASSERT_LT(missed, 2) << pings;
    }
    ASSERT_GT(pings, 25);  // pinged through the probe's wait
    server.SetAnswerDelay(0);
    PressKeys(main, {VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return !Downloading(main); }, 1000));

    uidriver::Click(uidriver::FindChildByText(main, L"Altro"));  // accepted: no dialog
    for (int round = 0; round < 2; ++round) {
        HWND alternatives = uidriver::WaitForTopWindow(L"Assistenze Alternative", launcher.pid());
        ASSERT_NE(nullptr, alternatives);
        HWND names = ::FindWindowExW(alternatives, nullptr, L"ListBox", nullptr);
        if (!::IsWindowVisible(names)) names = ::FindWindowExW(alternatives, names, L"ListBox", nullptr);
        ::SendMessageW(names, LB_SETCURSEL, 0, 0);
        uidriver::Click(uidriver::FindChildByText(alternatives, L"Download"));
        ASSERT_TRUE(WaitUntil([&] { return Downloading(alternatives); }));
        if (round == 0) {
            uidriver::Click(uidriver::FindChildByText(alternatives, L"Annulla"));
            ASSERT_TRUE(uidriver::WaitUntilGone(alternatives, kEndsWithin));
            uidriver::Click(uidriver::FindChildByText(main, L"Altro"));
            continue;
        }
        PressKeys(alternatives, {VK_ESCAPE});
        EXPECT_TRUE(WaitUntil([&] { return !Downloading(alternatives); }, 1000));
        PressKeys(alternatives, {VK_ESCAPE});
        EXPECT_TRUE(uidriver::WaitUntilGone(alternatives, kEndsWithin));
    }

    uidriver::Click(helpdesk);
    AcceptClause(launcher.pid());
    ASSERT_TRUE(WaitUntil([&] { return Downloading(main); }));
    EXPECT_EQ(nullptr, uidriver::FindTopWindow(kTitle, launcher.pid()));  // no message box
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(launcher.WaitForExit(code, kEndsWithin));
    EXPECT_EQ(0u, code);
    EXPECT_EQ(earlier, testsupport::ReadWholeFile(toolFolder / L"NorvelHelpdesk.exe"));
    // The configuration, the log and the earlier copy only: no part file, no other tool.
    EXPECT_EQ(3, std::distance(std::filesystem::directory_iterator(toolFolder), {}));
    EXPECT_EQ(nullptr, uidriver::FindTopWindow(L"NorvelHelpdesk"));
}

// A tool folder that cannot be made is told; a slow start-up shows the wait window,
// closing it ends the program; a second start brings the first one's window forward.
TEST(EndToEnd, FolderNotMadeSignOfLifeAndASecondStart) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    testsupport::TempFolder folder(L"e2e-life");
    {
        Launcher launcher((folder.Path() / L"missing").wstring());  // its parent does not exist
        EXPECT_EQ(L"Non è stato possibile creare la cartella per NorvelAssist", ReadBoxAndDismiss(launcher.pid()));
        HWND main = uidriver::WaitForTopWindow(kMain, launcher.pid());
        ASSERT_NE(nullptr, main);
        EXPECT_EQ(nullptr, uidriver::FindChildByText(main, L"Helpdesk"));  // the start-up ended there
    }
    server.SetAnswerDelay(2500);
    {
        const ULONGLONG started = ::GetTickCount64();
        Launcher launcher(folder.Path().wstring());
        HWND wait = uidriver::WaitForTopWindow(kTitle, launcher.pid(), 5000);
        ASSERT_NE(nullptr, wait);
        EXPECT_GE(::GetTickCount64() - started, 500u);
        EXPECT_NE(nullptr, uidriver::FindChildByText(wait, L"Connessione al server di assistenza in corso..."));
        const HWND bar = ::FindWindowExW(wait, nullptr, PROGRESS_CLASSW, nullptr);
        EXPECT_TRUE(bar && (::GetWindowLongW(bar, GWL_STYLE) & PBS_MARQUEE));
        ::PostMessageW(wait, WM_CLOSE, 0, 0);
        DWORD code = 99;
        ASSERT_TRUE(launcher.WaitForExit(code, kEndsWithin));
    }
    server.SetAnswerDelay(0);
    Launcher first(folder.Path().wstring());
    HWND main = uidriver::WaitForTopWindow(kMain, first.pid());
    ASSERT_NE(nullptr, main);
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

    // The system menu's "Informazioni su NorvelAssist...": version, folder, log; Esc closes it.
    ::PostMessageW(main, WM_SYSCOMMAND, 0x0010, 0);
    HWND about = uidriver::WaitForTopWindow(L"Informazioni su NorvelAssist", first.pid());
    ASSERT_NE(nullptr, about);
    EXPECT_EQ(main, ::GetWindow(about, GW_OWNER));
    const std::wstring folderText = (folder.Path() / L"Norvelassist").wstring();
    const HWND facts = ::FindWindowExW(about, nullptr, L"Static", nullptr);
    for (const std::wstring& part : {std::wstring(L"NorvelAssist versione 3.0.0"), L"Cartella: " + folderText,
                                     L"Registro: " + folderText + L"\\norvelassist.log"})
        EXPECT_NE(std::wstring::npos, uidriver::Text(facts).find(part)) << platform::ToUtf8(part);
    EXPECT_NE(nullptr, uidriver::FindChildByText(about, L"Apri cartella"));
    PressKeys(about, {VK_ESCAPE});
    EXPECT_TRUE(uidriver::WaitUntilGone(about, kEndsWithin));
}

// A start right after the previous launcher's window was closed, while that launcher
// is still ending, shows its own window: none of twenty starts is lost.
TEST(EndToEnd, TwentyStartsEachRightAfterACloseAllShowTheirWindow) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    testsupport::TempFolder folder(L"e2e-restarts");
    std::vector<std::unique_ptr<Launcher>> launchers;  // none waited for before the next start
    HWND previous = nullptr;
    int shown = 0;
    for (int start = 0; start < 20; ++start) {
        if (previous) ::PostMessageW(previous, WM_CLOSE, 0, 0);
        const Launcher& launcher = *launchers.emplace_back(std::make_unique<Launcher>(folder.Path().wstring()));
        previous = nullptr;
        WaitUntil([&] { return (previous = uidriver::FindTopWindow(kMain, launcher.pid())) || !launcher.Running(); });
        shown += previous != nullptr;
    }
    EXPECT_EQ(20, shown);
    if (previous) ::PostMessageW(previous, WM_CLOSE, 0, 0);
    for (auto& launcher : launchers) {
        DWORD code = 99;
        EXPECT_TRUE(launcher->WaitForExit(code, kEndsWithin) && code == 0);
    }
}

// The launcher's own update, run from a copy of the program in a scratch folder
// where a killed update left its files: "No" changes nothing (the leftovers go); a
// wrong pin and a wrong file version are told and change nothing; "Yes" installs the
// next version of the program's own kind (the configuration offers both), which
// starts and removes the ".old".
TEST(EndToEnd, SelfUpdateInstallsOnlyAVerifiedNextVersion) {
    testsupport::HttpServer server(PortOf(NORVEL_PRIMARY_HOST));
    server.ServeFolder(kAssistPath, NORVEL_DEMO_TOOLS_DIR);
    const auto nextOf = [&](const std::string& exe, const std::string& name) {
        const std::string bytes = exe.empty() ? "" : testsupport::ReadWholeFile(WinePath(exe));
        server.Serve(kAssistPath + name, bytes);
        const std::string pin = exe.empty() ? "" : testsupport::ReadWholeFile(WinePath(exe + ".sha256"));
        return std::pair(bytes, pin.substr(0, 64));
    };
    auto [next, pin] = nextOf(NORVEL_ASSIST_NEXT_EXE, "NorvelAssistNext.exe");
    auto [other, otherPin] = nextOf(NORVEL_ASSIST_NEXT_X86_EXE, "NorvelAssistNext-x86.exe");
    if (kX86Run) std::swap(next, other), std::swap(pin, otherPin);
    ASSERT_NE(next, other);
    const std::string ownKeys = kX86Run ? "eseguibile_x86=NorvelAssistNext-x86.exe\r\nsha256_x86="
                                        : "eseguibile=NorvelAssistNext.exe\r\nsha256=";
    const std::string otherKeys = kX86Run ? "eseguibile=NorvelAssistNext.exe\r\nsha256="
                                          : "eseguibile_x86=NorvelAssistNext-x86.exe\r\nsha256_x86=";
    testsupport::TempFolder folder(L"e2e-update");
    const auto program = folder.Path() / L"NorvelAssist.exe";
    std::filesystem::copy_file(std::filesystem::path(ProgramUnderTest()), program);
    const std::string current = testsupport::ReadWholeFile(program);
    // What a killed update left: the first start removes it (the folder is counted below).
    testsupport::WriteWholeFile(folder.Path() / L"NorvelAssist.exe.update", next.substr(0, 1000));
    testsupport::WriteWholeFile(folder.Path() / L"NorvelAssist.exe.update.4242-1.download", next.substr(0, 1000));
    const struct {
        std::string version, pin;
        int answer;
    } cases[] = {
        {"3.0.1", pin, IDNO}, {"3.0.1", std::string(64, '0'), IDYES}, {"3.0.2", pin, IDYES}, {"3.0.1", pin, IDYES}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version + " " + c.pin);
        server.Serve(kAssistPath + "norvelassist.ini", "[norvelassist]\r\nversione=" + c.version + "\r\n" + ownKeys +
                                                           c.pin + "\r\n" + otherKeys + otherPin);
        Launcher launcher(folder.Path().wstring(), program.wstring());
        HWND offer = uidriver::WaitForMessageBox(kTitle, launcher.pid());
        ASSERT_NE(nullptr, offer);
        EXPECT_EQ(L"È disponibile la versione " + platform::FromUtf8(c.version) +
                      L" del programma di assistenza. Installarla ora?",
                  uidriver::MessageBoxText(offer));
        ::PostMessageW(offer, WM_COMMAND, c.answer, 0);
        ASSERT_TRUE(uidriver::WaitUntilGone(offer, kEndsWithin));
        const bool installs = c.answer == IDYES && c.pin == pin && c.version == "3.0.1";
        DWORD code = 99;
        if (installs) {
            ASSERT_TRUE(launcher.WaitForExit(code) && code == 0);  // without a window of its own
        }
        if (c.answer == IDYES && !installs) {
            EXPECT_EQ(L"Non è stato possibile aggiornare il programma di assistenza. Riprovare più tardi.",
                      ReadBoxAndDismiss(launcher.pid()));
        }
        HWND main = uidriver::WaitForTopWindow(kMain);
        ASSERT_NE(nullptr, main);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(main, &pid);
        EXPECT_EQ(installs, pid != launcher.pid());
        EXPECT_TRUE((installs ? next : current) == testsupport::ReadWholeFile(program));
        // The program and the tool folder only: no ".old" (once the new program runs), no download.
        EXPECT_TRUE(
            WaitUntil([&] { return std::distance(std::filesystem::directory_iterator(folder.Path()), {}) == 2; }));
        const platform::File process(::OpenProcess(SYNCHRONIZE, FALSE, pid));
        ::PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process.get(), 10000));
    }
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
    EXPECT_EQ(requests.size(), 2u);  // the probe and the configuration's GET
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
// The program's image as the loader maps it, for reading its headers.
class Image {
public:
    explicit Image(const std::wstring& exe)
        : module_(::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    HMODULE Handle() const { return module_.get(); }
    const BYTE* Base() const {
        return reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module_.get()) & ~ULONG_PTR{3});
    }
    const IMAGE_NT_HEADERS& Headers() const {
        return *reinterpret_cast<const IMAGE_NT_HEADERS*>(Base() +
                                                          reinterpret_cast<const IMAGE_DOS_HEADER*>(Base())->e_lfanew);
    }
    // Each imported DLL (upper case) with the names of the functions taken from it.
    std::map<std::string, std::set<std::string>> Imports() const {
        std::map<std::string, std::set<std::string>> imports;
        const BYTE* base = Base();
        const DWORD table = Headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + table); table && d->Name; ++d) {
            auto& names = imports[platform::ToUtf8(
                platform::ToUpper(platform::FromUtf8(reinterpret_cast<const char*>(base + d->Name))))];
            for (auto* t = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk); t->u1.AddressOfData;
                 ++t)
                if (!IMAGE_SNAP_BY_ORDINAL(t->u1.Ordinal))
                    names.insert(reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + t->u1.AddressOfData)->Name);
        }
        return imports;
    }

private:
    platform::Module module_;
};

// The program's own imports are DLLs the system always takes from its own folder
// (wininet and version are loaded on first use), and none of the functions a Windows
// 7 SP1 without its DLL-search update lacks: with one, the program would not start.
// Its headers ask for a terminal server without shims, no executed data and a random
// base (high-entropy on 64 bits).
TEST(EndToEnd, ProgramImportsOnlyDllsTheSystemTakesFromItsFolder) {
    const std::string system =
        " KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL SHELL32.DLL OLE32.DLL MSVCRT.DLL COMCTL32.DLL ";
    const Image image(ProgramUnderTest());
    const auto imports = image.Imports();
    for (const auto& [dll, functions] : imports) EXPECT_NE(std::string::npos, system.find(" " + dll + " ")) << dll;
    ASSERT_TRUE(imports.count("KERNEL32.DLL"));
    EXPECT_TRUE(imports.at("KERNEL32.DLL").count("GetProcAddress"));  // the table is read right
    for (const char* missing : {"SetDefaultDllDirectories", "AddDllDirectory", "RemoveDllDirectory"})
        EXPECT_FALSE(imports.at("KERNEL32.DLL").count(missing)) << missing;
    const WORD flags = image.Headers().OptionalHeader.DllCharacteristics;
    // High-entropy addresses exist for 64-bit programs only.
    const WORD highEntropy = sizeof(void*) == 8 ? IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA : 0;
    for (const WORD wanted : {WORD{IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE},
                              WORD{IMAGE_DLLCHARACTERISTICS_NX_COMPAT}, WORD{IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE},
                              highEntropy})
        EXPECT_EQ(wanted, flags & wanted) << std::hex << wanted;

    // The manifest names every system from Windows 7 to Windows 10 and 11.
    const HMODULE module = image.Handle();
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(nullptr, found);
    const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(module, found))),
                               ::SizeofResource(module, found));
    for (const char* id : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_NE(std::string::npos, manifest.find(std::string("<supportedOS Id=\"{") + id + "}\"/>")) << id;
    // It names the program's own processor (the x86 program would not start as "amd64").
    const std::string identity = std::string("name=\"NorvelSistemi.NorvelAssist\" version=\"3.0.0.0\" ") +
                                 "processorArchitecture=\"" + (sizeof(void*) == 8 ? "amd64" : "x86") + "\"";
    EXPECT_NE(std::string::npos, manifest.find(identity)) << manifest;
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
    std::filesystem::copy_file(std::filesystem::path(ProgramUnderTest()), folder.Path() / L"NorvelAssist.exe");
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
