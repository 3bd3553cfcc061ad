// Form1's launch flow: the acceptance dialog, the version match, the download with
// its progress controls, the message for a file the server lacks, "Altro" and the
// site link; and the guards that keep a download safe.
#include <gtest/gtest.h>

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "forms/screen_pointer.h"
#include "launcher/app/guarded_run.h"
#include "launcher/windows/form1.h"
#include "platform/log.h"
#include "platform/text.h"
#include "tests/launcher/launcher_fixture.h"

using namespace launchertest;
using testsupport::HttpResponse;

namespace {

const std::wstring kNotOnServer = L"File inesistente sul Server";
const std::wstring kDownloadFailed =
    L"Non è stato possibile scaricare il programma di assistenza. Riprovare più tardi.";

std::string Config(const std::string& exe1, const std::string& version1) {
    return "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Helpdesk\r\neseguibile=" + exe1 +
           "\r\nversione=" + version1 + "\r\n[2]\r\nnome=SOS\r\neseguibile=NorvelSOS.exe\r\nversione=3.6.2.0\r\n";
}

// What the progress controls of a window look like at one moment.
struct Snapshot {
    bool message, track, fill, percent;
    int pointer;
    std::wstring percentText;
};

Snapshot Take(forms::Form& w) {
    return {w.GetLabel(L"Label3").Visible(), w.GetShape(L"Shape2").Visible(), w.GetShape(L"Shape1").Visible(),
            w.GetLabel(L"Label4").Visible(), forms::ScreenMousePointer(), w.GetLabel(L"Label4").Caption()};
}

class Launch : public LauncherTest {
protected:
    void StartWith(const std::string& ini) {
        ServeConfig(primary, ini);
        form.Load();
        ASSERT_TRUE(messages.empty());
    }
    void Press(const wchar_t* button) { ClickAndFinish(form.GetButton(button).Handle()); }
    std::wstring Local(const std::wstring& name) { return ToolFolder() + L"\\" + name; }

