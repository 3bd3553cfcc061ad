// Form1 as a keyboard user and a screen reader meet it: Tab brings the focus mark
// to a tool button, Space, Enter and Alt+access key press it; the labels and the
// tool buttons read through AccessibleObjectFromWindow.
#include <gtest/gtest.h>

#include "launcher/form1.h"
#include "launcher/globals.h"
#include "launcher/messages.h"
#include "tests/forms/accessible_test.h"
#include "tests/forms/input_driver.h"
#include "tests/launcher/launcher_fixture.h"

using namespace launchertest;

namespace {

const std::string kConfig =
    "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=&Helpdesk\r\neseguibile=a.exe\r\nversione=1\r\n"
    "[2]\r\nnome=SOS\r\neseguibile=b.exe\r\nversione=1\r\n";

// Pixels of the top row of the focus rectangle (4 pixels in from the edges) that
// differ between two images of a button of `width` pixels.
int FocusRowChanges(const std::vector<COLORREF>& before, const std::vector<COLORREF>& after, int width) {
    int changed = 0;
    for (int x = 4; x < width - 4; ++x) changed += before[4 * width + x] != after[4 * width + x];
    return changed;
}

class Form1Access : public LauncherTest {
protected:
    Form1Access() {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        hosttest::MoveTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1});
        ServeConfig(primary, kConfig);
    }
    HWND Button(const wchar_t* name) { return form.GetButton(name).Handle(); }
    launcher::Form1 form;
};

TEST_F(Form1Access, TabSpaceEnterAndAccessKeyReachTheToolButtons) {
    form.Show();
    hosttest::PumpFor(100);
    shown.clear();
    ASSERT_EQ(Button(L"qvButtons_H4"), ::GetFocus());
    RECT r{};
    ::GetClientRect(Button(L"qvButtons_H1"), &r);
    const auto unfocused = hosttest::PixelsOf(Button(L"qvButtons_H1"));
    hosttest::Keys({VK_TAB});
    hosttest::Keys({VK_TAB});
    ASSERT_EQ(Button(L"qvButtons_H1"), ::GetFocus());
    EXPECT_GE(FocusRowChanges(unfocused, hosttest::PixelsOf(Button(L"qvButtons_H1")), r.right), (r.right - 8) / 3);

    OnNextShow(Cancel);
    hosttest::Keys({VK_SPACE});
    EXPECT_EQ(std::vector<std::wstring>{L"Form2"}, shown);
    EXPECT_EQ(2, launcher::SelectedToolIndex);
    OnNextShow(Cancel);
    hosttest::Keys({VK_RETURN});
    EXPECT_EQ(2u, shown.size());
    OnNextShow(Cancel);
    hosttest::Keys({VK_MENU, 'H'});
    EXPECT_EQ(3u, shown.size());
    EXPECT_EQ(1, launcher::SelectedToolIndex);
    EXPECT_EQ(Button(L"qvButtons_H4"), ::GetFocus());
}

TEST_F(Form1Access, LabelsAndToolButtonsReadAsAScreenReaderReadsThem) {
    form.Load();
    const auto welcome = hosttest::ReadWindow(form.GetLabel(L"Label1").Handle());
    EXPECT_EQ(ROLE_SYSTEM_STATICTEXT, welcome.role);
    EXPECT_EQ(launcher::kWelcomeText, welcome.name);
    EXPECT_TRUE(hosttest::ReadWindow(form.GetLabel(L"Label3").Handle()).state & STATE_SYSTEM_INVISIBLE);

    const HWND link = form.GetLabel(L"Label2").Handle();
    const auto site = hosttest::ReadWindow(link);
    EXPECT_EQ(ROLE_SYSTEM_LINK, site.role);
    EXPECT_EQ(primary.HostAndPort(), site.name);
    EXPECT_EQ(L"Apri", site.action);
    EXPECT_EQ(S_OK, hosttest::DoDefaultAction(link));
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(L"http://" + primary.HostAndPort(), starts[0].file);

    const auto tool = hosttest::ReadWindow(Button(L"qvButtons_H4"));
    EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, tool.role);
    EXPECT_EQ(L"Helpdesk", tool.name);
    EXPECT_EQ(L"Alt+H", tool.shortcut);
    EXPECT_EQ(L"Premi", tool.action);
}

}  // namespace
