// Every window of the launcher follows WM_DPICHANGED, sent here as Windows sends it
// (Wine never does): 96 -> 144 -> 192 -> 96 dpi. Each takes the suggested rectangle;
// every control its place from its twips, its font from its points, a shaped button
// its region, the main window its banner's drawing for the scale; at 96 again all is
// as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "forms/art_scale.h"
#include "launcher/windows/about_box.h"
#include "launcher/windows/form2.h"
#include "launcher/windows/form3.h"
#include "launcher/windows/wait_window.h"
#include "platform/bmp_file.h"
#include "platform/pixel_bitmap.h"
#include "tests/launcher/launcher_fixture.h"
#include "tests/support/qvbuttons_probe.h"

using namespace launchertest;

namespace {

// The rules, computed here on their own.
int FromTwips(int twips, int dpi) { return static_cast<int>(std::floor(twips * dpi / 1440.0 + 0.5)); }
int From96(int pixels, int dpi) { return static_cast<int>(std::floor(pixels * dpi / 96.0 + 0.5)); }
LONG HeightForPoints(double points, int dpi) { return -static_cast<LONG>(std::floor(points * dpi / 72.0 + 0.5)); }

// The suggested rectangle: the window's top-left, room for `client` inside the frame
// Wine draws (at the system's DPI, whatever the message says).
void SendDpiChanged(HWND hwnd, int dpi, SIZE client) {
    RECT now{}, r{0, 0, client.cx, client.cy};
    ::GetWindowRect(hwnd, &now);
    ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_EXSTYLE)));
    ::OffsetRect(&r, now.left - r.left, now.top - r.top);
    ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
}

