// qvButtons_H and the labels read through AccessibleObjectFromWindow, as a screen
// reader reads them.
#include <gtest/gtest.h>

#include "buttons/accessible.h"
#include "tests/forms/accessible_test.h"
#include "tests/forms/host_form.h"
#include "tests/forms/input_driver.h"

namespace {

using hosttest::ReadWindow;

TEST(AccessibleName, CaptionWithoutAccessKeyMarks) {
    const struct { const wchar_t* caption; const wchar_t* name; } cases[] = {
        {L"&Vai", L"Vai"}, {L"Fish && Chips", L"Fish & Chips"}, {L"Save &As", L"Save As"},
        {L"Riga||due", L"Riga due"}, {L"Next&", L"Next"}, {L"a|b", L"a|b"}, {L"", L""}};
    for (const auto& c : cases) EXPECT_EQ(c.name, buttons::AccessibleNameOf(c.caption)) << c.caption;
}

class Accessible : public ::testing::Test {
protected:
    Accessible() {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // The pointer rests in a screen corner, so no button is hovered.
        hosttest::MoveTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1});
        form.Load();
        for (const wchar_t* name : {L"Cmd", L"OptA", L"Chk"})
            form.GetButton(name).Click = [this, name] { clicks.push_back(name); };
        form.Show();
        hosttest::PumpFor(50);
    }
    HWND Window(const wchar_t* name) { return form.FindControl(name)->Handle(); }
    hosttest::HostForm form;
    std::vector<std::wstring> clicks;
};

TEST_F(Accessible, ButtonsByMode) {
    ::SetFocus(Window(L"Cmd"));
    const struct {
        const wchar_t* button; long role; const wchar_t* name; const wchar_t* action; const wchar_t* shortcut;
        long state;
    } cases[] = {
        {L"Cmd", ROLE_SYSTEM_PUSHBUTTON, L"Vai", L"Premi", L"Alt+V",
         STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_DEFAULT},
        {L"OptA", ROLE_SYSTEM_RADIOBUTTON, L"Uno", L"Seleziona", L"", STATE_SYSTEM_FOCUSABLE},
        {L"Chk", ROLE_SYSTEM_CHECKBUTTON, L"Controlla", L"Seleziona", L"Alt+C", STATE_SYSTEM_FOCUSABLE},
    };
    for (const auto& c : cases) {
        const auto r = ReadWindow(Window(c.button));
        ASSERT_EQ(S_OK, r.found) << c.button;
        EXPECT_EQ(c.role, r.role) << c.button;
        EXPECT_EQ(c.name, r.name);
        EXPECT_EQ(c.action, r.action);
        EXPECT_EQ(c.shortcut, r.shortcut);
        EXPECT_EQ(c.state, r.state) << c.button;
    }
}

TEST_F(Accessible, DefaultActionsClickAndStatesFollow) {
    for (const wchar_t* name : {L"Cmd", L"OptA", L"Chk"}) EXPECT_EQ(S_OK, hosttest::DoDefaultAction(Window(name)));
    EXPECT_EQ((std::vector<std::wstring>{L"Cmd", L"OptA", L"Chk"}), clicks);
    EXPECT_TRUE(ReadWindow(Window(L"OptA")).state & STATE_SYSTEM_CHECKED);
    const auto chk = ReadWindow(Window(L"Chk"));
    EXPECT_TRUE(chk.state & STATE_SYSTEM_CHECKED);
    EXPECT_EQ(L"Deseleziona", chk.action);

    form.FindControl(L"Chk")->SetEnabled(false);
    EXPECT_EQ(STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED, ReadWindow(Window(L"Chk")).state);
    EXPECT_TRUE(FAILED(hosttest::DoDefaultAction(Window(L"Chk"))));
    EXPECT_EQ(3u, clicks.size());
}

TEST_F(Accessible, LabelsAreStaticTextOrALink) {
    int opened = 0;
    form.GetLabel(L"Label2").Click = [&] { ++opened; };
    const auto text = ReadWindow(Window(L"Label1"));
    EXPECT_EQ(ROLE_SYSTEM_STATICTEXT, text.role);
    EXPECT_EQ(L"Stato", text.name);
    EXPECT_EQ(L"", text.action);
    const auto link = ReadWindow(Window(L"Label2"));
    EXPECT_EQ(ROLE_SYSTEM_LINK, link.role);
    EXPECT_EQ(L"www.esempio.it", link.name);
    EXPECT_EQ(L"Apri", link.action);
    EXPECT_EQ(S_OK, hosttest::DoDefaultAction(Window(L"Label2")));
    EXPECT_EQ(1, opened);
}

}  // namespace
