#include "forms/form_description.h"

#include <windows.h>

#include <stdexcept>

#include "forms/colors.h"
#include "forms/property_bag.h"
#include "platform/text.h"

namespace forms {
namespace {

std::wstring Text(const nlohmann::json& object, const char* key) {
    auto it = object.find(key);
    return it == object.end() ? std::wstring{} : platform::FromUtf8(it->get<std::string>());
}

std::optional<std::uint32_t> OptionalColor(const nlohmann::json& object, const char* key) {
    auto it = object.find(key);
    if (it == object.end()) return std::nullopt;
    return ColorFromJson(*it);
}

ControlDescription ParseControl(const nlohmann::json& c) {
    ControlDescription d;
    d.name = Text(c, "name");
    d.kind = c.at("kind").get<std::string>();
    d.left = c.value("left", 0);
    d.top = c.value("top", 0);
    d.width = c.value("width", 0);
    d.height = c.value("height", 0);
    if (c.contains("properties")) d.properties = c["properties"];
    d.caption = Text(c, "caption");
    if (d.caption.empty() && d.properties.contains("caption"))
        d.caption = platform::FromUtf8(d.properties["caption"].get<std::string>());
    if (c.contains("font")) d.font = *FontObjectFromJson(c["font"]);
    d.foreColor = OptionalColor(c, "foreColor");
    d.backColor = OptionalColor(c, "backColor");
    d.fillColor = OptionalColor(c, "fillColor");
    d.borderColor = OptionalColor(c, "borderColor");
    d.backStyle = c.value("backStyle", 1);
    d.alignment = c.value("alignment", 0);
    d.visible = c.value("visible", true);
    d.enabled = c.value("enabled", true);
    d.link = c.value("link", false);
    d.tabIndex = c.value("tabIndex", -1);
    d.value = c.value("value", 0);
    return d;
}

}  // namespace

FormDescription ParseFormDescription(std::string_view json) {
    const nlohmann::json root = nlohmann::json::parse(json);
    FormDescription d;
    d.name = Text(root, "name");
    d.caption = Text(root, "caption");
    d.clientWidth = root.at("clientWidth").get<int>();
    d.clientHeight = root.at("clientHeight").get<int>();
    if (root.contains("backColor")) d.backColor = ColorFromJson(root["backColor"]);
    d.picture = Text(root, "picture");
    d.defaultButton = Text(root, "defaultButton");
    d.cancelButton = Text(root, "cancelButton");
    if (root.contains("controls"))
        for (const auto& c : root["controls"]) d.controls.push_back(ParseControl(c));
    return d;
}

FormDescription LoadFormDescription(const wchar_t* resourceName) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(module, resourceName, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found) throw std::runtime_error("form description resource missing");
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) throw std::runtime_error("form description resource unreadable");
    return ParseFormDescription({static_cast<const char*>(data), ::SizeofResource(module, found)});
}

}  // namespace forms
