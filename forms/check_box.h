// A check box (system BUTTON): value 0 or 1, a click when the user toggles it.
// Setting the value from code does not raise the click.
#pragma once

#include <functional>

#include "forms/control.h"
#include "platform/handles.h"

namespace forms {

class CheckBox : public Control {
public:
    CheckBox(Form& form, const ControlDescription& description);

    HWND Handle() const override { return hwnd_; }
    int Value() const;
    void SetValue(int value);

    std::function<void()> Click;
    void OnCommand(WORD notifyCode) override;

private:
    HWND hwnd_;
    platform::Font font_;
};

}  // namespace forms
