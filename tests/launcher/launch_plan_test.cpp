// The launch decision shared by the main window and the alternatives window, against
// real tool programs (with version resources) in a real tool folder.
#include <gtest/gtest.h>

#include "launcher/tools/launch_plan.h"
#include "tests/launcher/launcher_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

using launcher::LaunchPlan;
using launcher::LocalCopy;
using Step = LaunchPlan::Step;
using launchertest::DemoPin;
using launchertest::DemoTool;

TEST(LaunchPlan, PlainNameLocalCopyVersionAndTrustDecide) {
    testsupport::TempFolder folder(L"plan");
    const launcher::Session session{L"http://server/", folder.Path().wstring(), folder.File(L"norvelassist.ini")};
    const std::string helpdesk = DemoTool("NorvelHelpdesk");  // file version 5.2.0.1
    const std::string otherPin(64, 'a');
    struct Case {
        const char* what;
        std::wstring exeName;
        std::string versione, sha256;  // of the section
        const std::string* localBytes;  // nullptr: no local copy
        LocalCopy local;
        Step expected;
    };
    const std::string notAProgram = "plain text, no version resource";
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
        std::filesystem::remove(folder.Path() / L"NorvelHelpdesk.exe");
        if (c.localBytes) testsupport::WriteWholeFile(folder.Path() / L"NorvelHelpdesk.exe", *c.localBytes);
        testsupport::WriteWholeFile(folder.Path() / L"norvelassist.ini",
                                    "[4]\nversione=" + c.versione + "\nsha256=" + c.sha256 + "\nfirmatario=\n");
        const LaunchPlan plan = launcher::PlanLaunch(session, L"4", c.exeName, c.local);
        EXPECT_EQ(c.expected, plan.step);
        if (c.expected == Step::NotPlain) continue;
        EXPECT_EQ(folder.File(c.exeName), plan.localPath);
        EXPECT_EQ(std::wstring(c.sha256.begin(), c.sha256.end()), plan.trust.sha256Pin);
    }
}

}  // namespace
