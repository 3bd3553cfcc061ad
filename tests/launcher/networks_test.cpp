// The start-up on real networks and with real files: servers that never answer,
// one connection per server, configurations saved as UTF-8, a captive portal's page
// in place of the configuration, and part files a killed download left behind.
#include <gtest/gtest.h>

#include "launcher/windows/form1.h"
#include "platform/log.h"
#include "platform/text.h"
#include "tests/launcher/launcher_fixture.h"
#include "tests/support/scoped_deadlines.h"

using namespace launchertest;

namespace {

const std::string kConfig = "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Alfa\r\neseguibile=alfa.exe\r\n";

class Networks : public LauncherTest {
protected:
    std::wstring Caption(launcher::Form1& f, const wchar_t* name) { return f.GetButton(name).Caption(); }
    std::filesystem::path Folder() const { return ToolFolder(); }
};

// A primary that accepts the connection and then says nothing, in plain HTTP and in
// the TLS handshake, or that refuses it, costs at most the fallback's head start
// (1 s), not its probe's deadline (10 s): the fallback's window within 3 s. Both silent cost one deadline (4 s here),
// not two. (The wait window shows after 0.7 s; with messages to show it is taken
// down first, which Wine without a window manager takes 2 s to do.)
TEST_F(Networks, SilentPrimaryCostsTheFallbacksHeadStartAndBothSilentOneDeadline) {
    primary.Serve(std::string(kAssist) + "norvelassist.ini", testsupport::HttpResponse::Silent());
    ServeConfig(fallback, kConfig);
    const std::wstring refusing = testsupport::HttpServer().HostAndPort();  // its port closed again
    for (const std::wstring& host : {primary.HostAndPort(), L"https://" + primary.HostAndPort(), refusing}) {
        SCOPED_TRACE(platform::ToUtf8(host));
        launcher::SetDeployment({host, fallback.HostAndPort()});
        const ULONGLONG start = ::GetTickCount64();
        launcher::Form1 form;
        form.Load();
        // A refused connection fails at once: the fallback is asked before the head start ends.
        EXPECT_LT(::GetTickCount64() - start, host == refusing ? 1000u : 3000u);
        EXPECT_TRUE(messages.empty());
        ExpectServerChosen(form, fallback);
        EXPECT_EQ(L"Alfa", Caption(form, L"qvButtons_H4"));
    }

    // A slow primary within its head start is used alone; after it, the first to answer.
    launcher::SetDeployment({primary.HostAndPort(), fallback.HostAndPort()});
    ServeConfig(primary, kConfig);
    for (const auto& [delayMs, expectPrimary] : {std::pair{300, true}, std::pair{2000, false}}) {
        primary.SetAnswerDelay(delayMs);
        const int asked = fallback.CountRequests();
        launcher::Form1 form;
        form.Load();
        ExpectServerChosen(form, expectPrimary ? primary : fallback);
        EXPECT_EQ(expectPrimary, asked == fallback.CountRequests());
    }
    primary.SetAnswerDelay(0);
    primary.Serve(std::string(kAssist) + "norvelassist.ini", testsupport::HttpResponse::Silent());

    testsupport::ScopedDeadlines shorter({4000, 4000});
    fallback.Serve(std::string(kAssist) + "norvelassist.ini", testsupport::HttpResponse::Silent());
    const ULONGLONG start = ::GetTickCount64();
    launcher::Form1 form;
    form.Load();
    EXPECT_LT(::GetTickCount64() - start, 8500u);  // two deadlines in turn and the 2 s would be 10 s
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Sito Norvel non raggiungibile", L"File di configurazione non raggiungibile"}),
        messages);
}

// Windows-1252, UTF-8 and UTF-8 with a mark. Each start's requests share one
// kept-alive connection (a later start may reuse the earlier one's).
TEST_F(Networks, AccentedNamesReadTheSameInEveryEncodingOverOneConnection) {
    const std::string ansi = "\r\n[1]\r\nnome=Citt\xE0 Pi\xF9\r\n[2]\r\nnome=Perch\xE9 s\xEC\r\n";
    const std::string utf8 = "\r\n[1]\r\nnome=Citt\xC3\xA0 Pi\xC3\xB9\r\n[2]\r\nnome=Perch\xC3\xA9 s\xC3\xAC\r\n";
    for (const std::string& ini : {"[norvelassist]\r\nversione=3.0.0" + ansi, "[norvelassist]\r\nversione=3.0.0" + utf8,
                                   "\xEF\xBB\xBF[norvelassist]\r\nversione=3.0.0" + utf8}) {
        ServeConfig(primary, ini);
        const int connections = primary.CountConnections();
        launcher::Form1 form;
        form.Load();
        EXPECT_EQ(L"Città Più", Caption(form, L"qvButtons_H4"));
        EXPECT_EQ(L"Perché sì", Caption(form, L"qvButtons_H1"));
        EXPECT_LE(primary.CountConnections() - connections, 1);
    }
    EXPECT_TRUE(messages.empty());
}

// A hotel's portal answers every request with its own page and status 200.
TEST_F(Networks, PortalPageNeverReplacesTheConfiguration) {
    ServeConfig(primary, "<html><body><h1>Benvenuti</h1><a href=\"/login\">Accedi</a>[1]\r\nnome=x</body></html>");
    {
        launcher::Form1 form;
        form.Load();
        EXPECT_EQ(std::vector<std::wstring>{L"File di configurazione non raggiungibile"}, messages);
        EXPECT_EQ(L"HELP", Caption(form, L"qvButtons_H4"));
        platform::FlushLog();
        EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(Folder()), {}));  // the log alone
    }
    messages.clear();
    testsupport::WriteWholeFile(Folder() / L"norvelassist.ini", kConfig);
    launcher::Form1 form;
    form.Load();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(L"Alfa", Caption(form, L"qvButtons_H4"));
    EXPECT_EQ(kConfig, testsupport::ReadWholeFile(Folder() / L"norvelassist.ini"));
}

TEST_F(Networks, PartFilesOfKilledDownloadsAreRemovedAtStart) {
    std::filesystem::create_directories(Folder());
    const std::vector<std::wstring> leftovers{L"NorvelHelpdesk.exe.4242-1.download",
                                              L"norvelassist.ini.17-30.download"};
    // The first is held without sharing, as a running download holds its part file.
    const std::vector<std::wstring> kept{L"NorvelSOS.exe.99-2.download", L"appunti.download", L"x.1-2.download.txt",
                                         L".1-2.download", L"NorvelSOS.exe"};
    for (const auto& name : leftovers) testsupport::WriteWholeFile(Folder() / name, "part");
    for (const auto& name : kept) testsupport::WriteWholeFile(Folder() / name, "keep");
    const platform::File held(::CreateFileW((Folder() / kept[0]).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                            0, nullptr));
    ASSERT_TRUE(held);
    launcher::Form1 form;
    form.Load();
    for (const auto& name : leftovers) EXPECT_FALSE(std::filesystem::exists(Folder() / name));
    for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(Folder() / name));
}

}  // namespace
