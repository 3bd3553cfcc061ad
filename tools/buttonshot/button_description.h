// The description of one button that buttonshot renders (see --help).
#pragma once

#include <cstdint>
#include <string>

#include "forms/colors.h"
#include "forms/property_bag.h"

namespace buttonshot {

struct ButtonDescription {
    int width = 89;
    int height = 41;
    bool userMode = true;
    bool displayAsDefault = false;
    std::int32_t containerBackColor = forms::kButtonFace;
    forms::PropertyBag properties;
    bool hovering = false;
    bool heldDown = false;
    bool pointerOver = false;
    bool defaultOutline = false;
    bool pressedLook = false;
    bool highContrast = false;  // drawn in the system's high-contrast look
};

// Reads a description file (UTF-8 JSON). Throws std::runtime_error with the reason.
ButtonDescription LoadDescription(const std::wstring& path);

// The text --help prints.
extern const char kDescriptionHelp[];

}  // namespace buttonshot
