// Shared set-up of the window tests: two real HTTP servers on loopback as the
// primary and fallback hosts, a fresh per-user folder (LOCALAPPDATA and Appdata of
// this process), recorded message boxes and shell starts, and the acceptance dialog
// driven by queued actions.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "forms/form.h"
#include "launcher/tools/shell_open.h"
#include "launcher/windows/form1.h"
#include "platform/message_box.h"
#include "tests/support/http_server.h"
#include "tests/support/temp_folder.h"

namespace launchertest {

inline constexpr char kAssist[] = "/cms/images/stories/assistenza/";

struct ShellStart {
    HWND owner;
    std::wstring file;
    int show;
    std::wstring folder;  // the working folder
};

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest();
    ~LauncherTest() override;

    // Serves `ini` as the configuration on `server`.
    void ServeConfig(testsupport::HttpServer& server, const std::string& ini);
    // Requests for a file whose path ends with `name` ("norvelassist.ini").
    int Count(const testsupport::HttpServer& server, const std::string& method, const std::string& name) const;
    std::wstring ToolFolder() const;  // the expected tool folder
    std::wstring Base(const testsupport::HttpServer& server) const;
    // The start-up chose `server`: the session's server is its base and Label2 shows its host.
    void ExpectServerChosen(launcher::Form1& form, const testsupport::HttpServer& server) const;

    // What the next showings of a form do (in order); a form shown with nothing
    // queued is unloaded at once (counted as a showing).
    void OnNextShow(std::function<void(forms::Form&)> action);
    static void Accept(forms::Form& dialog);  // tick the box, press "Continua"
    static void Cancel(forms::Form& dialog);  // press "Annulla"

    testsupport::HttpServer primary;
    testsupport::HttpServer fallback;
    testsupport::TempFolder appData{L"appdata"};
    std::vector<std::wstring> messages;
    std::vector<ShellStart> starts;
    std::vector<std::wstring> shown;  // names of the forms shown, in order

private:
    std::deque<std::function<void(forms::Form&)>> nextShow_;
    platform::MessageSink previousSink_;
    launcher::ShellOpenSink previousShell_;
};

// Calls `tick` every 5 ms while the thread processes messages (e.g. during a
// download, which processes pending messages after every chunk).
class Ticker {
public:
    explicit Ticker(std::function<void()> tick);
    ~Ticker();
    Ticker(const Ticker&) = delete;
    Ticker& operator=(const Ticker&) = delete;

private:
    UINT_PTR id_;
};

// Every caption a window of this thread is given while the recorder lives, in order
// (each WM_SETTEXT it handles), however fast they follow one another.
class CaptionRecorder {
public:
    explicit CaptionRecorder(HWND window);
    ~CaptionRecorder();
    CaptionRecorder(const CaptionRecorder&) = delete;
    CaptionRecorder& operator=(const CaptionRecorder&) = delete;
    std::vector<std::wstring> captions;

private:
    HWND window_;
    HHOOK hook_;
};

// Left-button press and release on a window (what a user's click delivers).
void ClickWindow(HWND hwnd);
// Takes this thread's messages, as the program's loop does, until no tool fetch
// runs (a launch's probe and download report to their window by message).
void FinishFetches();
// ClickWindow, then FinishFetches.
void ClickAndFinish(HWND hwnd);
// The demo tool programs the build made (real PE files with version resources).
std::string DemoTool(const std::string& name);
// The tool's SHA-256 pin in the demo site's configuration, computed by the build.
std::string DemoPin(const std::string& name);

}  // namespace launchertest
