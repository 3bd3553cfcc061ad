// The forms runtime's "qvButtons_H" buttons are the real control once registered.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "buttons/hosted_qvbuttons.h"
#include "forms/hosted_button.h"
#include "tests/buttons/button_fixture.h"

namespace buttons {
namespace {

TEST(HostedButton, AFormsQvButtonIsTheRealControlWithItsStoredLook) {
    RegisterHostedButtons();
    ASSERT_TRUE(forms::IsButtonKind("qvButtons_H"));
    forms::ButtonPlacement placement;
    placement.parent = test::SharedHost().hwnd();
    placement.name = L"qvButtons_H1";
    placement.x = 10;
    placement.y = 60;
    placement.width = 89;
    placement.height = 41;
    const auto properties = nlohmann::json::parse(R"({"caption": "SOS", "backstyle": 4, "mode": 0,
        "value": false, "cback": "0x8000000F"})");
    auto button = forms::CreateHostedButton("qvButtons_H", placement, properties);
    ASSERT_TRUE(button);
    wchar_t className[64] = {};
    ::GetClassNameW(button->Handle(), className, 64);
    EXPECT_STREQ(className, L"NorvelUserControl");
    EXPECT_EQ(button->Caption(), L"SOS");
    button->SetCaption(L"Altro");
    wchar_t text[64] = {};
    ::GetWindowTextW(button->Handle(), text, 64);
    EXPECT_STREQ(text, L"Altro");
    ::ShowWindow(button->Handle(), SW_SHOWNA);

    int clicks = 0;
    button->Click = [&] { ++clicks; };
    ::SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(44, 20));
    ::SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(44, 20));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace buttons
