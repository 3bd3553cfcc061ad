#include "forms/art_scale.h"

#include <algorithm>

namespace forms {

int ArtScaleFor(int dpi, std::span<const int> available) {
    if (dpi <= 96 || available.empty()) return 100;
    int chosen = 0;
    for (const int percent : available)
        if (percent * 96 >= dpi * 100 && (chosen == 0 || percent < chosen)) chosen = percent;
    return chosen ? chosen : *std::max_element(available.begin(), available.end());
}

std::wstring ArtResourceName(const std::wstring& picture, int percent) {
    return picture + L"_" + std::to_wstring(percent);
}

}  // namespace forms
