// The launcher's windows on a 144-dpi screen (a Wine prefix of its own): each window
// and every control are 1.5 times their 96-dpi pixels and no caption is cut off.
// Leaves a screenshot of Form1 with the focus on a tool button.
#include <gtest/gtest.h>

#include <cmath>

#include "launcher/windows/form1.h"
#include "launcher/windows/form2.h"
#include "launcher/windows/form3.h"
#include "platform/bmp_file.h"
#include "tests/forms/driver.h"
#include "tests/launcher/launcher_fixture.h"

using namespace launchertest;

namespace {

// 1.5 times the 96-dpi pixels (15 twips each) of a length in twips.
double At144(int twips) { return std::lround(twips / 15.0) * 1.5; }

// The text word-wrapped into `width` pixels, in a font made here for 144 dpi.
SIZE Measure(const std::wstring& text, const forms::FontObject& font, int width) {
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.Size * 2));
    lf.lfWeight = font.Weight;
    ::lstrcpynW(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    platform::Font made(::CreateFontIndirectW(&lf));
    platform::WindowDC screen(nullptr);
    platform::ScopedSelect select(screen.get(), made.get());
    RECT r{0, 0, width, 0};
    ::DrawTextW(screen.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return {r.right, r.bottom};
}

// The window's image, frame included, as a 24-bit BMP file.
void SaveScreenshot(HWND hwnd, const wchar_t* path) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    platform::WindowDC screen(nullptr);
    platform::WriteBmp24(screen.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, path);
}

// The form's client area and controls at 1.5 times their 96-dpi pixels, and their
// captions within them.
void ExpectScaled(forms::Form& form, const wchar_t* resource) {
    SCOPED_TRACE(std::string(form.Name().begin(), form.Name().end()));
    const forms::FormDescription d = forms::LoadFormDescription(resource);
    RECT client{};
    ::GetClientRect(form.hwnd(), &client);
    EXPECT_NEAR(At144(d.clientWidth), client.right, 1.0);
    EXPECT_NEAR(At144(d.clientHeight), client.bottom, 1.0);

    for (const auto& c : d.controls) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
        const forms::Control& control = *form.FindControl(c.name);  // its place now: the progress bar grows
        RECT r{};
        ::GetWindowRect(control.Handle(), &r);
        ::MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        const int w = r.right - r.left, h = r.bottom - r.top;
        EXPECT_NEAR(At144(control.Left()), r.left, 1.0);
        EXPECT_NEAR(At144(control.Top()), r.top, 1.0);
        EXPECT_NEAR(At144(control.Width()), w, 1.0);
        if (c.kind == "listbox") {
            // Whole rows only: the height is cut down to the last row that fits.
            const int row = static_cast<int>(::SendMessageW(control.Handle(), LB_GETITEMHEIGHT, 0, 0));
            EXPECT_LE(h, At144(control.Height()) + 1.0);
            EXPECT_GT(h, At144(control.Height()) - row);
        } else {
            EXPECT_NEAR(At144(control.Height()), h, 1.0);
        }
        std::wstring text;
        if (c.kind == "label") text = form.GetLabel(c.name).Caption();
        if (c.kind == "commandbutton") text = form.GetCommandButton(c.name).Caption();
        if (c.kind == "qvButtons_H") text = form.GetButton(c.name).Caption();
        if (text.empty()) continue;
        const SIZE extent = Measure(
            text,
            c.kind == "qvButtons_H" ? *forms::FontObjectFromJson(c.properties.value("font", nlohmann::json::object()))
                                    : c.font.value_or(forms::FontObject{}),
            w);
        EXPECT_TRUE(extent.cx <= w && extent.cy <= h) << extent.cx << " x " << extent.cy;
    }
}

}  // namespace

TEST_F(LauncherTest, WindowsAt144DpiScaleByOneAndAHalfWithCaptionsWhole) {
    ::SetProcessDPIAware();  // as the launcher's manifest declares
    ASSERT_EQ(144, ::GetDeviceCaps(platform::WindowDC(nullptr).get(), LOGPIXELSY));
    hosttest::Mouse(hosttest::Corner());
    ServeConfig(primary, "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Helpdesk\r\n[2]\r\nnome=SOS\r\n");
    launcher::Form1 form;
    form.Show();
    hosttest::PumpFor(100);
    ExpectScaled(form, L"FORM1");
    hosttest::Keys({VK_TAB});
    hosttest::Keys({VK_TAB});
    ASSERT_EQ(form.GetButton(L"qvButtons_H1").Handle(), ::GetFocus());
    hosttest::PumpFor(300);
    SaveScreenshot(form.hwnd(), NORVEL_DPI_SHOT);

    launcher::Form2 dialog(form.GetCheckBox(L"Check1"));
    dialog.Load();
    ExpectScaled(dialog, L"FORM2");
    dialog.Unload();
    launcher::Form3 others(form.CurrentSession());
    others.Load();
    ExpectScaled(others, L"FORM3");
    others.Unload();
}
