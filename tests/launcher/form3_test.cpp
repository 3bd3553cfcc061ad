// Form3, the alternatives window: its lists, "Download" of the selected line, the
// message without a server, and its own progress controls.
#include <gtest/gtest.h>

#include <algorithm>

#include "forms/window_text.h"
#include "launcher/windows/form1.h"
#include "launcher/windows/form3.h"
#include "platform/high_contrast.h"
#include "tests/launcher/launcher_fixture.h"

using namespace launchertest;
using testsupport::HttpResponse;

namespace {

const std::wstring kNotOnServer = L"File inesistente sul Server";

std::string Config34() {
    return "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=A\r\neseguibile=a.exe\r\n"
           "[3]\r\nnome=Supporto Rapido\r\neseguibile=NorvelRapido.exe\r\n"
           "[4]\r\nnome=Teleassistenza\r\neseguibile=NorvelTeleassistenza.exe\r\n";
}

class Alternatives : public LauncherTest {
protected:
    // Start-up through the main window, so the session is what the program has.
    void StartWith(const std::string& ini) {
        ServeConfig(primary, ini);
        main.Load();
    }
    launcher::Form1 main;
};

TEST_F(Alternatives, SectionsThreeAndFourOnlyGiveTwoNamesAndSixEmptyLines) {
    StartWith(Config34());
    launcher::Form3 form(main.CurrentSession());
    form.Load();
    EXPECT_EQ(L"Assistenze Alternative", forms::WindowText(form.hwnd()));
    auto& names = form.GetListBox(L"List1");
    auto& exes = form.GetListBox(L"List2");
    ASSERT_EQ(8, names.ListCount());
    ASSERT_EQ(8, exes.ListCount());
    EXPECT_EQ(L"Supporto Rapido", names.List(0));
    EXPECT_EQ(L"Teleassistenza", names.List(1));
    EXPECT_EQ(L"NorvelRapido.exe", exes.List(0));
    EXPECT_EQ(L"NorvelTeleassistenza.exe", exes.List(1));
    for (int i = 2; i < 8; ++i) {
        EXPECT_EQ(L"", names.List(i));
        EXPECT_EQ(L"", exes.List(i));
    }
    EXPECT_FALSE(exes.Visible());
    EXPECT_EQ(L"Download", form.GetButton(L"qvButtons_H4").Caption());
    EXPECT_EQ(L"Annulla", form.GetButton(L"qvButtons_H1").Caption());
}

// Line 1's pin is section 4's: the right bytes are started, other bytes never.
TEST_F(Alternatives, PinOfTheSelectedSectionDecidesWhatIsKeptAndStarted) {
    const std::string tool = DemoTool("NorvelTeleassistenza");
    StartWith(Config34() + "sha256=" + DemoPin("NorvelTeleassistenza") + "\r\n");
    launcher::Form3 form(main.CurrentSession());
    form.Load();
    form.GetListBox(L"List1").SetListIndex(1);
    for (const std::string& served : {tool + "x", tool}) {
        messages.clear();
        primary.Serve(std::string(kAssist) + "NorvelTeleassistenza.exe", served);
        ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
        const bool right = served == tool;
        EXPECT_EQ(right ? 1u : 0u, starts.size());
        EXPECT_EQ(right ? 0u : 1u, messages.size());
        EXPECT_EQ(right, tool == testsupport::ReadWholeFile(ToolFolder() + L"\\NorvelTeleassistenza.exe"));
    }
}

TEST_F(Alternatives, LineOneDownloadsSectionFoursToolWithItsOwnProgress) {
    StartWith(Config34());
    const std::string tool = DemoTool("NorvelTeleassistenza");
    primary.Serve(std::string(kAssist) + "NorvelTeleassistenza.exe", HttpResponse::Trickle(tool, 8192, 2));
    launcher::Form3 form(main.CurrentSession());
    form.Load();
    form.GetListBox(L"List1").SetListIndex(1);
    // What the main window shows since its configuration download.
    const std::wstring mainPercent = main.GetLabel(L"Label4").Caption();
    const int mainFill = main.GetShape(L"Shape1").Width();
    form.GetLabel(L"Label4").SetCaption(L"1%");

    bool ownShown = false, mainShown = false;
    std::vector<std::wstring> ownPercents;
    {
        // Observe both windows while the transfer processes messages.
        Ticker watch([&] {
            ownShown |= form.GetShape(L"Shape1").Visible() && form.GetLabel(L"Label3").Visible();
            mainShown |= main.GetShape(L"Shape1").Visible() || main.GetLabel(L"Label4").Visible();
        });
        CaptionRecorder percents(form.GetLabel(L"Label4").hwnd());
        ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
        ownPercents = percents.captions;
    }

    EXPECT_EQ(tool, testsupport::ReadWholeFile(ToolFolder() + L"\\NorvelTeleassistenza.exe"));
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(form.hwnd(), starts[0].owner);
    EXPECT_EQ(ToolFolder() + L"\\NorvelTeleassistenza.exe", starts[0].file);
    EXPECT_EQ(SW_SHOW, starts[0].show);
    EXPECT_TRUE(ownShown);
    EXPECT_FALSE(mainShown);
    EXPECT_EQ(L"100%", form.GetLabel(L"Label4").Caption());
    EXPECT_EQ(5600, form.GetShape(L"Shape1").Width());
    EXPECT_EQ(mainPercent, main.GetLabel(L"Label4").Caption());
    EXPECT_EQ(mainFill, main.GetShape(L"Shape1").Width());
    // Its own percentage moved through several values.
    std::sort(ownPercents.begin(), ownPercents.end());
    EXPECT_GE(std::unique(ownPercents.begin(), ownPercents.end()) - ownPercents.begin(), 3);
    EXPECT_FALSE(form.GetShape(L"Shape1").Visible());
    EXPECT_EQ(0, Count(primary, "GET", "NorvelRapido.exe"));

    // Downloaded again at every press, even with a copy in the folder.
    ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
    EXPECT_EQ(2, Count(primary, "HEAD", "NorvelTeleassistenza.exe"));  // each: the probe and one GET
    EXPECT_EQ(2, Count(primary, "GET", "NorvelTeleassistenza.exe"));
    EXPECT_EQ(2u, starts.size());
}

TEST_F(Alternatives, WithoutAServerEveryDownloadSaysTheFileIsMissing) {
    StartWith(Config34());
    launcher::Session noServer = main.CurrentSession();
    noServer.serverBaseUrl.clear();
    launcher::Form3 form(noServer);
    form.Load();
    messages.clear();
    form.GetListBox(L"List1").SetListIndex(0);
    ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
    EXPECT_EQ((std::vector<std::wstring>{kNotOnServer}), messages);
    EXPECT_TRUE(starts.empty());
}

TEST_F(Alternatives, NoLineOrAnEmptyLineIsRefusedWithoutARequest) {
    StartWith(Config34());
    launcher::Form3 form(main.CurrentSession());
    form.Load();
    primary.ClearRequests();
    ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());  // nothing selected
    form.GetListBox(L"List1").SetListIndex(5);              // an empty line
    ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
    EXPECT_EQ((std::vector<std::wstring>{kNotOnServer, kNotOnServer}), messages);
    EXPECT_EQ(0, primary.CountRequests());
    EXPECT_TRUE(starts.empty());
}