    launcher::Form1 form;
};

TEST_F(Launch, MatchingLocalVersionStartsAtOnceWithoutProbeOrDownload) {
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    testsupport::WriteWholeFile(Local(L"NorvelHelpdesk.exe"), DemoTool("NorvelHelpdesk"));
    OnNextShow(Accept);
    Press(L"qvButtons_H4");

    EXPECT_EQ((std::vector<std::wstring>{L"Form2"}), shown);
    EXPECT_EQ(1, form.GetCheckBox(L"Check1").Value());
    EXPECT_EQ(1, form.SelectedToolIndex());
    EXPECT_EQ(L"NorvelHelpdesk.exe", form.ToolExeName());
    EXPECT_EQ(0, Count(primary, "HEAD", "NorvelHelpdesk.exe") + Count(primary, "GET", "NorvelHelpdesk.exe"));
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(form.hwnd(), starts[0].owner);
    EXPECT_EQ(Local(L"NorvelHelpdesk.exe"), starts[0].file);
    EXPECT_EQ(SW_SHOW, starts[0].show);
    EXPECT_TRUE(messages.empty());
    // The log in the tool folder tells the helpdesk what happened.
    platform::FlushLog();
    const std::string log = testsupport::ReadWholeFile(ToolFolder() + L"\\norvelassist.log");
    for (const std::string& line : {"server scelto: http://" + platform::ToUtf8(primary.HostAndPort()),
                                    std::string("strumenti \"Helpdesk\" (NorvelHelpdesk.exe)"),
                                    std::string("versione locale 5.2.0.1, richiesta 5.2.0.1: copia locale"),
                                    "avviato " + platform::ToUtf8(Local(L"NorvelHelpdesk.exe"))})
        EXPECT_NE(std::string::npos, log.find(line)) << line;
}

TEST_F(Launch, DifferentVersionDownloadsAgainWithProgressShownThenStarts) {
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.2"));
    testsupport::WriteWholeFile(Local(L"NorvelHelpdesk.exe"), DemoTool("NorvelHelpdesk"));
    const std::string fresh = DemoTool("NorvelSOS");
    primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe", HttpResponse::Trickle(fresh, 8192, 2));
    std::vector<Snapshot> during;
    Ticker ticker([&] { during.push_back(Take(form)); });
    OnNextShow(Accept);
    Press(L"qvButtons_H4");

    EXPECT_EQ(fresh, testsupport::ReadWholeFile(Local(L"NorvelHelpdesk.exe")));
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(Local(L"NorvelHelpdesk.exe"), starts[0].file);
    EXPECT_EQ(form.hwnd(), starts[0].owner);
    EXPECT_EQ(SW_SHOW, starts[0].show);
    EXPECT_TRUE(messages.empty());
    // Visible while the transfer ran, with the hourglass; hidden and default after.
    ASSERT_FALSE(during.empty());
    bool sawProgress = false;
    for (const auto& s : during)
        if (s.message && s.track && s.fill && s.percent && s.pointer == 11) sawProgress = true;
    EXPECT_TRUE(sawProgress);
    const Snapshot after = Take(form);
    EXPECT_FALSE(after.message || after.track || after.fill || after.percent);
    EXPECT_EQ(0, after.pointer);
    EXPECT_EQ(L"100%", after.percentText);
    EXPECT_EQ(5600, form.GetShape(L"Shape1").Width());
}

TEST_F(Launch, FileMissingOnTheServerGivesTheMessageAndNoProgress) {
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    form.GetLabel(L"Label4").SetCaption(L"1%");
    form.GetShape(L"Shape1").SetWidth(3615);
    OnNextShow(Accept);
    Press(L"qvButtons_H4");

    EXPECT_EQ((std::vector<std::wstring>{kNotOnServer}), messages);
    EXPECT_TRUE(starts.empty());
    EXPECT_EQ(1, Count(primary, "HEAD", "NorvelHelpdesk.exe"));
    EXPECT_EQ(0, Count(primary, "GET", "NorvelHelpdesk.exe"));
    EXPECT_EQ(L"1%", form.GetLabel(L"Label4").Caption());
    EXPECT_EQ(3615, form.GetShape(L"Shape1").Width());
    EXPECT_FALSE(form.GetLabel(L"Label3").Visible());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(Local(L"NorvelHelpdesk.exe").c_str()));
    platform::FlushLog();
    EXPECT_NE(std::string::npos, testsupport::ReadWholeFile(ToolFolder() + L"\\norvelassist.log")
                                     .find("NorvelHelpdesk.exe: HTTP 404"));  // a failed request logs its status
}

TEST_F(Launch, LocalFileWithoutVersionResourceIsReplaced) {
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    testsupport::WriteWholeFile(Local(L"NorvelHelpdesk.exe"), "not a program");
    primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe", DemoTool("NorvelHelpdesk"));
    OnNextShow(Accept);
    Press(L"qvButtons_H4");
    EXPECT_TRUE(messages.empty());  // no English box in the launch: the copy is simply fetched again
    EXPECT_EQ(DemoTool("NorvelHelpdesk"), testsupport::ReadWholeFile(Local(L"NorvelHelpdesk.exe")));
    EXPECT_EQ(1u, starts.size());
}

TEST_F(Launch, CancelledClauseDoesNothingUntilAccepted) {
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    testsupport::WriteWholeFile(Local(L"NorvelHelpdesk.exe"), DemoTool("NorvelHelpdesk"));
    OnNextShow(Cancel);
    Press(L"qvButtons_H4");
    EXPECT_TRUE(starts.empty());
    EXPECT_EQ(0, form.GetCheckBox(L"Check1").Value());
    EXPECT_EQ(L"", form.ToolExeName());

    OnNextShow(Accept);
    Press(L"qvButtons_H4");
    EXPECT_EQ(1u, starts.size());
}

TEST_F(Launch, OtherAsksForTheClauseOnlyUntilAcceptedAndOpensFormThreeOnce) {
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    OnNextShow(Cancel);
    Press(L"qvButtons_H3");
    EXPECT_EQ((std::vector<std::wstring>{L"Form2"}), shown);
    EXPECT_EQ(nullptr, form.AlternativesWindow());

    OnNextShow(Accept);
    OnNextShow([](forms::Form&) {});  // Form3 stays open
    Press(L"qvButtons_H3");
    EXPECT_EQ((std::vector<std::wstring>{L"Form2", L"Form2", L"Form3"}), shown);
    ASSERT_NE(nullptr, form.AlternativesWindow());
    forms::Form* third = form.AlternativesWindow();
    EXPECT_TRUE(third->IsLoaded());
    EXPECT_TRUE(::IsWindowVisible(third->hwnd()));

    // Again while open: no dialog, the same window, lists not filled again.
    Press(L"qvButtons_H3");
    EXPECT_EQ(3u, shown.size());
    EXPECT_EQ(third, form.AlternativesWindow());
    EXPECT_EQ(8, third->GetListBox(L"List1").ListCount());
}

