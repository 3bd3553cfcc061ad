// A primary server configured with "https://": reached through a local TLS front
// whose certificate for "localhost" the test trusts, and, with a certificate nobody
// trusts, passed over for the fallback.
#include <gtest/gtest.h>

#include "launcher/app/deployment.h"
#include "launcher/windows/form1.h"
#include "tests/launcher/launcher_fixture.h"
#include "platform/text.h"
#include "tests/support/tls_front.h"

using namespace launchertest;

namespace {

std::string Config() {
    return "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Helpdesk\r\neseguibile=NorvelHelpdesk.exe\r\n"
           "versione=5.2.0.1\r\nsha256=" + DemoPin("NorvelHelpdesk") + "\r\n";
}

class Https : public LauncherTest {
protected:
    testsupport::TlsFront front{primary};  // the only way into the primary server is TLS
};

TEST_F(Https, PrimaryOnTlsGivesTheWindowItsConfigurationAndTool) {
    ASSERT_TRUE(front.Ready());
    launcher::SetDeployment({L"HTTPS://" + front.TrustedHost(), fallback.HostAndPort()});
    ServeConfig(primary, Config());
    primary.Serve(std::string(kAssist) + "NorvelHelpdesk.exe", DemoTool("NorvelHelpdesk"));
    launcher::Form1 form;
    form.Load();

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(L"https://" + front.TrustedHost() + L"/cms/images/stories/assistenza/",
              form.CurrentSession().serverBaseUrl);
    EXPECT_EQ(front.TrustedHost(), form.GetLabel(L"Label2").Caption());
    EXPECT_EQ(L"Helpdesk", form.GetButton(L"qvButtons_H4").Caption());
    EXPECT_EQ(0, fallback.CountRequests());

    OnNextShow(Accept);
    ClickAndFinish(form.GetButton(L"qvButtons_H4").Handle());
    EXPECT_TRUE(DemoTool("NorvelHelpdesk") == testsupport::ReadWholeFile(ToolFolder() + L"\\NorvelHelpdesk.exe"));
    ClickWindow(form.GetLabel(L"Label2").Handle());
    ASSERT_EQ(2u, starts.size());
    EXPECT_EQ(ToolFolder() + L"\\NorvelHelpdesk.exe", starts[0].file);
    EXPECT_EQ(L"https://" + front.TrustedHost(), starts[1].file);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Https, UntrustedCertificateCountsAsNotAnswering) {
    ASSERT_TRUE(front.Ready());
    launcher::SetDeployment({L"https://" + front.UntrustedHost(), fallback.HostAndPort()});
    ServeConfig(primary, Config());
    ServeConfig(fallback, Config());
    launcher::Form1 form;
    form.Load();

    EXPECT_TRUE(messages.empty());
    ExpectServerChosen(form, fallback);
    EXPECT_EQ(0, primary.CountRequests());
    EXPECT_EQ(L"Helpdesk", form.GetButton(L"qvButtons_H4").Caption());
}

// Redirects are followed, five at the most, and never from https to http: past
// that the server counts as not answering.
TEST_F(Https, RedirectsAreFollowedFiveTimesAtMostAndNeverFromHttpsToHttp) {
    ASSERT_TRUE(front.Ready());
    const auto redirect = [](const std::string& location) {
        testsupport::HttpResponse r;
        r.status = 302;
        r.extraHeaders = {"Location: " + location};
        return r;
    };
    const std::string ini = std::string(kAssist) + "norvelassist.ini";
    ServeConfig(fallback, Config());
    primary.Serve(std::string(kAssist) + "real.ini", Config());
    primary.Serve(ini, redirect("http://" + platform::ToUtf8(primary.HostAndPort()) + kAssist + "real.ini"));
    launcher::SetDeployment({L"https://" + front.TrustedHost(), fallback.HostAndPort()});
    {
        launcher::Form1 form;
        form.Load();
        ExpectServerChosen(form, fallback);
        EXPECT_EQ(0, Count(primary, "HEAD", "real.ini"));
    }

    launcher::SetDeployment({primary.HostAndPort(), fallback.HostAndPort()});
    for (const int hops : {5, 6}) {
        SCOPED_TRACE(hops);
        const std::string hop = "/chain" + std::to_string(hops) + "-";
        primary.Serve(ini, redirect(hop + "1"));
        for (int i = 1; i < hops; ++i) primary.Serve(hop + std::to_string(i), redirect(hop + std::to_string(i + 1)));
        primary.Serve(hop + std::to_string(hops), Config());
        launcher::Form1 form;
        form.Load();
        ExpectServerChosen(form, hops == 5 ? primary : fallback);
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
