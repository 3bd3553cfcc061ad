// A launcher with keys against configurations signed by the build's test keys: only
// a file signed by its key and no older than the local copy is believed, the local
// copy only while its signature holds, and only a tool its configuration pins or
// names a publisher for is fetched or started.
#include <gtest/gtest.h>

#include <filesystem>

#include "launcher/tools/config_trust.h"
#include "launcher/windows/form3.h"
#include "launcher/windows/messages.h"
#include "services/config.h"
#include "tests/launcher/launcher_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace launchertest;

std::string Signed(const char* name) {
    return testsupport::ReadWholeFile(std::filesystem::path(NORVEL_LAUNCHER_CONFIGS_DIR) / name);
}

class SignedConfig : public LauncherTest {
protected:
    SignedConfig() {
        const std::string xy = testsupport::ReadWholeFile(std::filesystem::path(NORVEL_SIGNED_CONFIGS_DIR) / "a.xy");
        services::EcdsaP256Key key{};
        std::copy_n(xy.begin(), std::min<std::size_t>(xy.size(), key.size()), key.begin());
        launcher::ReplaceConfigKeys(std::vector<services::EcdsaP256Key>{key});
    }
    ~SignedConfig() override { launcher::ReplaceConfigKeys(std::nullopt); }

    // A start-up against `served`: the left tool button's caption.
    std::wstring StartWith(const std::string& served) {
        ServeConfig(primary, served);
        messages.clear();
        launcher::Form1 form;
        form.Load();
        return form.GetButton(L"qvButtons_H4").Caption();
    }
    std::filesystem::path LocalCopy() const { return ToolFolder() + L"\\norvelassist.ini"; }

    const std::string good = Signed("good.ini");
    const std::string body = good.substr(0, good.find(";firma="));
};

TEST_F(SignedConfig, OnlyASignedFileNoOlderThanTheCopyIsBelieved) {
    std::string changed = good;
    changed[changed.find("Helpdesk firmato")] = 'h';
    const struct {
        const char* what;
        std::string served;
    } refused[] = {
        {"one byte changed after signing", changed},
        {"unsigned", body},
        {"signed by another key", Signed("by-b.ini")},
        {"a line after the signature", good + "[9]\nnome=dopo\n"},
        {"an empty signature", body + ";firma=\n"},
        {"a signature over 1 KiB", body + ";firma=" + std::string(1400, 'A') + "\n"},
    };
    // Without a local copy a refused file is no configuration, and never lands.
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(LocalCopy());
        EXPECT_EQ(L"HELP", StartWith(c.served));
        EXPECT_EQ(std::vector<std::wstring>{launcher::kConfigUnreachable}, messages);
        EXPECT_FALSE(std::filesystem::exists(LocalCopy()));
    }

    EXPECT_EQ(L"Helpdesk firmato", StartWith(good));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(good, testsupport::ReadWholeFile(LocalCopy()));

    // Over the good copy, a refused file and an older signed one leave it as it is.
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(L"Helpdesk firmato", StartWith(c.served));
        EXPECT_TRUE(messages.empty());
    }
    EXPECT_EQ(L"Helpdesk firmato", StartWith(Signed("older.ini")));
    EXPECT_EQ(good, testsupport::ReadWholeFile(LocalCopy()));

    // A copy changed on disk is no configuration: with the download refused, none.
    std::string edited = good;
    edited.replace(edited.find("Helpdesk firmato"), 8, "Modifica");
    testsupport::WriteWholeFile(LocalCopy(), edited);
    EXPECT_EQ(L"HELP", StartWith(body));
    EXPECT_EQ(std::vector<std::wstring>{launcher::kConfigUnreachable}, messages);

    // The signature line is a comment to a reader that knows nothing of it.
    testsupport::TempFolder folder;
    testsupport::WriteWholeFile(folder.Path() / L"signed.ini", good);
    testsupport::WriteWholeFile(folder.Path() / L"plain.ini", body);
    for (const auto& [section, key] : {std::pair{L"norvelassist", L"serie"}, {L"1", L"nome"}, {L"1", L"sha256"},
                                       {L"3", L"eseguibile"}})
        EXPECT_EQ(services::ReadIni(folder.File(L"plain.ini"), section, key),
                  services::ReadIni(folder.File(L"signed.ini"), section, key));
}

TEST_F(SignedConfig, OnlyAToolThatCanBeCheckedIsFetchedOrStarted) {
    ServeConfig(primary, good);
    primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe", DemoTool("NorvelHelpdesk"));
    primary.Serve(std::string(kAssist) + "NorvelSOS.exe", DemoTool("NorvelSOS"));
    primary.Serve(std::string(kAssist) + "NorvelRapido.exe", DemoTool("NorvelRapido"));
    launcher::Form1 form;
    form.Load();
    ASSERT_TRUE(messages.empty());

    // Tool 2 has neither pin nor publisher: refused before any request.
    OnNextShow(Accept);
    ClickAndFinish(form.GetButton(L"qvButtons_H1").Handle());
    EXPECT_EQ(std::vector<std::wstring>{launcher::kToolUnverifiable}, messages);
    EXPECT_EQ(0, Count(primary, "HEAD", "NorvelSOS.exe") + Count(primary, "GET", "NorvelSOS.exe"));

    // Tool 1 is pinned: downloaded and started.
    messages.clear();
    OnNextShow(Accept);
    ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
    EXPECT_EQ(std::vector<std::wstring>{}, messages);
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(ToolFolder() + L"\\NorvelHelpdesk.exe", starts[0].file);

    // The alternative of section 3 has neither: refused in the alternatives window too.
    launcher::Form3 others(form.CurrentSession());
    others.Load();
    others.GetListBox(L"List1").SetListIndex(0);
    ClickAndFinish(others.GetButton(L"qvButtons_H4").Handle());
    EXPECT_EQ(std::vector<std::wstring>{launcher::kToolUnverifiable}, messages);
    EXPECT_EQ(0, Count(primary, "HEAD", "NorvelRapido.exe"));
    EXPECT_EQ(1u, starts.size());
}

}  // namespace