RECT PlaceInParent(HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LONG FontHeight(HGDIOBJ font) {
    LOGFONTW lf{};
    return ::GetObjectW(font, sizeof lf, &lf) ? lf.lfHeight : 0;
}
LONG WindowFontHeight(HWND hwnd) { return FontHeight(reinterpret_cast<HFONT>(::SendMessageW(hwnd, WM_GETFONT, 0, 0))); }
LONG CaptionFontHeight(HWND button) {
    auto& b = dynamic_cast<buttons::qvButtons_H&>(*forms::WindowBase::FromHandle(button));
    return FontHeight(::GetCurrentObject(buttons::qvButtons_HProbe::Buffer(b).dc(), OBJ_FONT));
}

RECT RegionBox(HWND hwnd) {
    platform::Region region(::CreateRectRgn(0, 0, 0, 0));
    RECT box{};
    if (::GetWindowRgn(hwnd, region.get()) != ERROR) ::GetRgnBox(region.get(), &box);
    return box;
}

// Within 1 pixel; what was seen goes to `seen`, for the comparison at 96 dpi again.
void ExpectNear(const RECT& expected, const RECT& got, std::vector<LONG>* seen = nullptr) {
    EXPECT_NEAR(expected.left, got.left, 1);
    EXPECT_NEAR(expected.top, got.top, 1);
    EXPECT_NEAR(expected.right, got.right, 1);
    EXPECT_NEAR(expected.bottom, got.bottom, 1);
    if (seen) seen->insert(seen->end(), {got.left, got.top, got.right, got.bottom});
}

// Under the first control of a form with a picture, at 150 and 200 %: that scale's
// drawing pixel for pixel (it is exactly the size the form shows the picture at).
void ExpectArt(forms::Form& form, const forms::FormDescription& d, int dpi) {
    if (d.picture.empty() || dpi == 96) return;
    const forms::PictureRef art = forms::PictureObject::LoadResource(
        ::GetModuleHandleW(nullptr), forms::ArtResourceName(d.picture, dpi * 100 / 96).c_str(), RT_RCDATA);
    const forms::Control& under = *form.FindControl(d.controls.front().name);
    const RECT r = under.PixelBounds();
    platform::WindowDC screen(nullptr);
    platform::MemoryDC painted(::CreateCompatibleDC(screen.get())), drawn(::CreateCompatibleDC(screen.get()));
    platform::Bitmap bitmap(::CreateCompatibleBitmap(screen.get(), r.right - r.left, r.bottom - r.top));
    platform::ScopedSelect a(painted.get(), bitmap.get()), b(drawn.get(), art->BitmapHandle());
    form.PaintUnder(painted.get(), under);
    int differing = 0;
    for (int y = 0; y < r.bottom - r.top; y += 2)
        for (int x = 0; x < r.right - r.left; x += 2)
            differing += ::GetPixel(painted.get(), x, y) != ::GetPixel(drawn.get(), r.left + x, r.top + y);
    EXPECT_EQ(0, differing);
}

void FollowTheSteps(forms::Form& form) {
    const forms::FormDescription d = forms::LoadFormDescription(form.Name().c_str());
    std::vector<LONG> start;
    for (const int dpi : {96, 144, 192, 96}) {
        SCOPED_TRACE(std::string(form.Name().begin(), form.Name().end()) + " at " + std::to_string(dpi));
        const SIZE client{FromTwips(d.clientWidth, dpi), FromTwips(d.clientHeight, dpi)};
        if (dpi != form.Dpi()) SendDpiChanged(form.hwnd(), dpi, client);
        EXPECT_EQ(dpi, form.Dpi());
        std::vector<LONG> seen;
        RECT inside{};
        ::GetClientRect(form.hwnd(), &inside);
        ExpectNear(RECT{0, 0, client.cx, client.cy}, inside, &seen);
        for (const auto& c : d.controls) {
            SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
            const forms::Control& control = *form.FindControl(c.name);  // its twips now: a bar grows
            const HWND hwnd = control.Handle();
            const int x = FromTwips(control.Left(), dpi), y = FromTwips(control.Top(), dpi);
            RECT expected{x, y, x + FromTwips(control.Width(), dpi), y + FromTwips(control.Height(), dpi)};
            const RECT got = PlaceInParent(hwnd);
            if (c.kind == "listbox") {  // whole rows: cut down to the last row that fits
                const LONG row = static_cast<LONG>(::SendMessageW(hwnd, LB_GETITEMHEIGHT, 0, 0));
                ::GetClientRect(hwnd, &inside);
                EXPECT_EQ(0, inside.bottom % row);
                EXPECT_TRUE(got.bottom <= expected.bottom + 1 && got.bottom > expected.bottom - row);
                expected.bottom = got.bottom;
            }
            ExpectNear(expected, got, &seen);
            if (c.kind == "qvButtons_H") {
                const auto font = forms::FontObjectFromJson(c.properties.value("font", nlohmann::json::object()));
                EXPECT_EQ(HeightForPoints(font->Size, dpi), CaptionFontHeight(hwnd));
                // A rectangle's region reaches one pixel past the window right and below.
                ExpectNear(RECT{0, 0, got.right - got.left + 1, got.bottom - got.top + 1}, RegionBox(hwnd));
                seen.push_back(CaptionFontHeight(hwnd));
            } else if (c.kind != "shape") {
                EXPECT_EQ(HeightForPoints(c.font.value_or(forms::FontObject{}).Size, dpi), WindowFontHeight(hwnd));
                seen.push_back(WindowFontHeight(hwnd));
            }
        }
        ExpectArt(form, d, dpi);
        if (start.empty()) start = seen;
        if (dpi == 96) {
            EXPECT_EQ(start, seen);
        }
    }
}

TEST_F(LauncherTest, FormsFollowTheirDpiAndComeBackUnchanged) {
    ServeConfig(primary, "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Helpdesk\r\n");
    launcher::Form1 main;
    main.Show();
    FollowTheSteps(main);
    launcher::Form2 clause(main.GetCheckBox(L"Check1"));
    clause.Load();
    FollowTheSteps(clause);
    launcher::Form3 others(main.CurrentSession());
    others.Load();
    FollowTheSteps(others);
}

// An oval, and a button cut from a 40 x 20 picture (a transparent field round an
// opaque block from (4, 4) to (36, 16)) on 600 x 300 twips: 40 x 20 pixels at 96 dpi.
TEST_F(LauncherTest, ShapedButtonsCutTheirRegionAnewAtEachDpi) {
    std::uint32_t* pixels = nullptr;
    platform::Bitmap bitmap = platform::CreatePixelBitmap(40, 20, &pixels);
    for (int i = 0; i < 40 * 20; ++i)
        pixels[i] = i % 40 >= 4 && i % 40 < 36 && i / 40 >= 4 && i / 40 < 16 ? 0x2050C0 : 0xFF00FF;
    platform::MemoryDC dc(::CreateCompatibleDC(nullptr));
    const std::wstring picture = appData.File(L"cut.bmp");
    {
        platform::ScopedSelect select(dc.get(), bitmap.get());
        platform::WriteBmp24(dc.get(), 0, 0, 40, 20, picture);
    }
    forms::FormDescription d = forms::ParseFormDescription(
        R"({"name": "Shapes", "caption": "Forme", "clientWidth": 3000, "clientHeight": 1000, "controls": [
            {"name": "Oval", "kind": "qvButtons_H", "left": 150, "top": 150, "width": 1200, "height": 450,
             "properties": {"caption": "Ovale", "shape": 4}},
            {"name": "Cut", "kind": "qvButtons_H", "left": 1500, "top": 150, "width": 600, "height": 300,
             "properties": {"shape": 7}}]})");
    d.controls[1].properties["image"] = std::string(picture.begin(), picture.end());
    forms::Form form(d);
    form.Load();
    const HWND oval = form.GetButton(L"Oval").Handle(), cut = form.GetButton(L"Cut").Handle();
    for (const int dpi : {96, 144, 192, 96}) {
        SCOPED_TRACE(dpi);
        if (dpi != form.Dpi()) SendDpiChanged(form.hwnd(), dpi, SIZE{FromTwips(3000, dpi), FromTwips(1000, dpi)});
        const int w = FromTwips(1200, dpi), h = FromTwips(450, dpi);
        ExpectNear(RECT{0, 0, w, h}, RegionBox(oval));
        platform::Region region(::CreateRectRgn(0, 0, 0, 0));
        ::GetWindowRgn(oval, region.get());
        EXPECT_TRUE(!::PtInRegion(region.get(), w / 10, h / 10) && ::PtInRegion(region.get(), w / 2, h / 2));
        ExpectNear(RECT{From96(4, dpi), From96(4, dpi), From96(36, dpi), From96(16, dpi)}, RegionBox(cut));
        const RECT place = PlaceInParent(cut);
        ExpectNear(RECT{0, 0, From96(40, dpi), From96(20, dpi)},
                   RECT{0, 0, place.right - place.left, place.bottom - place.top});
    }
}

