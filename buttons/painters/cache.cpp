// Placeholder until the cached face colours, caption font and picture metrics land.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::UpdateCache(std::wstring_view key) {
    if (key == L"BackColor") {
        FaceColor = PressedFaceColor = ResolveColor(BackColor());
        HoverFaceColor = ResolveColor(HoverBackColor());
        CheckedFaceColor = 0xDFDFDF;
    }
}

}  // namespace buttons
