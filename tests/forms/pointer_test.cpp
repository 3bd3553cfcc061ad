// The real pointer (SendInput absolute moves): hover start and end, the pressed
// look when the pointer comes back with the left button held, and the hover timer
// stopped at termination.
#include <gtest/gtest.h>

#include "tests/buttons/button_fixture.h"
#include "tests/forms/input_driver.h"

namespace {

using buttons::qvButtons_H;
using hosttest::MoveTo;
using hosttest::PixelsOf;
using hosttest::PumpFor;

class Pointer : public ::testing::Test {
protected:
    Pointer() {
        ::SetWindowPos(host.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        button = buttons::test::MakeButton(host.hwnd(), true);
        button->HoverBackColor(0x0000C0FF);  // a hover look that differs from the resting one
        button->MouseOnButton = [this](bool& on) { onButton.push_back(on); };
        RECT r{};
        ::GetWindowRect(host.hwnd(), &r);
        away = POINT{r.right + 20, r.bottom + 20};  // beyond the host window
        MoveTo(away);
        PumpFor(150);
    }
    buttons::test::HostWindow& host = buttons::test::SharedHost();
    std::unique_ptr<qvButtons_H> button;
    std::vector<bool> onButton;
    POINT away{};
};

TEST_F(Pointer, HoverStartsOnceAndEndsSoonAfterLeavingWithTheRestingLook) {
    const auto resting = PixelsOf(button->hWnd());
    const POINT centre = hosttest::CentreOf(button->hWnd());
    for (int dx = -6; dx <= 6; dx += 3) MoveTo(POINT{centre.x + dx, centre.y});
    EXPECT_EQ(std::vector<bool>{true}, onButton);
    EXPECT_NE(resting, PixelsOf(button->hWnd()));  // the hover look

    MoveTo(away);
    const ULONGLONG left = ::GetTickCount64();
    while (onButton.size() < 2 && ::GetTickCount64() - left < 1000) PumpFor(5);
    EXPECT_LE(::GetTickCount64() - left, 100u);
    EXPECT_EQ((std::vector<bool>{true, false}), onButton);
    EXPECT_EQ(resting, PixelsOf(button->hWnd()));
}

TEST_F(Pointer, ComingBackWithTheLeftButtonHeldShowsThePressedLook) {
    const POINT centre = hosttest::CentreOf(button->hWnd());
    MoveTo(centre);
    hosttest::LeftButton(true);
    const auto pressed = PixelsOf(button->hWnd());
    MoveTo(away);
    PumpFor(150);
    EXPECT_NE(pressed, PixelsOf(button->hWnd()));
    MoveTo(centre);
    EXPECT_EQ(pressed, PixelsOf(button->hWnd()));
    hosttest::LeftButton(false);
    MoveTo(away);
    PumpFor(150);
}

TEST_F(Pointer, TerminatingAHoveredButtonStopsItsTimer) {
    MoveTo(hosttest::CentreOf(button->hWnd()));
    ASSERT_TRUE(button->Hovering);
    const HWND hwnd = button->hWnd();
    button->Terminate();
    EXPECT_FALSE(::KillTimer(hwnd, qvButtons_H::HoverTimerId));  // no timer left to stop
    MoveTo(away);
    PumpFor(150);
    EXPECT_EQ(std::vector<bool>{true}, onButton);
}

}  // namespace