TEST_F(Launch, HostLinkOpensTheSiteWithoutOwner) {
    ServeConfig(fallback, Config("a.exe", "1"));
    form.Load();
    ClickWindow(form.GetLabel(L"Label2").Handle());
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(nullptr, starts[0].owner);
    EXPECT_EQ(L"http://" + fallback.HostAndPort(), starts[0].file);
    EXPECT_EQ(SW_SHOWNORMAL, starts[0].show);
}

// An executable name from the configuration must be a plain file name: nothing is
// probed, downloaded or started for anything else, and nothing is written outside
// the tool folder.
TEST_F(Launch, ExecutableNameThatIsNotAPlainFileNameIsRefused) {
    for (const std::string name : {"..\\evil.exe", "../evil.exe", "", ".", "..", "sub\\evil.exe", "C:evil.exe",
                                   "evil\t.exe", "*.exe"}) {
        SCOPED_TRACE(name);
        messages.clear();
        starts.clear();
        primary.ClearRequests();
        ServeConfig(primary, Config(name, "1.0.0.0"));
        launcher::Form1 window;
        window.Load();
        ::CreateDirectoryW((ToolFolder() + L"\\sub").c_str(), nullptr);
        testsupport::WriteWholeFile(ToolFolder() + L"\\first.exe", DemoTool("NorvelHelpdesk"));
        primary.Serve(std::string(kAssist) + "evil.exe", "evil");
        OnNextShow(Accept);
        ClickAndFinish(window.GetButton(L"qvButtons_H4").Handle());

        EXPECT_EQ((std::vector<std::wstring>{kNotOnServer}), messages);
        EXPECT_TRUE(starts.empty());
        EXPECT_EQ(0, Count(primary, "HEAD", "evil.exe") + Count(primary, "GET", "evil.exe"));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((appData.Path() / L"evil.exe").wstring().c_str()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((ToolFolder() + L"\\sub\\evil.exe").c_str()));
    }
}

// While a download runs, further tool presses are ignored: one transfer, one start.
TEST_F(Launch, ToolPressDuringADownloadIsIgnored) {
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    const std::string tool = DemoTool("NorvelHelpdesk");
    primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe", HttpResponse::Trickle(tool, 4096, 5));
    int pressesDuring = 0;
    Ticker ticker([&] {
        if (form.GetLabel(L"Label3").Visible() && pressesDuring < 3) {
            ++pressesDuring;
            ClickWindow(form.GetButton(pressesDuring == 2 ? L"qvButtons_H1" : L"qvButtons_H4").Handle());
        }
    });
    OnNextShow(Accept);
    Press(L"qvButtons_H4");

    EXPECT_EQ(3, pressesDuring);
    EXPECT_EQ((std::vector<std::wstring>{L"Form2"}), shown);  // no dialog for the ignored presses
    // A launch that downloads: the probe and one GET.
    EXPECT_EQ(1, Count(primary, "HEAD", "NorvelHelpdesk.exe"));
    EXPECT_EQ(1, Count(primary, "GET", "NorvelHelpdesk.exe"));
    EXPECT_EQ(tool, testsupport::ReadWholeFile(Local(L"NorvelHelpdesk.exe")));
    EXPECT_EQ(1u, starts.size());
    EXPECT_TRUE(messages.empty());
}

