// An ordinary push button (system BUTTON): caption, enabled state, click.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"
#include "platform/handles.h"

namespace forms {

class CommandButton : public Control {
public:
    CommandButton(Form& form, const ControlDescription& description);

    HWND Handle() const override { return hwnd_; }
    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);

    std::function<void()> Click;
    void OnCommand(WORD notifyCode) override;

private:
    HWND hwnd_;
    platform::Font font_;
};

}  // namespace forms
