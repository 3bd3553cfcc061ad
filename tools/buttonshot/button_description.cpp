#include "tools/buttonshot/button_description.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "platform/text.h"

namespace buttonshot {
namespace {

std::int32_t ColourOf(const nlohmann::json& value) {
    forms::PropertyBag bag = forms::PropertyBag::FromJson(nlohmann::json{{"c", value}});
    return bag.ReadInt32(L"c", 0);
}

bool Flag(const nlohmann::json& object, const char* key) {
    return object.contains(key) && object.at(key).get<bool>();
}

}  // namespace

const char kDescriptionHelp[] = R"(Usage: buttonshot DESCRIPTION.json OUT.bmp
Renders one qvButtons_H through the real control, hosted in a real top-level window
on screen, and writes the control's client area as it shows on screen to a 24-bit BMP.
Exit status 0 on success.

DESCRIPTION.json:
{
  "width": 89, "height": 41,
  "userMode": true,
  "displayAsDefault": false,
  "containerBackColor": 2147483663,
  "properties": {
    "caption": "SOS", "backstyle": 4, "cback": "0x8000000F", "gradient": 4, "cgradient": 16777215,
    "font": {"name": "Arial", "size": 9.75, "weight": 700, "italic": false, "underline": false, "strikethrough": false},
    "image": "Z:/tmp/picture.bmp"
  },
  "state": {"hovering": false, "heldDown": false, "pointerOver": false, "defaultOutline": false, "pressedLook": false},
  "highContrast": false
}

  width, height       the control's client size in pixels
  userMode            false for design mode
  displayAsDefault    ambient DisplayAsDefault
  containerBackColor  ambient BackColor of the container (also the parent form's BackColor)
  properties          stored property-bag entries, keys in any letter case ("Caption", "CapAlign",
                      "BackStyle", "Shape", "Font", "cFore", "cFHover", "cBHover", "Focus",
                      "LockHover", "cGradient", "Gradient", "CapStyle", "Mode", "Value",
                      "CustomClick", "ImgAlign", "Image", "ImgSize", "Enabled", "cBack",
                      "mPointer", "mIcon"); colours are numbers or "0x..." texts (a system colour
                      is its 32-bit value, e.g. 0x8000000F); pictures are file paths. They are
                      loaded through read-properties; a missing key takes its reading default.
  state               set directly after loading (Hovering, HeldDown, PointerOver,
                      DefaultOutline, PressedLook), then one Refresh paints. Absent means false.
  highContrast        true: drawn as with the system's high-contrast look on (system colours
                      only). Absent means false.
)";

ButtonDescription LoadDescription(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + platform::ToUtf8(path));
    std::stringstream text;
    text << file.rdbuf();
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(text.str());
    } catch (const nlohmann::json::exception& e) {
        throw std::runtime_error(std::string("invalid JSON: ") + e.what());
    }
    if (!json.is_object()) throw std::runtime_error("the description must be a JSON object");
    ButtonDescription d;
    try {
        if (json.contains("width")) d.width = json.at("width").get<int>();
        if (json.contains("height")) d.height = json.at("height").get<int>();
        if (json.contains("userMode")) d.userMode = json.at("userMode").get<bool>();
        if (json.contains("displayAsDefault")) d.displayAsDefault = json.at("displayAsDefault").get<bool>();
        if (json.contains("containerBackColor")) d.containerBackColor = ColourOf(json.at("containerBackColor"));
        if (json.contains("properties")) d.properties = forms::PropertyBag::FromJson(json.at("properties"));
        if (json.contains("highContrast")) d.highContrast = json.at("highContrast").get<bool>();
        if (json.contains("state")) {
            const auto& state = json.at("state");
            d.hovering = Flag(state, "hovering");
            d.heldDown = Flag(state, "heldDown");
            d.pointerOver = Flag(state, "pointerOver");
            d.defaultOutline = Flag(state, "defaultOutline");
            d.pressedLook = Flag(state, "pressedLook");
        }
    } catch (const nlohmann::json::exception& e) {
        throw std::runtime_error(std::string("invalid description: ") + e.what());
    }
    if (d.width < 0 || d.height < 0 || d.width > 4096 || d.height > 4096)
        throw std::runtime_error("width and height must lie between 0 and 4096");
    return d;
}

}  // namespace buttonshot
