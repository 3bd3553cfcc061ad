// Form1's start-up against real servers on loopback: the five outcomes, the version
// check, the per-user folder and the configuration download.
#include <gtest/gtest.h>

#include "launcher/windows/form1.h"
#include "tests/launcher/launcher_fixture.h"

using namespace launchertest;
using testsupport::HttpResponse;

namespace {

const std::wstring kSiteUnreachable = L"Sito Norvel non raggiungibile";
const std::wstring kConfigUnreachable = L"File di configurazione non raggiungibile";
const std::wstring kFolder = L"Non è stato possibile creare la cartella per NorvelAssist";
const std::wstring kObsolete =
    L"State usando una versione obsoleta del programma di assistenza. Vi preghiamo di scaricare dal nostro sito la "
    L"versione più aggiornata.";

std::string Config(const std::string& versione = "versione=3.0.0") {
    return "[norvelassist]\r\n" + versione +
           "\r\n[1]\r\nnome=Alfa\r\neseguibile=alfa.exe\r\nversione=1.0.0.0\r\n"
           "[2]\r\nnome=Beta\r\neseguibile=beta.exe\r\nversione=2.0.0.0\r\n";
}

class StartUp : public LauncherTest {
protected:
    std::wstring Caption(launcher::Form1& f, const wchar_t* name) { return f.GetButton(name).Caption(); }
    std::wstring Tag(launcher::Form1& f, const wchar_t* name) { return f.GetButton(name).Tag(); }
};

TEST_F(StartUp, PrimaryAnswersTheProbeAndOneGetOnOneConnection) {
    ServeConfig(primary, Config());
    launcher::Form1 form;
    EXPECT_EQ(0, primary.CountRequests());  // the servers are asked by the load, not before
    form.Load();

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ToolFolder() + L"\\norvelassist.ini", form.CurrentSession().configPath);
    ExpectServerChosen(form, primary);
    EXPECT_EQ(ToolFolder(), form.CurrentSession().toolFolder);
    EXPECT_EQ(1, Count(primary, "HEAD", "norvelassist.ini"));
    EXPECT_EQ(1, Count(primary, "GET", "norvelassist.ini"));
    EXPECT_EQ(2, primary.CountRequests());
    EXPECT_EQ(1, primary.CountConnections());
    EXPECT_EQ(0, fallback.CountRequests());
    EXPECT_EQ(L"Alfa", Caption(form, L"qvButtons_H4"));
    EXPECT_EQ(L"alfa.exe", Tag(form, L"qvButtons_H4"));
    EXPECT_EQ(L"Beta", Caption(form, L"qvButtons_H1"));
    EXPECT_EQ(L"beta.exe", Tag(form, L"qvButtons_H1"));
    EXPECT_EQ(L"Altro", Caption(form, L"qvButtons_H3"));
    EXPECT_EQ(L"Benvenuti nel software di Assistenza Remota.\r\nVi preghiamo di selezionare il metodo di "
              L"collegamento premendo uno dei tasti posti qui sotto dopo aver concordato l'intervento con un nostro "
              L"collaboratore allo 0123/456789.",
              form.GetLabel(L"Label1").Caption());
    EXPECT_EQ(Config(), testsupport::ReadWholeFile(ToolFolder() + L"\\norvelassist.ini"));
    // The hidden bar ends where the configuration's download left it: full.
    EXPECT_EQ(5600, form.GetShape(L"Shape1").Width());
    EXPECT_EQ(L"100%", form.GetLabel(L"Label4").Caption());
    EXPECT_FALSE(form.GetLabel(L"Label4").Visible());
    // The window itself: caption and no minimise or maximise box.
    EXPECT_EQ(L" Assistenza Remota Norvel Sistemi 3.0", [&] {
        wchar_t text[128]{};
        ::GetWindowTextW(form.hwnd(), text, 128);
        return std::wstring(text);
    }());
    const LONG style = ::GetWindowLongW(form.hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

// A second start with the configuration unchanged: the GET is conditional, answered
// 304, and the copy is read as it is. A changed one comes whole with its new ETag.
TEST_F(StartUp, ASecondStartAsksWhetherTheConfigurationChanged) {
    HttpResponse versioned;
    versioned.body = Config();
    versioned.etag = "\"c1\"";
    primary.Serve(std::string(kAssist) + "norvelassist.ini", versioned);
    for (int start = 0; start < 3; ++start) {
        if (start == 2) {
            versioned.body = Config() + "[3]\r\nnome=Gamma\r\n";
            versioned.etag = "\"c2\"";
            primary.Serve(std::string(kAssist) + "norvelassist.ini", versioned);
        }
        primary.ClearRequests();
        launcher::Form1 form;
        form.Load();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(L"Alfa", Caption(form, L"qvButtons_H4"));
        EXPECT_EQ(2, primary.CountRequests()) << start;
        const std::string get = primary.Requests().back().headers;
        EXPECT_EQ(start == 0 ? std::string::npos : get.find("If-None-Match: \"c1\""), get.find("If-None-Match"));
        EXPECT_EQ(versioned.body, testsupport::ReadWholeFile(ToolFolder() + L"\\norvelassist.ini"));
    }
    EXPECT_NE(std::string::npos, testsupport::ReadWholeFile(ToolFolder() + L"\\norvelassist.ini.validatori")
                                     .find("etag=\"c2\""));
}

TEST_F(StartUp, OnlyTheFallbackAnswers) {
    ServeConfig(fallback, Config());
    launcher::Form1 form;
    form.Load();

    EXPECT_TRUE(messages.empty());
    ExpectServerChosen(form, fallback);
    EXPECT_EQ(1, Count(primary, "HEAD", "norvelassist.ini"));
    EXPECT_EQ(1, Count(fallback, "HEAD", "norvelassist.ini"));
    EXPECT_EQ(1, Count(fallback, "GET", "norvelassist.ini"));
    EXPECT_EQ(0, Count(primary, "GET", "norvelassist.ini"));
    EXPECT_EQ(L"Alfa", Caption(form, L"qvButtons_H4"));
    EXPECT_EQ(L"Beta", Caption(form, L"qvButtons_H1"));
}

TEST_F(StartUp, NeitherAnswersShowsBothMessagesInOrderAndTheFallbackEntries) {
    launcher::Form1 form;
    form.Load();

    EXPECT_EQ((std::vector<std::wstring>{kSiteUnreachable, kConfigUnreachable}), messages);
    EXPECT_EQ(L"", form.CurrentSession().serverBaseUrl);
    EXPECT_EQ(fallback.HostAndPort(), form.GetLabel(L"Label2").Caption());
    EXPECT_EQ(L"HELP", Caption(form, L"qvButtons_H4"));
    EXPECT_EQ(L"NorvelHelpdesk.exe", Tag(form, L"qvButtons_H4"));
    EXPECT_EQ(L"SOS", Caption(form, L"qvButtons_H1"));
    EXPECT_EQ(L"SplashtopSOS.exe", Tag(form, L"qvButtons_H1"));
    EXPECT_EQ(ToolFolder(), form.CurrentSession().toolFolder);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(ToolFolder().c_str()));
    // All buttons stay enabled.
    for (const wchar_t* name : {L"qvButtons_H4", L"qvButtons_H1", L"qvButtons_H3"})
        EXPECT_TRUE(::IsWindowEnabled(form.GetButton(name).Handle()));
}

// The GET's status stands for the server's answer: neither 200 nor 304, and the
// configuration is unreachable, an earlier copy or not.
TEST_F(StartUp, ServerThatStopsAnsweringBeforeTheGet) {
    HttpResponse ok;
    ok.body = Config();
    HttpResponse gone;
    gone.status = 404;
    ::CreateDirectoryW(ToolFolder().c_str(), nullptr);
    testsupport::WriteWholeFile(ToolFolder() + L"\\norvelassist.ini", Config());
    primary.ServeSequence(std::string(kAssist) + "norvelassist.ini", {ok, gone});
    launcher::Form1 form;
    form.Load();

    EXPECT_EQ((std::vector<std::wstring>{kConfigUnreachable}), messages);
    EXPECT_EQ(Base(primary), form.CurrentSession().serverBaseUrl);
    EXPECT_EQ(L"HELP", Caption(form, L"qvButtons_H4"));
    EXPECT_EQ(L"SplashtopSOS.exe", Tag(form, L"qvButtons_H1"));
}

TEST_F(StartUp, EmptyApplicationDataVariableStopsAfterItsMessage) {
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
    launcher::Form1 form;
    form.Load();

    EXPECT_EQ((std::vector<std::wstring>{kSiteUnreachable, kFolder}), messages);
    EXPECT_EQ(L"", form.CurrentSession().toolFolder);  // never "\\Norvelassist" at the drive's root
    EXPECT_EQ(L"Iperius", Caption(form, L"qvButtons_H4"));
    EXPECT_EQ(L"SOS", Caption(form, L"qvButtons_H1"));

    // A launch is told the same and goes no further.
    messages.clear();
    const int requests = primary.CountRequests() + fallback.CountRequests();
    OnNextShow(Accept);
    ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
    EXPECT_EQ(std::vector<std::wstring>{kFolder}, messages);
    EXPECT_TRUE(starts.empty());
    EXPECT_EQ(requests, primary.CountRequests() + fallback.CountRequests());
}

TEST_F(StartUp, VersionCheckIsExactAndCaseSensitive) {
    struct Case {
        std::string line;
        bool warns;
    };
    for (const Case& c : {Case{"versione=3.0.0", false}, Case{"versione=\"3.0.0 \"", true}, Case{"versione=3.0", true},
                          Case{"", true}, Case{"versione=3.0.0.1", true}}) {
        SCOPED_TRACE(c.line);
        messages.clear();
        ServeConfig(primary, Config(c.line));
        launcher::Form1 form;
        form.Load();
        if (c.warns)
            EXPECT_EQ((std::vector<std::wstring>{kObsolete}), messages);
        else
            EXPECT_TRUE(messages.empty());
        // The window stays usable either way.
        EXPECT_EQ(L"Alfa", Caption(form, L"qvButtons_H4"));
    }
}

TEST_F(StartUp, ConfigurationWithoutSectionTwoGivesAnEmptyCaption) {
    ServeConfig(primary, "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Alfa\r\neseguibile=alfa.exe\r\n");
    launcher::Form1 form;
    form.Load();
    EXPECT_EQ(L"", Caption(form, L"qvButtons_H1"));
    EXPECT_EQ(L"", Tag(form, L"qvButtons_H1"));
}

TEST_F(StartUp, ExistingFolderIsReusedAndAnExistingConfigurationOverwritten) {
    ::CreateDirectoryW(ToolFolder().c_str(), nullptr);
    testsupport::WriteWholeFile(ToolFolder() + L"\\keep.txt", "kept");
    testsupport::WriteWholeFile(ToolFolder() + L"\\norvelassist.ini",
                                "[1]\r\nnome=Old\r\n" + std::string(5000, ';') + "\r\n");
    ServeConfig(primary, Config());
    launcher::Form1 form;
    form.Load();
    EXPECT_EQ("kept", testsupport::ReadWholeFile(ToolFolder() + L"\\keep.txt"));
    EXPECT_EQ(Config(), testsupport::ReadWholeFile(ToolFolder() + L"\\norvelassist.ini"));
    EXPECT_EQ(L"Alfa", Caption(form, L"qvButtons_H4"));
}

TEST_F(StartUp, UnreachableConfigurationLeavesAnEarlierCopyForLaterReaders) {
    ::CreateDirectoryW(ToolFolder().c_str(), nullptr);
    testsupport::WriteWholeFile(ToolFolder() + L"\\norvelassist.ini", Config());
    launcher::Form1 form;
    form.Load();
    EXPECT_EQ(Config(), testsupport::ReadWholeFile(ToolFolder() + L"\\norvelassist.ini"));
}

// A configuration download that breaks off after its 200 leaves an earlier copy to
// be read silently; without one the configuration counts as unreachable.
TEST_F(StartUp, FailedConfigurationDownloadReadsAnEarlierCopyOrFallsBack) {
    HttpResponse cut = HttpResponse::HeadStatus(200, Config());
    cut.status = 200;
    cut.cutAfter = 20;
    for (bool earlierCopy : {false, true}) {
        for (const HttpResponse& broken : {cut, HttpResponse::ShortBody(Config().substr(0, 20), 500)}) {
            SCOPED_TRACE(testing::Message() << "earlier copy " << earlierCopy << ", cut " << broken.cutAfter);
            messages.clear();
            ::CreateDirectoryW(ToolFolder().c_str(), nullptr);
            ::DeleteFileW((ToolFolder() + L"\\norvelassist.ini").c_str());
            if (earlierCopy) testsupport::WriteWholeFile(ToolFolder() + L"\\norvelassist.ini", Config());
            primary.Serve(std::string(kAssist) + "norvelassist.ini", broken);
            launcher::Form1 form;
            form.Load();
            if (earlierCopy) {
                EXPECT_TRUE(messages.empty());
                EXPECT_EQ(L"Alfa", Caption(form, L"qvButtons_H4"));
                EXPECT_EQ(L"beta.exe", Tag(form, L"qvButtons_H1"));
            } else {
                EXPECT_EQ((std::vector<std::wstring>{kConfigUnreachable}), messages);
                EXPECT_EQ(L"HELP", Caption(form, L"qvButtons_H4"));
                EXPECT_EQ(L"SplashtopSOS.exe", Tag(form, L"qvButtons_H1"));
            }
        }
    }
}

// The operating-system test reads the prefix's real registry value.
class ProductName : public StartUp {
protected:
    ProductName() { original_ = Read(); }
    ~ProductName() override { Write(original_); }
    static std::wstring Read() {
        wchar_t value[256]{};
        DWORD bytes = sizeof value;
        ::RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"ProductName", RRF_RT_REG_SZ, nullptr, value, &bytes);
        return value;
    }
    static void Write(const std::wstring& name) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key));
        ::RegSetValueExW(key, L"ProductName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                         static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(key);
    }
    static constexpr wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    std::wstring original_;
    testsupport::TempFolder roaming{L"roaming"};
};

TEST_F(ProductName, XpUsesAppdataOtherNamesLocalAppData) {
    ServeConfig(primary, Config());
    ::SetEnvironmentVariableW(L"Appdata", roaming.Path().wstring().c_str());
    struct Case {
        const wchar_t* product;
        bool xp;
    };
    for (const Case& c : {Case{L"Microsoft Windows XP", true}, Case{L"Windows 10 Pro", false},
                          Case{L"Microsoft Windows xp", false}, Case{L"Microsoft Windows 7", false}}) {
        SCOPED_TRACE(std::string(c.product, c.product + wcslen(c.product)));
        Write(c.product);
        launcher::Form1 form;
        form.Load();
        const std::wstring expected = (c.xp ? roaming.Path().wstring() : appData.Path().wstring()) + L"\\Norvelassist";
        EXPECT_EQ(expected, form.CurrentSession().toolFolder);
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((expected + L"\\norvelassist.ini").c_str()));
    }
}

}  // namespace
