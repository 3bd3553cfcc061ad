// Form1 on a 144-dpi screen (run in a Wine prefix set to 144 dpi): the window and
// every control are 1.5 times their 96-dpi pixels, and no caption is cut off.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "forms/form_description.h"
#include "launcher/form1.h"
#include "platform/handles.h"
#include "tests/forms/input_driver.h"
#include "tests/launcher/launcher_fixture.h"

using namespace launchertest;

namespace {

constexpr int kDpi = 144;

// 1.5 times the 96-dpi pixels of a length in twips (15 twips per pixel at 96 dpi).
double Expected(int twips) { return std::lround(twips / 15.0) * 1.5; }

// The text's extent when word-wrapped into `width` pixels, in a font made here for 144 dpi.
SIZE Measure(const std::wstring& text, const forms::FontSpec& spec, int width) {
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(spec.size * kDpi / 72.0));
    lf.lfWeight = spec.weight;
    lf.lfItalic = spec.italic;
    lf.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    platform::Font font(::CreateFontIndirectW(&lf));
    platform::WindowDC screen(nullptr);
    platform::ScopedSelect select(screen.get(), font.get());
    RECT r{0, 0, width, 0};
    ::DrawTextW(screen.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return SIZE{r.right, r.bottom};
}

// The window's image (frame included) as a 24-bit BMP file.
void SaveScreenshot(HWND hwnd, const wchar_t* path) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top, stride = (w * 3 + 3) & ~3;
    platform::WindowDC screen(nullptr);
    platform::Bitmap bitmap(::CreateCompatibleBitmap(screen.get(), w, h));
    platform::MemoryDC memory(::CreateCompatibleDC(screen.get()));
    {
        platform::ScopedSelect select(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, w, h, screen.get(), r.left, r.top, SRCCOPY);
    }
    BITMAPINFOHEADER info{sizeof info, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<size_t>(stride) * h);
    ::GetDIBits(memory.get(), bitmap.get(), 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

class HighDpi : public LauncherTest {
protected:
    HighDpi() {
        ::SetProcessDPIAware();  // as the launcher's manifest declares
        hosttest::MoveTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1});
        ServeConfig(primary, "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Helpdesk\r\n[2]\r\nnome=SOS\r\n");
    }
    launcher::Form1 form;
};

TEST_F(HighDpi, Form1ScalesByOneAndAHalfAndKeepsItsCaptionsWhole) {
    platform::WindowDC screen(nullptr);
    ASSERT_EQ(kDpi, ::GetDeviceCaps(screen.get(), LOGPIXELSY));
    const forms::FormDescription d = forms::LoadFormDescription(L"FORM1");
    form.Show();
    hosttest::PumpFor(100);

    RECT client{};
    ::GetClientRect(form.hwnd(), &client);
    EXPECT_NEAR(Expected(d.clientWidth), client.right, 1.0);
    EXPECT_NEAR(Expected(d.clientHeight), client.bottom, 1.0);

    for (const auto& c : d.controls) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
        const forms::Control& control = *form.FindControl(c.name);  // its place now (the progress bar grows)
        RECT r{};
        ::GetWindowRect(control.Handle(), &r);
        ::MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_NEAR(Expected(control.Left()), r.left, 1.0);
        EXPECT_NEAR(Expected(control.Top()), r.top, 1.0);
        EXPECT_NEAR(Expected(control.Width()), r.right - r.left, 1.0);
        EXPECT_NEAR(Expected(control.Height()), r.bottom - r.top, 1.0);

        std::wstring text;
        forms::FontSpec font;
        if (c.kind == "label") {
            text = form.GetLabel(c.name).Caption();
            font = c.font.value_or(forms::FontSpec{});
        } else if (c.kind == "qvButtons_H") {
            text = form.GetButton(c.name).Caption();
            font = forms::FontFromJson(c.properties.value("font", nlohmann::json::object()));
        }
        if (text.empty()) continue;
        const SIZE extent = Measure(text, font, r.right - r.left);
        EXPECT_LE(extent.cx, r.right - r.left);
        EXPECT_LE(extent.cy, r.bottom - r.top);
    }

    // The picture for the closing note: the focus on a tool button.
    hosttest::Keys({VK_TAB});
    hosttest::Keys({VK_TAB});
    ASSERT_EQ(form.GetButton(L"qvButtons_H1").Handle(), ::GetFocus());
    hosttest::PumpFor(300);
    SaveScreenshot(form.hwnd(), NORVEL_DPI_SHOT);
}

}  // namespace