// The wait window and the information box, laid out in pixels for 96 dpi: the client
// size and the children's places (in creation order) times dpi / 96, the message
// font's height likewise.
void FollowPixelLayout(HWND hwnd, SIZE client96, const std::vector<RECT>& children96) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    std::vector<LONG> start;
    for (const int dpi : {96, 144, 192, 96}) {
        SCOPED_TRACE(dpi);
        const SIZE client{From96(client96.cx, dpi), From96(client96.cy, dpi)};
        if (!start.empty()) SendDpiChanged(hwnd, dpi, client);
        std::vector<LONG> seen;
        RECT inside{};
        ::GetClientRect(hwnd, &inside);
        ExpectNear(RECT{0, 0, client.cx, client.cy}, inside, &seen);
        HWND child = ::GetWindow(hwnd, GW_CHILD);
        EXPECT_EQ(::MulDiv(metrics.lfMessageFont.lfHeight, dpi, 96), WindowFontHeight(child));
        for (const RECT& p : children96) {
            ExpectNear(RECT{From96(p.left, dpi), From96(p.top, dpi), From96(p.right, dpi), From96(p.bottom, dpi)},
                       PlaceInParent(child), &seen);
            child = ::GetWindow(child, GW_HWNDNEXT);
        }
        if (start.empty()) start = seen;
        if (dpi == 96) {
            EXPECT_EQ(start, seen);
        }
    }
}

TEST_F(LauncherTest, WaitWindowAndInformationBoxFollowTheirDpi) {
    {
        launcher::WaitWindow wait;
        FollowPixelLayout(wait.hwnd(), SIZE{409, 197}, {{14, 138, 395, 158}, {14, 165, 395, 183}});
    }
    launcher::Form1 main;
    main.Load();
    static bool checked = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        const HWND box = ::FindWindowW(L"NorvelAbout", L"Informazioni su NorvelAssist");
        if (!box || std::exchange(checked, true)) return;
        FollowPixelLayout(box, SIZE{460, 150}, {{12, 12, 448, 92}, {248, 110, 358, 138}, {366, 110, 448, 138}});
        ::PostMessageW(box, WM_CLOSE, 0, 0);
    });
    launcher::ShowAboutBox(main.hwnd(), main.CurrentSession());
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(checked);
}

}  // namespace
