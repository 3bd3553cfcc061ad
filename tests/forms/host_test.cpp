// qvButtons_H in the forms host, driven by real keys and the real pointer, and read
// through AccessibleObjectFromWindow.
#include <gtest/gtest.h>

#include "buttons/accessible.h"
#include "buttons/hosted_qvbuttons.h"
#include "forms/form.h"
#include "tests/buttons/button_fixture.h"
#include "tests/forms/driver.h"

namespace {

using buttons::qvButtons_H;
using hosttest::Keys;
using Names = std::vector<std::wstring>;

#define BUTTON(name, left, tab, props)                                                                          \
    "{\"name\": \"" name "\", \"kind\": \"qvButtons_H\", \"left\": " #left ", \"top\": 120, \"width\": 1335, " \
    "\"height\": 615, \"tabIndex\": " #tab ", \"properties\": " props "}"
constexpr char kForm[] = R"({"name": "F", "caption": "Tasti", "clientWidth": 7500, "clientHeight": 2400,
  "defaultButton": "Cmd", "cancelButton": "Esci", "controls": [
  {"name": "List1", "kind": "listbox", "left": 120, "top": 960, "width": 2400, "height": 1200, "tabIndex": 0},)"
    BUTTON("Cmd", 120, 1, R"({"caption": "&Vai"})") "," BUTTON("OptA", 1560, 2, R"({"caption": "Uno", "mode": 2})")
    "," BUTTON("OptB", 3000, 3, R"({"caption": "Due", "mode": 2})") ","
    BUTTON("Chk", 4440, 4, R"({"caption": "&Controlla", "mode": 1})") "," BUTTON("Esci", 5880, 5, R"({})") "]}";

TEST(Host, FocusShownKeysEnableAndWhatAScreenReaderReads) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    hosttest::Mouse(hosttest::Corner());
    buttons::RegisterHostedButtons();
    forms::Form form(forms::ParseFormDescription(kForm));
    form.Load();
    Names clicks;
    const Names names{L"Cmd", L"OptA", L"OptB", L"Chk", L"Esci"};
    for (const auto& n : names) form.GetButton(n).Click = [&clicks, n] { clicks.push_back(n); };
    auto button = [&](const wchar_t* n) -> qvButtons_H& {
        return *dynamic_cast<qvButtons_H*>(forms::WindowBase::FromHandle(form.GetButton(n).Handle()));
    };
    auto shownAsDefault = [&] {
        Names shown;
        for (const auto& n : names) if (button(n.c_str()).Ambient().DisplayAsDefault) shown.push_back(n);
        return shown;
    };
    form.Show();
    hosttest::PumpFor(100);
    EXPECT_EQ(Names{L"Cmd"}, shownAsDefault());  // the list box has the focus: the default button
    Keys({VK_RETURN});
    Keys({VK_ESCAPE});
    Keys({VK_TAB});
    EXPECT_EQ(Names{L"Cmd"}, shownAsDefault());
    EXPECT_TRUE(button(L"Cmd").CurrentVisualState().defaultOutline);
    Keys({VK_RIGHT});  // posted to the form: the next tab stop, checked as its group has none
    EXPECT_TRUE(button(L"OptA").Value());
    Keys({VK_RIGHT});
    EXPECT_TRUE(button(L"OptB").Value() && !button(L"OptA").Value());
    Keys({VK_TAB});
    EXPECT_EQ(Names{L"Chk"}, shownAsDefault());
    Keys({VK_RETURN});       // Enter on a check button does nothing
    Keys({VK_MENU, 'V'});    // Alt+access key
    Keys({'C'});             // the letter alone while a button has the focus
    EXPECT_EQ((Names{L"Cmd", L"Esci", L"OptA", L"OptB", L"Cmd", L"Chk"}), clicks);
    ASSERT_EQ(form.GetButton(L"Chk").Handle(), ::GetFocus());

    button(L"Chk").ClearMarkedKeys();
    form.FindControl(L"Chk")->SetEnabled(false);  // WM_ENABLE runs the Enabled rule
    EXPECT_EQ(Names{L"Enabled"}, button(L"Chk").MarkedKeys());
    EXPECT_FALSE(button(L"Chk").Enabled());

