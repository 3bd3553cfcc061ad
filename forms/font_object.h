// A font description shared by reference: the button control, its container and
// the property bag hand the same object around, so a change made through one holder
// is seen by all of them.
#pragma once

#include <memory>
#include <string>

namespace forms {

class FontObject {
public:
    std::wstring Name = L"MS Sans Serif";
    double Size = 8.25;  // points
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    // Bold is a view of the weight: anything heavier than half way between normal
    // (400) and bold (700) reads as bold; setting it picks one of the two.
    bool Bold() const noexcept { return Weight > 550; }
    void SetBold(bool bold) noexcept { Weight = bold ? 700 : 400; }

    std::shared_ptr<FontObject> Clone() const { return std::make_shared<FontObject>(*this); }
    bool operator==(const FontObject&) const = default;
};

using FontRef = std::shared_ptr<FontObject>;

inline FontRef MakeFont(std::wstring name, double size, int weight = 400, bool italic = false,
                        bool underline = false, bool strikethrough = false) {
    auto font = std::make_shared<FontObject>();
    font->Name = std::move(name);
    font->Size = size;
    font->Weight = weight;
    font->Italic = italic;
    font->Underline = underline;
    font->Strikethrough = strikethrough;
    return font;
}

}  // namespace forms
