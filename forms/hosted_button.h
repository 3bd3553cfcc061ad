// The seam between the forms and the buttons they host.
//
// A window uses a button only through `Caption`/`SetCaption`, the host-side `Tag`
// text and the `Click` callback. Which control stands behind it is chosen by the
// control kind of the form description ("qvButtons_H"): a factory registered for
// that kind makes it; a form that uses a kind no factory is registered for fails to
// load with an error that names the kind.
//
// A factory receives the placement (parent form window, pixels, tab index, the
// form's DPI, the container's stored back colour) and the description's "properties" object: the
// button's stored property-bag entries, keys in any letter case, colours as numbers
// or "0x..." texts, the font as {"name","size","weight","italic","underline",
// "strikethrough"}, pictures as file paths.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "forms/colors.h"

namespace forms {

class HostedButton {
public:
    virtual ~HostedButton() = default;

    virtual HWND Handle() const = 0;
    virtual std::wstring Caption() const = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;
    // The form now shows at `dpi`: the button takes `bounds` (pixels in the form's
    // client area) and lays out its caption font, caption, picture and shape again.
    virtual void Relayout(int dpi, const RECT& bounds) = 0;

    // Text kept by the host for the window's own use; the control never reads it.
    const std::wstring& Tag() const noexcept { return tag_; }
    void SetTag(std::wstring tag) { tag_ = std::move(tag); }

    // Raised by the control when it is clicked.
    std::function<void()> Click;

protected:
    void RaiseClick() {
        if (Click) Click();
    }

private:
    std::wstring tag_;
};

struct ButtonPlacement {
    HWND parent = nullptr;
    std::wstring name;  // the designer's name, e.g. qvButtons_H4
    int x = 0, y = 0, width = 0, height = 0;  // pixels in the parent's client area
    int tabIndex = -1;
    int dpi = 96;  // the form's
    std::uint32_t containerBackColor = static_cast<std::uint32_t>(kButtonFace);
};

using ButtonFactory =
    std::function<std::unique_ptr<HostedButton>(const ButtonPlacement& placement, const nlohmann::json& properties)>;

// Makes `factory` the maker of buttons of `kind`; an empty factory removes it.
void RegisterButtonFactory(const std::string& kind, ButtonFactory factory);
bool IsButtonKind(const std::string& kind);

// A button of `kind` from its factory; throws std::runtime_error when none is registered.
std::unique_ptr<HostedButton> CreateHostedButton(const std::string& kind, const ButtonPlacement& placement,
                                                 const nlohmann::json& properties);

}  // namespace forms