TEST_F(Alternatives, PathInTheConfigurationIsRefused) {
    StartWith(Config34() + "[5]\r\nnome=Evil\r\neseguibile=..\\evil.exe\r\n");
    primary.Serve("/cms/images/stories/evil.exe", "evil");
    launcher::Form3 form(main.CurrentSession());
    form.Load();
    primary.ClearRequests();
    form.GetListBox(L"List1").SetListIndex(2);
    ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
    EXPECT_EQ((std::vector<std::wstring>{kNotOnServer}), messages);
    EXPECT_EQ(0, primary.CountRequests());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((appData.Path() / L"evil.exe").wstring().c_str()));
}

// A "Download" press while the main window's download runs is ignored, and so is a
// second press of its own "Download".
TEST_F(Alternatives, DownloadPressDuringATransferIsIgnored) {
    StartWith(Config34());
    const std::string tool = DemoTool("NorvelRapido");
    primary.Serve(std::string(kAssist) + "NorvelRapido.exe", HttpResponse::Trickle(tool, 4096, 5));
    launcher::Form3 form(main.CurrentSession());
    form.Load();
    form.GetListBox(L"List1").SetListIndex(0);
    int pressed = 0;
    {
        Ticker watch([&] {
            if (form.GetLabel(L"Label3").Visible() && pressed < 2) {
                ++pressed;
                ClickWindow(form.GetButton(L"qvButtons_H4").Handle());
            }
        });
        ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
    }
    EXPECT_EQ(2, pressed);
    EXPECT_EQ(1, Count(primary, "HEAD", "NorvelRapido.exe"));
    EXPECT_EQ(1, Count(primary, "GET", "NorvelRapido.exe"));
    EXPECT_EQ(1u, starts.size());
    EXPECT_EQ(tool, testsupport::ReadWholeFile(ToolFolder() + L"\\NorvelRapido.exe"));
}

// In high contrast the window's background is the window colour, not its blue.
TEST_F(Alternatives, HighContrastPaintsTheWindowColour) {
    StartWith(Config34());
    launcher::Form3 form(main.CurrentSession());
    form.Load();
    platform::WindowDC screen(nullptr);
    platform::MemoryDC dc(::CreateCompatibleDC(screen.get()));
    platform::Bitmap bitmap(::CreateCompatibleBitmap(screen.get(), 8, 8));
    platform::ScopedSelect select(dc.get(), bitmap.get());
    for (const bool on : {false, true}) {
        platform::ForceHighContrast(on);
        form.PaintUnder(dc.get(), *form.FindControl(L"List1"));
        EXPECT_EQ(on ? ::GetSysColor(COLOR_WINDOW) : RGB(0x14, 0x62, 0xA0), ::GetPixel(dc.get(), 1, 1));
    }
    platform::ForceHighContrast(std::nullopt);
}

TEST_F(Alternatives, AnnullaUnloadsTheWindow) {
    StartWith(Config34());
    launcher::Form3 form(main.CurrentSession());
    form.Load();
    ClickWindow(form.GetButton(L"qvButtons_H1").Handle());
    EXPECT_FALSE(form.IsLoaded());
}

}  // namespace
