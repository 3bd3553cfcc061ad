// Placeholder until the gradient fill lands.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::BuildGradientColors(std::vector<std::int32_t>& table, std::int32_t start, std::int32_t) {
    for (auto& entry : table) entry = start;
}

void qvButtons_H::FillGradient(std::int32_t, std::int32_t) {}

}  // namespace buttons
