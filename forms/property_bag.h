// The property bag in which a form stores the design-time properties of its
// controls. Keys match without regard to letter case; a value written with a
// default equal to it is not stored; a key that is not stored reads as the default
// the reader gives. Values keep the order in which they were first written.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "forms/font_object.h"
#include "forms/picture_object.h"

namespace forms {

// A stored value that cannot be converted to the type asked for (type mismatch,
// overflow, a picture file that cannot be loaded).
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PropertyBag {
public:
    // monostate is a stored "nothing" (no object).
    using Value = std::variant<std::monostate, std::wstring, std::int64_t, double, bool, FontRef, PictureRef>;

    // Stores the value unless it equals the default; an equal value removes an entry
    // stored earlier under the key. Without a default the value is always stored.
    void WriteText(const std::wstring& key, const std::wstring& value, std::optional<std::wstring> def = {});
    void WriteInt16(const std::wstring& key, std::int16_t value, std::optional<std::int16_t> def = {});
    void WriteInt32(const std::wstring& key, std::int32_t value, std::optional<std::int32_t> def = {});
    void WriteBool(const std::wstring& key, bool value, std::optional<bool> def = {});
    // An object is always stored, a missing one (nullptr) as "nothing", unless the
    // default is "nothing" too.
    void WriteFont(const std::wstring& key, const FontRef& value, bool defaultIsNothing = false);
    void WritePicture(const std::wstring& key, const PictureRef& value, bool defaultIsNothing = true);

    // Read the stored value converted to the type, or the default when the key is not
    // stored. Conversion failures throw PropertyError.
    std::wstring ReadText(const std::wstring& key, const std::wstring& def) const;
    std::int16_t ReadInt16(const std::wstring& key, std::int16_t def) const;
    // Accepts the unsigned spelling of a 32-bit value too (2147483663 = 0x8000000F).
    std::int32_t ReadInt32(const std::wstring& key, std::int32_t def) const;
    // True is -1 (any non-zero number), False 0; the texts "True" and "False" too.
    bool ReadBool(const std::wstring& key, bool def) const;
    FontRef ReadFont(const std::wstring& key, const FontRef& def) const;
    // A text value is a picture file path; an empty one is no picture.
    PictureRef ReadPicture(const std::wstring& key, const PictureRef& def) const;

    bool Contains(const std::wstring& key) const { return Find(key) != nullptr; }
    const Value* Find(const std::wstring& key) const;
    // Stores a raw value under the key (replacing one stored under any spelling).
    void Set(const std::wstring& key, Value value);
    void Remove(const std::wstring& key);
    // Keys in the order of first writing, spelled as written.
    std::vector<std::wstring> Keys() const;
    std::size_t size() const noexcept { return entries_.size(); }

    // The "properties" object of a form description: numbers, "0x…" texts for
    // colours, booleans (or -1/0), texts, font objects {"name","size","weight",
    // "italic","underline","strikethrough"} and picture file paths. Throws
    // PropertyError for values of other shapes.
    static PropertyBag FromJson(const nlohmann::json& properties);
    // The same format; booleans as true/false, pictures as their file paths.
    nlohmann::ordered_json ToJson() const;

private:
    std::vector<std::pair<std::wstring, Value>> entries_;
    Value* FindMutable(const std::wstring& key);
    void Store(const std::wstring& key, Value value, bool isDefault);
};

// Reads a font object {"name","size","weight","bold","italic","underline","strikethrough"};
// missing members take MS Sans Serif 8.25 pt, weight 400, all flags off. "weight"
// wins over "bold", which means 700 (true) or 400 only where no weight is given.
// Throws PropertyError for anything else than such an object.
FontRef FontObjectFromJson(const nlohmann::json& font);
nlohmann::ordered_json FontObjectToJson(const FontObject& font);

}  // namespace forms
