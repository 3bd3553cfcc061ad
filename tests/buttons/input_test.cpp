// Clicks, keys and option groups delivered as real window messages.
#include <gtest/gtest.h>

#include "tests/buttons/button_fixture.h"

namespace buttons {
namespace {

using test::MakeButton;

class Input : public ::testing::Test {
protected:
    test::HostWindow& host = test::SharedHost();
    std::vector<std::string> events;

    void Watch(qvButtons_H& b) {
        b.MouseDown = [this](std::int16_t& button, std::int16_t&, float&, float&) {
            events.push_back("MouseDown " + std::to_string(button));
        };
        b.MouseUp = [this](std::int16_t& button, std::int16_t&, float&, float&) {
            events.push_back("MouseUp " + std::to_string(button));
        };
        b.KeyDown = [this](std::int16_t& key, std::int16_t&) { events.push_back("KeyDown " + std::to_string(key)); };
        b.KeyUp = [this](std::int16_t& key, std::int16_t&) { events.push_back("KeyUp " + std::to_string(key)); };
        b.Click = [this] { events.push_back("Click"); };
    }
    static void Press(qvButtons_H& b, UINT down, UINT up) {
        ::SendMessageW(b.hWnd(), down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(b.hWnd(), up, 0, MAKELPARAM(5, 5));
    }
};

TEST_F(Input, ALeftClickRaisesMouseDownMouseUpAndClick) {
    auto b = MakeButton(host.hwnd(), true);
    Watch(*b);
    Press(*b, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown 1", "MouseUp 1", "Click"}));
    EXPECT_FALSE(b->CurrentVisualState().heldDown);
    EXPECT_FALSE(b->CurrentVisualState().pressedLook);
}

TEST_F(Input, AReleaseOffTheButtonIsNoClick) {
    auto b = MakeButton(host.hwnd(), true);
    Watch(*b);
    ::SendMessageW(b->hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(b->hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(200, 5));  // captured, released outside
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown 1", "MouseUp 1"}));

    // An oval: the corner of the bounding rectangle is not on the button.
    b->ButtonShape(ShapeOval);
    events.clear();
    ::SendMessageW(b->hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(44, 20));
    ::SendMessageW(b->hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown 1", "MouseUp 1"}));
    ::SendMessageW(b->hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(44, 20));
    ::SendMessageW(b->hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(44, 20));
    EXPECT_EQ(events.back(), "Click");
}

TEST_F(Input, ARightClickRaisesNoClick) {
    auto b = MakeButton(host.hwnd(), true);
    Watch(*b);
    Press(*b, WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown 2", "MouseUp 2"}));
}

TEST_F(Input, SpaceClicksACommandButtonBeforeItsKeyUp) {
    auto b = MakeButton(host.hwnd(), true);
    Watch(*b);
    ::SendMessageW(b->hWnd(), WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageW(b->hWnd(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"KeyDown 32", "Click", "KeyUp 32"}));
}

TEST_F(Input, SpaceTogglesACheckBoxWithKeyUpBeforeClick) {
    auto b = MakeButton(host.hwnd(), true);
    b->Mode(ModeCheck);
    Watch(*b);
    ::SendMessageW(b->hWnd(), WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageW(b->hWnd(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(b->Value());
    EXPECT_EQ(events, (std::vector<std::string>{"KeyDown 32", "KeyUp 32", "Click"}));
}

TEST_F(Input, ArrowKeysRaiseNoKeyEvents) {
    auto b = MakeButton(host.hwnd(), true);
    Watch(*b);
    ::SendMessageW(b->hWnd(), WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageW(b->hWnd(), WM_KEYUP, VK_RIGHT, 0);
    EXPECT_TRUE(events.empty());
    test::HostWindow::Pump();
}

TEST_F(Input, TheAccessKeyClicks) {
    auto b = MakeButton(host.hwnd(), true);
    Watch(*b);
    b->SendAccessKey('O');
    EXPECT_EQ(events, (std::vector<std::string>{"Click"}));
    b->Mode(ModeCheck);
    events.clear();
    b->SendAccessKey(13);  // Enter does nothing for a check box
    EXPECT_TRUE(events.empty());
}

TEST_F(Input, OptionButtonsOfOneContainerFormAGroup) {
    test::HostWindow& container = host;
    auto a = MakeButton(container.hwnd(), true);
    auto b = MakeButton(container.hwnd(), true);
    auto c = MakeButton(container.hwnd(), true);
    b->Move(110, 10, 89, 41);
    c->Move(210, 10, 89, 41);
    for (auto* x : {a.get(), b.get(), c.get()}) x->Mode(ModeOption);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(::GetPropA(container.hwnd(), "qv_OptCount")), 3u);

    Watch(*a);
    Press(*a, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_TRUE(a->Value());
    Press(*c, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_TRUE(c->Value());
    EXPECT_FALSE(a->Value());

    // Clicking the checked one changes nothing and raises no Click.
    events.clear();
    Press(*a, WM_LBUTTONDOWN, WM_LBUTTONUP);
    Press(*a, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_TRUE(a->Value());
    events.clear();
    Press(*a, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown 1", "MouseUp 1"}));

    // The middle member leaves: the others move up without a gap.
    b->Mode(ModeCommand);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(::GetPropA(container.hwnd(), "qv_OptCount")), 2u);
    EXPECT_EQ(::GetPropA(container.hwnd(), "qv_Obj1"), static_cast<HANDLE>(a.get()));
    EXPECT_EQ(::GetPropA(container.hwnd(), "qv_Obj2"), static_cast<HANDLE>(c.get()));
    EXPECT_EQ(::GetPropA(container.hwnd(), "qv_Obj3"), nullptr);

    // A button that goes away leaves the group too.
    c.reset();
    a.reset();
    EXPECT_EQ(::GetPropA(container.hwnd(), "qv_OptCount"), nullptr);
}

}  // namespace
}  // namespace buttons