// A failed download starts the previous complete copy; a partial file is never started.
TEST_F(Launch, FailedDownloadStartsThePreviousCompleteCopy) {
    StartWith(Config("NorvelHelpdesk.exe", "9.9.9.9"));
    const std::string previous = DemoTool("NorvelHelpdesk");
    testsupport::WriteWholeFile(Local(L"NorvelHelpdesk.exe"), previous);
    const std::string fresh = DemoTool("NorvelSOS");
    primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe",
                  HttpResponse::ShortBody(fresh.substr(0, fresh.size() / 2), static_cast<std::int64_t>(fresh.size())));
    std::string startedContent;
    launcher::ReplaceShellOpen([&](HWND owner, const std::wstring& file, int show, const std::wstring& folder) {
        starts.push_back({owner, file, show, folder});
        startedContent = testsupport::ReadWholeFile(file);
    });
    OnNextShow(Accept);
    Press(L"qvButtons_H4");

    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(Local(L"NorvelHelpdesk.exe"), starts[0].file);
    EXPECT_EQ(previous, startedContent);
    EXPECT_TRUE(messages.empty());
}

// A tool section's "sha256" pin (the build's digest of the demo tool, written here in
// upper case): only bytes with that digest are kept, and only they are started.
TEST_F(Launch, PinnedToolIsKeptAndStartedOnlyWithItsDigest) {
    const std::string helpdesk = DemoTool("NorvelHelpdesk");
    const std::string other = DemoTool("NorvelSOS");
    std::string pin = DemoPin("NorvelHelpdesk");
    ASSERT_EQ(64u, pin.size());
    std::transform(pin.begin(), pin.end(), pin.begin(), [](char c) { return static_cast<char>(std::toupper(c)); });
    struct Case {
        const char* what;
        std::string version, localCopy, served;
        bool downloads, started;
        std::string after;
    };
    const Case cases[] = {
        {"no copy, right bytes", "5.2.0.1", "", helpdesk, true, true, helpdesk},
        {"other copy, wrong bytes", "5.2.0.1", other, other + "x", true, false, other},
        {"pinned copy of another version, wrong bytes", "9.9.9.9", helpdesk, other, true, true, helpdesk},
        {"tampered copy of the right version", "5.2.0.1", helpdesk + "tampered", helpdesk, true, true, helpdesk},
        {"pinned copy of the right version", "5.2.0.1", helpdesk, other, false, true, helpdesk},
    };
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        starts.clear();
        primary.ClearRequests();
        ServeConfig(primary, Config("NorvelHelpdesk.exe", c.version + "\r\nsha256=" + pin));
        launcher::Form1 window;
        window.Load();
        ::DeleteFileW(Local(L"NorvelHelpdesk.exe").c_str());
        if (!c.localCopy.empty()) testsupport::WriteWholeFile(Local(L"NorvelHelpdesk.exe"), c.localCopy);
        primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe", c.served);
        std::string startedContent;
        launcher::ReplaceShellOpen([&](HWND owner, const std::wstring& file, int show, const std::wstring& folder) {
            starts.push_back({owner, file, show, folder});
            startedContent = testsupport::ReadWholeFile(file);
        });
        OnNextShow(Accept);
        ClickAndFinish(window.GetButton(L"qvButtons_H4").Handle());

        EXPECT_EQ(c.downloads, Count(primary, "GET", "NorvelHelpdesk.exe") > 0);
        EXPECT_EQ(c.after, testsupport::ReadWholeFile(Local(L"NorvelHelpdesk.exe")));
        EXPECT_EQ(c.started ? 1u : 0u, starts.size());
        EXPECT_EQ(c.started ? helpdesk : "", startedContent);
        EXPECT_EQ(c.started ? std::vector<std::wstring>{} : std::vector<std::wstring>{kDownloadFailed}, messages);
    }
}

// Whatever makes the download fail, without an earlier copy the user is told.
TEST_F(Launch, FailedDownloadWithoutAPreviousCopyStartsNothingAndSaysSo) {
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    const std::string fresh = DemoTool("NorvelSOS");
    HttpResponse noLength;
    noLength.body = fresh;
    noLength.noLength = true;
    HttpResponse getFails = HttpResponse::HeadStatus(200, fresh);
    getFails.status = 503;
    for (const HttpResponse& broken :
         {noLength, getFails,
          HttpResponse::ShortBody(fresh.substr(0, 1000), static_cast<std::int64_t>(fresh.size()))}) {
        SCOPED_TRACE(testing::Message() << "status " << broken.status << ", no length " << broken.noLength);
        messages.clear();
        primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe", broken);
        OnNextShow(Accept);
        Press(L"qvButtons_H4");
        EXPECT_TRUE(starts.empty());
        EXPECT_EQ((std::vector<std::wstring>{kDownloadFailed}), messages);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(Local(L"NorvelHelpdesk.exe").c_str()));
    }
}

