// The stored look of the system's own qvButtons_H buttons, as a property bag:
// bsFlat, button-face colour, bottom-to-top gradient to white, hover face 0x82551B
// with white text, caption colour 0x00A86814.
#pragma once

#include "forms/colors.h"
#include "forms/property_bag.h"

namespace testsupport {

inline forms::PropertyBag SystemLook() {
    forms::PropertyBag bag;
    bag.WriteInt32(L"backstyle", 4);
    bag.WriteInt32(L"cback", forms::kButtonFace);
    bag.WriteInt32(L"gradient", 4);
    bag.WriteInt32(L"cgradient", 0xFFFFFF);
    bag.WriteInt32(L"cbhover", 0x82551B);
    bag.WriteInt32(L"lockhover", 3);
    bag.WriteInt32(L"cfore", 0x00A86814);
    bag.WriteInt32(L"cfhover", 0xFFFFFF);
    return bag;
}

}  // namespace testsupport
