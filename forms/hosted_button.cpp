#include "forms/hosted_button.h"

#include <nlohmann/json.hpp>

#include <map>

#include "forms/control_font.h"
#include "forms/window_text.h"
#include "platform/text.h"

namespace forms {
namespace {

std::map<std::string, ButtonFactory>& Factories() {
    static std::map<std::string, ButtonFactory> factories;
    return factories;
}

// The stored value of `key` in any letter case, or nullptr.
const nlohmann::json* Stored(const nlohmann::json& properties, std::string_view key) {
    if (!properties.is_object()) return nullptr;
    for (auto it = properties.begin(); it != properties.end(); ++it)
        if (::lstrcmpiA(it.key().c_str(), std::string(key).c_str()) == 0) return &it.value();
    return nullptr;
}

// Until the real control is registered: a system push button with the stored
// caption and font.
class PushButtonStandIn : public HostedButton {
public:
    PushButtonStandIn(const ButtonPlacement& p, const nlohmann::json& properties) {
        std::wstring caption;
        if (const auto* c = Stored(properties, "caption"); c && c->is_string())
            caption = platform::FromUtf8(c->get<std::string>());
        FontSpec font;
        if (const auto* f = Stored(properties, "font")) font = FontFromJson(*f);
        font_ = CreateControlFont(font);
        hwnd_ = ::CreateWindowExW(0, L"BUTTON", caption.c_str(),
                                  WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON | (p.tabIndex >= 0 ? WS_TABSTOP : 0),
                                  p.x, p.y, p.width, p.height, p.parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (const auto* e = Stored(properties, "enabled"); e && e->is_boolean()) ::EnableWindow(hwnd_, e->get<bool>());
    }
    ~PushButtonStandIn() override {
        if (::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
    }

    HWND Handle() const override { return hwnd_; }
    std::wstring Caption() const override { return WindowText(hwnd_); }
    void SetCaption(const std::wstring& caption) override { ::SetWindowTextW(hwnd_, caption.c_str()); }
    void OnParentCommand(WORD notifyCode) override {
        if (notifyCode == BN_CLICKED) RaiseClick();
    }

private:
    HWND hwnd_ = nullptr;
    platform::Font font_;
};

}  // namespace

void RegisterButtonFactory(const std::string& kind, ButtonFactory factory) {
    if (factory)
        Factories()[kind] = std::move(factory);
    else
        Factories().erase(kind);
}

bool IsButtonKind(const std::string& kind) { return kind == "qvButtons_H" || Factories().count(kind) != 0; }

std::unique_ptr<HostedButton> CreateHostedButton(const std::string& kind, const ButtonPlacement& placement,
                                                 const nlohmann::json& properties) {
    auto found = Factories().find(kind);
    if (found != Factories().end()) return found->second(placement, properties);
    return std::make_unique<PushButtonStandIn>(placement, properties);
}

}  // namespace forms
