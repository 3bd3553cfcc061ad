// The launch decision shared by the main window and the alternatives window, against
// real tool programs (with version resources) in a real tool folder; the names that
// may be launched; the copy held from its checks to its start.
#include <gtest/gtest.h>

#include "launcher/tools/launch_plan.h"
#include "launcher/tools/plain_file.h"
#include "platform/handles.h"
#include "platform/text.h"
#include "tests/launcher/launcher_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

using launcher::LaunchPlan;
using launcher::LocalCopy;
using Step = LaunchPlan::Step;
using launchertest::DemoPin;
using launchertest::DemoTool;

class Plan : public ::testing::Test {
protected:
    // The plan for `exeName` of section "4" of the configuration `ini`.
    LaunchPlan For(const std::string& ini, const std::wstring& exeName, LocalCopy local,
                   const launcher::Session* other = nullptr) {
        testsupport::WriteWholeFile(folder.Path() / L"norvelassist.ini", ini);
        const std::optional<launcher::Configuration> config = launcher::LoadConfiguration(session.configPath);
        return launcher::PlanLaunch(other ? *other : session, config ? &*config : nullptr, L"4", exeName, local);
    }
    void PutLocal(const std::string* bytes) {
        std::filesystem::remove(folder.Path() / L"NorvelHelpdesk.exe");
        if (bytes) testsupport::WriteWholeFile(folder.Path() / L"NorvelHelpdesk.exe", *bytes);
    }
    testsupport::TempFolder folder{L"plan"};
    const launcher::Session session{L"http://server/", folder.Path().wstring(), folder.File(L"norvelassist.ini")};
    const std::string helpdesk = DemoTool("NorvelHelpdesk");  // file version 5.2.0.1
};

TEST_F(Plan, PlainNameLocalCopyVersionAndTrustDecide) {
    const std::string otherPin(64, 'a');
    const std::string notAProgram = "plain text, no version resource";
    struct Case {
        const char* what;
        std::wstring exeName;
        std::string versione, sha256;   // of the section
        const std::string* localBytes;  // nullptr: no local copy
        LocalCopy local;
        Step expected;
    };
    const Case cases[] = {
        {"a path is no plain name", L"..\\evil.exe", "5.2.0.1", "", &helpdesk, LocalCopy::Considered, Step::NotPlain},
        {"an empty name", L"", "5.2.0.1", "", nullptr, LocalCopy::Considered, Step::NotPlain},
        {"no local copy", L"NorvelHelpdesk.exe", "5.2.0.1", "", nullptr, LocalCopy::Considered, Step::Download},
        {"the configured version", L"NorvelHelpdesk.exe", "5.2.0.1", "", &helpdesk, LocalCopy::Considered,
         Step::StartLocal},
        {"another version", L"NorvelHelpdesk.exe", "5.2.0.2", "", &helpdesk, LocalCopy::Considered, Step::Download},
        {"the version and its pin", L"NorvelHelpdesk.exe", "5.2.0.1", DemoPin("NorvelHelpdesk"), &helpdesk,
         LocalCopy::Considered, Step::StartLocal},
        {"the version, other bytes than the pin's", L"NorvelHelpdesk.exe", "5.2.0.1", otherPin, &helpdesk,
         LocalCopy::Considered, Step::Download},
        {"no version resource, no version asked", L"NorvelHelpdesk.exe", "", "", &notAProgram, LocalCopy::Considered,
         Step::StartLocal},
        {"no version resource, a version asked", L"NorvelHelpdesk.exe", "5.2.0.1", "", &notAProgram,
         LocalCopy::Considered, Step::Download},
        {"the alternatives always download", L"NorvelHelpdesk.exe", "5.2.0.1", "", &helpdesk, LocalCopy::Ignored,
         Step::Download},
        {"the alternatives refuse a path too", L"sub\\tool.exe", "", "", nullptr, LocalCopy::Ignored, Step::NotPlain},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PutLocal(c.localBytes);
        const LaunchPlan plan =
            For("[4]\nversione=" + c.versione + "\nsha256=" + c.sha256 + "\nfirmatario=\n", c.exeName, c.local);
        EXPECT_EQ(c.expected, plan.step);
        EXPECT_EQ(c.expected == Step::StartLocal, plan.held != nullptr);
        if (c.expected == Step::NotPlain) continue;
        EXPECT_EQ(folder.File(c.exeName), plan.localPath);
        EXPECT_EQ(std::wstring(c.sha256.begin(), c.sha256.end()), plan.trust.sha256Pin);
    }

    // Nothing is launched without a tool folder: none known, or none made.
    for (const std::wstring& tools : {std::wstring(), folder.File(L"assente")}) {
        const launcher::Session without{session.serverBaseUrl, tools, tools + L"\\norvelassist.ini"};
        EXPECT_EQ(Step::NoFolder, For("[4]\nversione=5.2.0.1\n", L"NorvelHelpdesk.exe", LocalCopy::Considered,
                                      &without).step);
    }

    // With keys, a tool is launched only when its section can be checked, and only
    // from a configuration that is believed: this unsigned one is not.
    launcher::ReplaceConfigKeys(std::vector<services::EcdsaP256Key>{services::EcdsaP256Key{}});
    EXPECT_EQ(Step::Unverifiable, For("[4]\nsha256=" + DemoPin("NorvelHelpdesk") + "\n", L"NorvelHelpdesk.exe",
                                      LocalCopy::Ignored).step);
    launcher::ReplaceConfigKeys(std::nullopt);
}

