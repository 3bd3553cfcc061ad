// The forms runtime on its own: a real form from a description, Tab through its
// controls, twips to pixels, colours, and descriptions it must refuse.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "forms/colors.h"
#include "forms/form.h"
#include "forms/message_loop.h"
#include "forms/twips.h"

namespace forms {
namespace {

std::string Control(const char* name, const char* kind, int top, const char* extra) {
    return std::string(R"({"name": ")") + name + R"(", "kind": ")" + kind + R"(", "caption": "x", "left": 0, "top": )" +
           std::to_string(top) + R"(, "width": 900, "height": 300)" + extra + "}";
}

std::string Description(const std::string& controls) {
    return R"({"name": "Prova", "caption": "Prova", "clientWidth": 3000, "clientHeight": 2000, "controls": [)" +
           controls + "]}";
}

TEST(FormsRuntime, TabFollowsTabIndexSkippingDisabledHiddenAndUnlistedControls) {
    Form form(ParseFormDescription(Description(
        Control("Check1", "checkbox", 0, R"(, "tabIndex": 2)") + "," +
        Control("Command1", "commandbutton", 300, R"(, "tabIndex": 0)") + "," +
        Control("Command2", "commandbutton", 600, R"(, "tabIndex": 1, "enabled": false)") + "," +
        Control("Command3", "commandbutton", 900, R"(, "tabIndex": 1, "visible": false)") + "," +
        Control("List1", "listbox", 1200, R"(, "tabIndex": 2)") + "," + Control("Label1", "label", 1500, ""))));
    form.Show();
    RECT client{};
    ::GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(200, client.right);   // 3000 twips at 15 a pixel
    EXPECT_EQ(133, client.bottom);  // 2000 twips: 133.3
    // Equal tab indexes keep the order of the description; the last wraps round.
    const std::vector<HWND> expected{form.GetCommandButton(L"Command1").Handle(), form.GetCheckBox(L"Check1").Handle(),
                                     form.GetListBox(L"List1").Handle(), form.GetCommandButton(L"Command1").Handle()};
    std::vector<HWND> seen{::GetFocus()};
    for (int i = 0; i < 3; ++i) {
        MSG tab{::GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(PreTranslateFormMessage(tab));
        seen.push_back(::GetFocus());
    }
    EXPECT_EQ(expected, seen);
    form.Unload();
}

TEST(FormsRuntime, TwipsRoundToTheNearestPixelHalvesAwayFromZero) {
    ASSERT_EQ(15, TwipsPerPixelX());  // the tests run at 96 dpi
    const int table[][2] = {{0, 0}, {7, 0}, {8, 1}, {22, 1}, {23, 2}, {-7, 0}, {-8, -1}, {1440, 96}, {-1440, -96}};
    for (const auto& [twips, pixels] : table) {
        EXPECT_EQ(pixels, TwipsToPixelsX(twips)) << twips;
        EXPECT_EQ(pixels, TwipsToPixelsY(twips)) << twips;
    }
}

// Twips x dpi / 1440 at every scale: the main window's 6135 x 5505 twips are 409 x 367
// pixels at 96 dpi and exactly twice that at 192, where 7 whole twips a pixel would
// give 876 x 786.
TEST(FormsRuntime, TwipsScaleInExactProportionAtEveryDpi) {
    const int table[][3] = {{6135, 96, 409}, {5505, 96, 367},  {6135, 192, 818}, {5505, 192, 734},
                            {6135, 168, 716}, {6135, 216, 920}, {5600, 120, 467}, {5600, 144, 560},
                            {6, 120, 1},      {4, 192, 1},      {3, 192, 0},      {-4, 192, -1},
                            {3, 240, 1},      {1440, 288, 288}, {2000000, 480, 666667}};
    for (const auto& [twips, dpi, pixels] : table)
        EXPECT_EQ(pixels, TwipsToPixels(twips, dpi)) << twips << " @ " << dpi;
}

TEST(FormsRuntime, ColoursFromNumbersAndHexTextsAndTheirRgb) {
    const std::pair<const char*, std::uint32_t> read[] = {
        {"255", 0xFF}, {R"("0xFF8000")", 0xFF8000}, {R"("0X8000000F")", 0x8000000F},
        {"2147483663", 0x8000000F}, {"-2147483633", 0x8000000F}};
    for (const auto& [json, value] : read) EXPECT_EQ(value, ColorFromJson(nlohmann::json::parse(json))) << json;
    for (const char* json : {R"("red")", R"("0x")", R"("255")", "true", "null", "1.5"})
        EXPECT_ANY_THROW(ColorFromJson(nlohmann::json::parse(json))) << json;
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ToRgb(0x8000000F));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), ToRgb(0x80000012));
    EXPECT_EQ(0x123456u, ToRgb(0x01123456));  // only the low three bytes of an explicit colour
}

// Each malformed description fails with an error that names what is wrong, when it
// is read or, for its controls, when the form loads.
TEST(FormsRuntime, MalformedDescriptionsFailWithAClearError) {
    const std::pair<std::string, const char*> cases[] = {
        {R"({"name": "Prova", "clientWidth": 3000)", "parse error"},
        {R"({"name": "Prova", "clientHeight": 2000})", "clientWidth"},
        {Description(Control("Label1", "label", 0, R"(, "font": "Arial")")), "font"},
        {Description(Control("Label1", "label", 0, R"(, "foreColor": "blue")")), "colour"},
        {Description(Control("Gauge1", "gauge", 0, "")), "gauge"},
        {Description(Control("qvButtons_H1", "qvButtons_H", 0, "")), "qvButtons_H"},
    };
    for (const auto& [json, named] : cases) {
        std::string message;
        try {
            Form form(ParseFormDescription(json));
            form.Load();
        } catch (const std::exception& e) {
            message = e.what();
        }
        EXPECT_NE(std::string::npos, message.find(named)) << json << "\n" << message;
    }
}

}  // namespace
}  // namespace forms
