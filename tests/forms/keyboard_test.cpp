// Real keys through the forms' key handling: the focus shown through the ambient
// DisplayAsDefault, Tab and arrows, Enter, Esc and access keys; WM_ENABLE.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/forms/host_form.h"
#include "tests/forms/input_driver.h"

namespace {

using hosttest::Keys;

class Keyboard : public ::testing::Test {
protected:
    Keyboard() {
        form.Load();
        for (const wchar_t* name : kButtons)
            form.GetButton(name).Click = [this, name] { clicks.push_back(name); };
        form.Show();
        hosttest::PumpFor(100);
    }
    // The buttons whose ambient DisplayAsDefault is True.
    std::vector<std::wstring> ShownAsDefault() {
        std::vector<std::wstring> shown;
        for (const wchar_t* name : kButtons)
            if (form.Button(name).Ambient().DisplayAsDefault) shown.push_back(name);
        return shown;
    }
    static constexpr const wchar_t* kButtons[] = {L"Cmd", L"OptA", L"OptB", L"Chk", L"Esci"};
    hosttest::HostForm form;
    std::vector<std::wstring> clicks;
};

using Names = std::vector<std::wstring>;

TEST_F(Keyboard, TheFocusedButtonOrElseTheDefaultButtonDisplaysAsDefault) {
    ASSERT_EQ(::GetFocus(), form.GetButton(L"Cmd").Handle());
    EXPECT_EQ(Names{L"Cmd"}, ShownAsDefault());
    EXPECT_TRUE(form.Button(L"Cmd").InputFlags & buttons::qvButtons_H::DefaultOutline);

    ::SetFocus(form.GetButton(L"Esci").Handle());
    EXPECT_EQ(Names{L"Esci"}, ShownAsDefault());
    EXPECT_FALSE(form.Button(L"Cmd").InputFlags & buttons::qvButtons_H::DefaultOutline);

    ::SetFocus(form.GetListBox(L"List1").Handle());  // not a button: the default button
    EXPECT_EQ(Names{L"Cmd"}, ShownAsDefault());
    Keys({VK_RETURN});
    Keys({VK_ESCAPE});
    EXPECT_EQ((Names{L"Cmd", L"Esci"}), clicks);
}

TEST_F(Keyboard, TabArrowsEnterAndAccessKeys) {
    Keys({VK_TAB});
    EXPECT_EQ(::GetFocus(), form.GetButton(L"OptA").Handle());
    // Focus arriving on an option button of a group with no checked member checks it.
    EXPECT_TRUE(form.Button(L"OptA").Value());
    Keys({VK_RIGHT});  // posted to the form, which moves to the next tab stop
    EXPECT_EQ(::GetFocus(), form.GetButton(L"OptB").Handle());
    EXPECT_TRUE(form.Button(L"OptB").Value());
    EXPECT_FALSE(form.Button(L"OptA").Value());
    Keys({VK_UP});
    EXPECT_EQ(::GetFocus(), form.GetButton(L"OptA").Handle());
    EXPECT_TRUE(form.Button(L"OptA").Value());
    Keys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(::GetFocus(), form.GetButton(L"Cmd").Handle());
    EXPECT_EQ((Names{L"OptA", L"OptB", L"OptA"}), clicks);

    clicks.clear();
    Keys({VK_RETURN});                    // the focused command button
    Keys({VK_MENU, 'C'});                 // Alt+access key: focus and click
    EXPECT_EQ(::GetFocus(), form.GetButton(L"Chk").Handle());
    EXPECT_TRUE(form.Button(L"Chk").Value());
    Keys({VK_RETURN});                    // Enter on a check button does nothing
    Keys({'V'});                          // the letter alone while a button has the focus
    EXPECT_EQ((Names{L"Cmd", L"Chk", L"Cmd"}), clicks);
}

TEST_F(Keyboard, EnablingFromTheFormRunsTheEnabledRule) {
    auto& chk = form.Button(L"Chk");
    chk.ClearMarkedKeys();
    form.FindControl(L"Chk")->SetEnabled(false);
    EXPECT_FALSE(chk.Enabled());
    EXPECT_EQ(Names{L"Enabled"}, chk.MarkedKeys());
    Keys({VK_MENU, 'C'});  // a disabled button takes no access key
    EXPECT_TRUE(clicks.empty());
    form.FindControl(L"Chk")->SetEnabled(true);
    EXPECT_TRUE(chk.Enabled());
    EXPECT_EQ((Names{L"Enabled", L"Enabled"}), chk.MarkedKeys());
}

}  // namespace
