// Form1 for a keyboard user and a screen reader: Tab brings the focus mark to a tool
// button, Space, Enter and Alt+access key press it; its labels read as text and a link.
#include <gtest/gtest.h>

#include "launcher/windows/form1.h"
#include "launcher/windows/messages.h"
#include "tests/forms/driver.h"
#include "tests/launcher/launcher_fixture.h"

using namespace launchertest;
using hosttest::Keys;

class Form1Access : public LauncherTest {
protected:
    Form1Access() {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        hosttest::Mouse(hosttest::Corner());
        ServeConfig(primary, "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=&Helpdesk\r\n[2]\r\nnome=SOS\r\n");
    }
    HWND Button(const wchar_t* name) { return form.GetButton(name).Handle(); }
    launcher::Form1 form;
};

TEST_F(Form1Access, KeysReachTheToolButtons) {
    form.Show();
    hosttest::PumpFor(100);
    ASSERT_EQ(Button(L"qvButtons_H4"), ::GetFocus());
    RECT r{};
    ::GetClientRect(Button(L"qvButtons_H1"), &r);
    const auto before = hosttest::PixelsOf(Button(L"qvButtons_H1"));
    Keys({VK_TAB});
    Keys({VK_TAB});
    ASSERT_EQ(Button(L"qvButtons_H1"), ::GetFocus());
    const auto after = hosttest::PixelsOf(Button(L"qvButtons_H1"));
    int marked = 0;  // the focus rectangle's top row lies 4 pixels in from the edges
    for (int x = 4; x < r.right - 4; ++x) marked += before[4 * r.right + x] != after[4 * r.right + x];
    EXPECT_GE(marked, (r.right - 8) / 3);

    shown.clear();
    for (auto keys : {std::initializer_list<WORD>{VK_SPACE}, {VK_RETURN}, {VK_MENU, 'H'}}) {
        OnNextShow(Cancel);
        Keys(keys);
    }
    EXPECT_EQ((std::vector<std::wstring>{L"Form2", L"Form2", L"Form2"}), shown);
    EXPECT_EQ(1, form.SelectedToolIndex());  // the last one, by its access key
}

TEST_F(Form1Access, LabelsReadAsTextAndTheSiteLink) {
    form.Load();
    const auto welcome = hosttest::ReadWindow(form.GetLabel(L"Label1").Handle());
    EXPECT_EQ(ROLE_SYSTEM_STATICTEXT, welcome.role);
    EXPECT_EQ(launcher::kWelcomeText, welcome.name);
    EXPECT_TRUE(hosttest::ReadWindow(form.GetLabel(L"Label3").Handle()).state & STATE_SYSTEM_INVISIBLE);
    const auto site = hosttest::ReadWindow(form.GetLabel(L"Label2").Handle(), true);
    EXPECT_EQ(ROLE_SYSTEM_LINK, site.role);
    EXPECT_EQ((std::vector<std::wstring>{primary.HostAndPort(), L"Apri"}), (std::vector{site.name, site.action}));
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(L"http://" + primary.HostAndPort(), starts[0].file);
}
