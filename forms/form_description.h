// A window's description: its layout in twips, caption, colours and controls, as
// kept in one JSON file per window and compiled into the program as a resource.
//
//   {"name": "Form2", "caption": "...", "clientWidth": 4650, "clientHeight": 5790,
//    "backColor": "0xFFFFFF", "picture": "BANNER", "defaultButton": "qvButtons_H4",
//    "cancelButton": "Command2",
//    "controls": [ {"name": "Label1", "kind": "label", "left": 240, "top": 1080,
//                   "width": 4095, "height": 3255, "caption": "...", "font": {...},
//                   "foreColor": 255, "backStyle": 0, "alignment": 2, "visible": true,
//                   "enabled": true, "tabIndex": 0, "fillColor": ..., "properties": {...}} ]}
//
// Kinds: "label", "checkbox", "listbox", "shape", "commandbutton", and button kinds
// such as "qvButtons_H" (see hosted_button.h), whose stored properties are the
// "properties" object. Controls are listed back to front: a later one lies over an
// earlier one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "forms/colors.h"
#include "forms/font_object.h"

namespace forms {

struct ControlDescription {
    std::wstring name;
    std::string kind;
    int left = 0, top = 0, width = 0, height = 0;  // twips
    std::wstring caption;
    std::optional<FontObject> font;
    std::optional<std::uint32_t> foreColor;
    std::optional<std::uint32_t> backColor;
    std::optional<std::uint32_t> fillColor;
    std::optional<std::uint32_t> borderColor;
    int backStyle = 1;  // labels: 0 transparent, 1 opaque
    int alignment = 0;  // labels: 0 left, 1 right, 2 centre
    bool visible = true;
    bool enabled = true;
    bool link = false;  // labels: the hand pointer of a link
    int tabIndex = -1;  // -1: not in the tab order
    int value = 0;      // check boxes: 0 or 1
    nlohmann::json properties = nlohmann::json::object();
};

struct FormDescription {
    std::wstring name;
    std::wstring caption;
    int clientWidth = 0, clientHeight = 0;  // twips
    std::uint32_t backColor = static_cast<std::uint32_t>(kButtonFace);
    std::wstring picture;  // name of a BITMAP resource drawn at the top-left, or empty
    // The buttons Enter and Esc press ("defaultButton", "cancelButton"), or empty.
    std::wstring defaultButton;
    std::wstring cancelButton;
    std::vector<ControlDescription> controls;
};

// Parses a description from its JSON text (UTF-8). Throws on malformed input.
FormDescription ParseFormDescription(std::string_view json);

// Loads the description kept as an RCDATA resource of this program.
FormDescription LoadFormDescription(const wchar_t* resourceName);

}  // namespace forms
