// A list box (system LISTBOX): lines of text and the selected index (-1: none).
// It shows whole rows only: its height is the largest number of whole rows of its
// font that fits the height in twips, at every DPI, so no row shows cut.
#pragma once

#include <string>

#include "forms/control.h"

namespace forms {

class ListBox : public SystemControl {
public:
    ListBox(Form& form, const ControlDescription& description);

    void AddItem(const std::wstring& line);
    int ListCount() const;
    std::wstring List(int index) const;  // "" outside the list
    int ListIndex() const;
    void SetListIndex(int index);
};

}  // namespace forms
