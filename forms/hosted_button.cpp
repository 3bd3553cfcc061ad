#include "forms/hosted_button.h"

#include <map>
#include <stdexcept>

namespace forms {
namespace {

std::map<std::string, ButtonFactory>& Factories() {
    static std::map<std::string, ButtonFactory> factories;
    return factories;
}

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
    if (found == Factories().end())
        throw std::runtime_error("no control is registered for the button kind " + kind);
    return found->second(placement, properties);
}

}  // namespace forms
