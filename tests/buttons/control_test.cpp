#include <gtest/gtest.h>

#include "buttons/qvbuttons_h.h"
#include "tests/buttons/button_fixture.h"

namespace buttons {
namespace {

TEST(Control, CreatesARealChildWindowInItsContainer) {
    test::HostWindow& host = test::SharedHost();
    qvButtons_H button;
    button.SetAmbientDisplayName(L"qvButtons_H1");
    button.Create(host.hwnd(), 10, 20, 89, 41, nullptr);
    ASSERT_NE(button.hWnd(), nullptr);
    EXPECT_EQ(::GetParent(button.hWnd()), host.hwnd());
    EXPECT_TRUE(::IsWindowVisible(button.hWnd()));
    EXPECT_EQ(button.ScaleWidth(), 89);
    EXPECT_EQ(button.ScaleHeight(), 41);
    EXPECT_NE(button.hDC(), nullptr);
    EXPECT_EQ(button.Caption(), L"qvButtons_H1");
    EXPECT_EQ(qvButtons_HProbe::ContainerHandleText(button), std::to_wstring(reinterpret_cast<std::uintptr_t>(host.hwnd())));
    EXPECT_EQ(button.InternalTag(), qvButtons_HProbe::ContainerHandleText(button));
}

}  // namespace
}  // namespace buttons