// An error nobody expected reaches the user as a sentence, never as its raw text.
TEST_F(Launch, UnexpectedErrorIsToldWithoutItsRawText) {
    EXPECT_EQ(1, launcher::RunGuarded([]() -> int { throw std::runtime_error("vector::_M_range_check"); }));
    EXPECT_EQ((std::vector<std::wstring>{L"Si è verificato un errore imprevisto. Riprovare più tardi."}), messages);
}

std::string SignedTool(const char* name) {
    return testsupport::ReadWholeFile(std::filesystem::path(NORVEL_SIGNED_TOOLS_DIR) / name);
}

// The test root trusted in this prefix (the current user's Root store) while the
// program runs. It goes in before any test: a process's certificate chain engine
// reads the Root store once, on its first use (here by the HTTPS tests), and does
// not see a root added later.
class TrustedTestRoot : public testing::Environment {
public:
    void SetUp() override {
        store_ = ::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
        const std::string der = SignedTool("trusted-root.der");
        ::CertAddEncodedCertificateToStore(store_, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
                                           static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, &added);
        ::CertControlStore(store_, 0, CERT_STORE_CTRL_COMMIT, nullptr);  // written where other processes look
    }
    void TearDown() override {
        if (added) ::CertDeleteCertificateFromStore(added);  // frees the context too
        ::CertControlStore(store_, 0, CERT_STORE_CTRL_COMMIT, nullptr);  // a deletion is written only when committed
        ::CertCloseStore(store_, 0);
    }
    PCCERT_CONTEXT added = nullptr;

private:
    HCERTSTORE store_ = nullptr;
};
auto* const trustedTestRoot = static_cast<TrustedTestRoot*>(testing::AddGlobalTestEnvironment(new TrustedTestRoot));

// A tool section's "firmatario" (two names, either case): only a copy with a valid
// signature, a chain to a trusted root and a named signer is kept and started, its
// "sha256" must hold too when given, and a local copy that fails is fetched again.
TEST_F(Launch, OnlyANamedPublishersCopyIsKeptAndStarted) {
    ASSERT_NE(nullptr, trustedTestRoot->added);
    const struct {
        const char *served, *local;
        std::string pin;  // the digest of the tool as built: right for unsigned.exe only
        bool started;
    } cases[] = {{"right.exe", nullptr, "", true},      {"altered.exe", nullptr, "", false},
                 {"unsigned.exe", nullptr, "", false},  {"other.exe", nullptr, "", false},
                 {"stranger.exe", nullptr, "", false},  {"right.exe", nullptr, DemoPin("NorvelHelpdesk"), false},
                 {"right.exe", "other.exe", "", true}};
    StartWith(Config("NorvelHelpdesk.exe", "5.2.0.1"));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.served) + " over " + (c.local ? c.local : "nothing") + " pin " + c.pin);
        messages.clear();
        ServeConfig(primary,
                    Config("NorvelHelpdesk.exe", "5.2.0.1\r\nfirmatario=Altro Editore; norvelassist TEST publisher" +
                                                     (c.pin.empty() ? "" : "\r\nsha256=" + c.pin)));
        launcher::Form1 window;
        window.Load();
        ::DeleteFileW(Local(L"NorvelHelpdesk.exe").c_str());
        if (c.local) testsupport::WriteWholeFile(Local(L"NorvelHelpdesk.exe"), SignedTool(c.local));
        primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe", SignedTool(c.served));
        std::string startedContent;
        launcher::ReplaceShellOpen(
            [&](HWND, const std::wstring& file, int, const std::wstring&) {
                startedContent = testsupport::ReadWholeFile(file);
            });
        OnNextShow(Accept);
        ClickAndFinish(window.GetButton(L"qvButtons_H4").Handle());
        EXPECT_TRUE((c.started ? SignedTool("right.exe") : "") == startedContent);
        EXPECT_EQ(c.started ? std::vector<std::wstring>{} : std::vector<std::wstring>{kDownloadFailed}, messages);
    }
}

}  // namespace
