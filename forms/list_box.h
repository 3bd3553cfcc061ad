// A list box (system LISTBOX): lines of text and the selected index (-1: none).
#pragma once

#include <string>

#include "forms/control.h"
#include "platform/handles.h"

namespace forms {

class ListBox : public Control {
public:
    ListBox(Form& form, const ControlDescription& description);

    HWND Handle() const override { return hwnd_; }
    void AddItem(const std::wstring& line);
    int ListCount() const;
    std::wstring List(int index) const;  // "" outside the list
    int ListIndex() const;
    void SetListIndex(int index);

private:
    HWND hwnd_;
    platform::Font font_;
};

}  // namespace forms
