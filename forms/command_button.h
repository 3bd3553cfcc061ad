// An ordinary push button (system BUTTON): caption, enabled state, click.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"

namespace forms {

class CommandButton : public SystemControl {
public:
    CommandButton(Form& form, const ControlDescription& description);

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);

    std::function<void()> Click;
    void OnCommand(WORD notifyCode) override;
};

}  // namespace forms
