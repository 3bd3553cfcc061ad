#include "buttons/hosted_qvbuttons.h"

#include <memory>

#include <nlohmann/json.hpp>

#include "buttons/qvbuttons_h.h"
#include "forms/hosted_button.h"

namespace buttons {
namespace {

class HostedQvButton : public forms::HostedButton {
public:
    HostedQvButton(const forms::ButtonPlacement& placement, const nlohmann::json& properties) {
        const auto back = static_cast<std::int32_t>(placement.containerBackColor);
        button_.Parent().BackColor = back;
        button_.SetAmbientBackColor(back);
        button_.SetAmbientDisplayName(placement.name);
        button_.Click = [this] { RaiseClick(); };
        button_.SetDpi(placement.dpi);
        const forms::PropertyBag bag = forms::PropertyBag::FromJson(properties);
        button_.Create(placement.parent, placement.x, placement.y, placement.width, placement.height, &bag, false);
    }

    HWND Handle() const override { return button_.hWnd(); }
    std::wstring Caption() const override { return button_.Caption(); }
    void SetCaption(const std::wstring& caption) override { button_.Caption(caption); }
    void Relayout(int dpi, const RECT& bounds) override {
        button_.SetDpi(dpi);
        button_.Move(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }

private:
    qvButtons_H button_;
};

}  // namespace

void RegisterHostedButtons() {
    forms::RegisterButtonFactory("qvButtons_H", [](const forms::ButtonPlacement& placement,
                                                   const nlohmann::json& properties) {
        return std::unique_ptr<forms::HostedButton>(new HostedQvButton(placement, properties));
    });
}

}  // namespace buttons
