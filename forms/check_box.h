// A check box (system BUTTON): value 0 or 1, a click when the user toggles it.
// Setting the value from code does not raise the click.
#pragma once

#include <functional>

#include "forms/control.h"

namespace forms {

class CheckBox : public SystemControl {
public:
    CheckBox(Form& form, const ControlDescription& description);

    int Value() const;
    void SetValue(int value);

    std::function<void()> Click;
    void OnCommand(WORD notifyCode) override;
};

}  // namespace forms