    ::SetFocus(form.GetButton(L"Cmd").Handle());
    const struct { const wchar_t* button; long role; const wchar_t *name, *action, *shortcut; long state; } cases[] = {
        {L"Cmd", ROLE_SYSTEM_PUSHBUTTON, L"Vai", L"Premi", L"Alt+V",
         STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_DEFAULT},
        {L"OptB", ROLE_SYSTEM_RADIOBUTTON, L"Due", L"Seleziona", L"", STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_CHECKED},
        {L"OptA", ROLE_SYSTEM_RADIOBUTTON, L"Uno", L"Seleziona", L"", STATE_SYSTEM_FOCUSABLE},
        {L"Chk", ROLE_SYSTEM_CHECKBUTTON, L"Controlla", L"Deseleziona", L"Alt+C",
         STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED},
    };
    clicks.clear();
    for (const auto& c : cases) {
        const auto r = hosttest::ReadWindow(form.GetButton(c.button).Handle(), true);
        EXPECT_EQ(c.role, r.role) << c.button;
        EXPECT_EQ(c.state, r.state) << c.button;
        EXPECT_EQ((Names{c.name, c.action, c.shortcut}), (Names{r.name, r.action, r.shortcut}));
        EXPECT_EQ(c.state & STATE_SYSTEM_UNAVAILABLE ? DISP_E_MEMBERNOTFOUND : S_OK, r.acted) << c.button;
    }
    // The actions were posted: nothing ran inside the reader's calls, all ran from the loop.
    EXPECT_TRUE(clicks.empty());
    hosttest::PumpFor(20);
    EXPECT_EQ((Names{L"Cmd", L"OptA"}), clicks);  // a checked option button raises no Click
    EXPECT_FALSE(button(L"OptB").Value());
}

TEST(Host, AccessibleNameIsTheCaptionWithoutAccessKeyMarks) {
    for (auto [caption, name] : {std::pair{L"&Vai", L"Vai"}, {L"Fish && Chips", L"Fish & Chips"},
                                 {L"Riga||due", L"Riga due"}, {L"Next&", L"Next"}, {L"a|b", L"a|b"}})
        EXPECT_EQ(name, buttons::AccessibleNameOf(caption));
}

TEST(Host, RealPointerHoverPressAndTermination) {
    buttons::test::HostWindow& host = buttons::test::SharedHost();
    auto b = buttons::test::MakeButton(host.hwnd(), true);
    b->HoverBackColor(0x0000C0FF);  // a hover look apart from the resting one
    std::vector<bool> onButton;
    b->MouseOnButton = [&](bool& on) { onButton.push_back(on); };
    hosttest::Mouse(hosttest::Corner());
    const auto resting = hosttest::PixelsOf(b->hWnd());
    const POINT centre = hosttest::CentreOf(b->hWnd());
    for (int dx = -6; dx <= 6; dx += 3) hosttest::Mouse({centre.x + dx, centre.y});
    EXPECT_EQ(std::vector<bool>{true}, onButton);
    EXPECT_NE(resting, hosttest::PixelsOf(b->hWnd()));
    hosttest::Mouse(hosttest::Corner());
    const ULONGLONG left = ::GetTickCount64();
    while (onButton.size() < 2 && ::GetTickCount64() - left < 1000) hosttest::PumpFor(5);
    EXPECT_LE(::GetTickCount64() - left, 150u);  // a 50 ms timer, on a loaded machine
    EXPECT_EQ((std::vector<bool>{true, false}), onButton);
    EXPECT_EQ(resting, hosttest::PixelsOf(b->hWnd()));
    EXPECT_EQ(nullptr, ::GetPropW(b->hWnd(), L"qv_ClassID"));  // the hover's window properties went with it

    hosttest::Mouse(centre);
    hosttest::Mouse(centre, MOUSEEVENTF_LEFTDOWN);
    const auto pressed = hosttest::PixelsOf(b->hWnd());
    hosttest::Mouse(hosttest::Corner());
    hosttest::PumpFor(150);
    EXPECT_NE(pressed, hosttest::PixelsOf(b->hWnd()));
    hosttest::Mouse(centre);  // back with the left button held
    EXPECT_EQ(pressed, hosttest::PixelsOf(b->hWnd()));
    hosttest::Mouse(centre, MOUSEEVENTF_LEFTUP);

    ASSERT_TRUE(b->CurrentVisualState().hovering);
    b->Terminate();
    EXPECT_FALSE(::KillTimer(b->hWnd(), qvButtons_H::HoverTimerId));  // no timer left to stop
}

}  // namespace