// The copy a plan starts cannot be written, replaced, renamed or deleted between its
// checks and its start; once the plan is gone it can.
TEST_F(Plan, TheCheckedCopyIsHeldUntilItsStart) {
    PutLocal(&helpdesk);
    const std::wstring local = folder.File(L"NorvelHelpdesk.exe");
    const std::wstring swapped = folder.File(L"swapped.exe");
    testsupport::WriteWholeFile(swapped, "another program");
    std::optional<LaunchPlan> plan = For("[4]\nversione=5.2.0.1\n", L"NorvelHelpdesk.exe", LocalCopy::Considered);
    ASSERT_EQ(Step::StartLocal, plan->step);
    EXPECT_FALSE(::MoveFileExW(swapped.c_str(), local.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_FALSE(::MoveFileExW(local.c_str(), folder.File(L"moved.exe").c_str(), 0));
    EXPECT_FALSE(::DeleteFileW(local.c_str()));
    platform::File writer(::CreateFileW(local.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(writer);
    EXPECT_EQ(helpdesk, testsupport::ReadWholeFile(local));  // still readable, as the start reads it
    plan.reset();
    EXPECT_TRUE(::MoveFileExW(swapped.c_str(), local.c_str(), MOVEFILE_REPLACE_EXISTING));
}

TEST(PlainFileName, OnlyNamesWindowsReadsAsThatProgramInTheToolFolder) {
    const struct {
        std::wstring name;
        bool plain;
    } cases[] = {
        {L"NorvelHelpdesk.exe", true},
        {L"Norvel Helpdesk 5.2.EXE", true},
        {L"assistenza-più-rapida.Exe", true},
        {std::wstring(96, L'a') + L".exe", true},   // 100 characters
        {std::wstring(97, L'a') + L".exe", false},  // 101
        {L"Helpdesk.exe.", false},                  // Win32 drops the trailing dot
        {L"Helpdesk.exe ", false},                  // ... and the trailing blank
        {L"Helpdesk.com", false},
        {L"Helpdesk", false},
        {L".exe", false},
        {L"..\\evil.exe", false},
        {L"sub/evil.exe", false},
        {L"C:evil.exe", false},
        {L"tool.exe:stream.exe", false},
        {L"a*b.exe", false},
        {L"a\"b.exe", false},
        {L"a|b.exe", false},
        {L"CON.exe", false},
        {L"con.exe", false},
        {L"NUL.exe", false},
        {L"aux .exe", false},
        {L"COM1.exe", false},
        {L"lpt9.tar.exe", false},
        {L"COM\u00B9.exe", false},
        {L"COM0.exe", true},
        {L"CONSOLE.exe", true},
        {L"LPT10.exe", true},
        {L"tool\r\n2026-12-09 forged.exe", false},
        {L"tool\u2028.exe", false},   // line separator
        {L"tool\u0085.exe", false},   // next line
        {L"evil\u202Egpj.exe", false},  // right-to-left override
        {L"tool\u200B.exe", false},   // zero width space
        {L"\uFEFFtool.exe", false},
        {L"tool\u2066x\u2069.exe", false},  // isolates
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.plain, launcher::IsPlainFileName(c.name)) << platform::ToUtf8(c.name);
}

}  // namespace
