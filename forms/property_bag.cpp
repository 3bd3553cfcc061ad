#include "forms/property_bag.h"

#include <windows.h>

#include <cmath>
#include <cwctype>

#include <nlohmann/json.hpp>

#include "platform/text.h"

namespace forms {
namespace {

[[noreturn]] void Mismatch(const std::wstring& key) {
    throw PropertyError("Type mismatch reading property " + platform::ToUtf8(key));
}
[[noreturn]] void Overflow(const std::wstring& key) {
    throw PropertyError("Overflow reading property " + platform::ToUtf8(key));
}

// A whole number from text: decimal with an optional sign, or hexadecimal after
// "0x" or "&H" (up to 8 digits, taken as an unsigned 32-bit value).
std::optional<std::int64_t> ParseWhole(std::wstring text) {
    while (!text.empty() && std::iswspace(text.back())) text.pop_back();
    size_t start = 0;
    while (start < text.size() && std::iswspace(text[start])) ++start;
    text.erase(0, start);
    if (text.empty()) return std::nullopt;
    if (text.size() > 2 && ((text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) ||
                            (text[0] == L'&' && (text[1] == L'h' || text[1] == L'H')))) {
        if (text.size() > 10) return std::nullopt;
        std::int64_t value = 0;
        for (size_t i = 2; i < text.size(); ++i) {
            const wchar_t c = text[i];
            int digit = c >= L'0' && c <= L'9' ? c - L'0'
                        : c >= L'a' && c <= L'f' ? c - L'a' + 10
                        : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                                  : -1;
            if (digit < 0) return std::nullopt;
            value = value * 16 + digit;
        }
        return value;
    }
    size_t i = 0;
    bool negative = false;
    if (text[0] == L'-' || text[0] == L'+') { negative = text[0] == L'-'; i = 1; }
    if (i == text.size() || text.size() - i > 18) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
        value = value * 10 + (text[i] - L'0');
    }
    return negative ? -value : value;
}

// The stored value as a whole number (doubles rounded half to even, True -1).
std::int64_t WholeOf(const std::wstring& key, const PropertyBag::Value& value) {
    if (auto n = std::get_if<std::int64_t>(&value)) return *n;
    if (auto d = std::get_if<double>(&value)) {
        if (!std::isfinite(*d) || std::fabs(*d) > 9.0e15) Overflow(key);
        return static_cast<std::int64_t>(std::nearbyint(*d));
    }
    if (auto b = std::get_if<bool>(&value)) return *b ? -1 : 0;
    if (auto s = std::get_if<std::wstring>(&value)) {
        if (auto n = ParseWhole(*s)) return *n;
    }
    Mismatch(key);
}

}  // namespace

const PropertyBag::Value* PropertyBag::Find(const std::wstring& key) const {
    for (const auto& [name, value] : entries_)
        if (platform::SameTextIgnoringCase(name, key)) return &value;
    return nullptr;
}

PropertyBag::Value* PropertyBag::FindMutable(const std::wstring& key) {
    for (auto& [name, value] : entries_)
        if (platform::SameTextIgnoringCase(name, key)) return &value;
    return nullptr;
}

void PropertyBag::Set(const std::wstring& key, Value value) {
    if (Value* stored = FindMutable(key)) *stored = std::move(value);
    else entries_.emplace_back(key, std::move(value));
}

void PropertyBag::Remove(const std::wstring& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (platform::SameTextIgnoringCase(it->first, key)) { entries_.erase(it); return; }
}

void PropertyBag::Store(const std::wstring& key, Value value, bool isDefault) {
    if (isDefault) Remove(key);
    else Set(key, std::move(value));
}

std::vector<std::wstring> PropertyBag::Keys() const {
    std::vector<std::wstring> keys;
    for (const auto& entry : entries_) keys.push_back(entry.first);
    return keys;
}

void PropertyBag::WriteText(const std::wstring& key, const std::wstring& value, std::optional<std::wstring> def) {
    Store(key, value, def && *def == value);
}
void PropertyBag::WriteInt16(const std::wstring& key, std::int16_t value, std::optional<std::int16_t> def) {
    Store(key, std::int64_t{value}, def && *def == value);
}
void PropertyBag::WriteInt32(const std::wstring& key, std::int32_t value, std::optional<std::int32_t> def) {
    Store(key, std::int64_t{value}, def && *def == value);
}
void PropertyBag::WriteBool(const std::wstring& key, bool value, std::optional<bool> def) {
    Store(key, value, def && *def == value);
}
void PropertyBag::WriteFont(const std::wstring& key, const FontRef& value, bool defaultIsNothing) {
    if (!value) Store(key, std::monostate{}, defaultIsNothing);
    else Store(key, value, false);
}
void PropertyBag::WritePicture(const std::wstring& key, const PictureRef& value, bool defaultIsNothing) {
    if (!value) Store(key, std::monostate{}, defaultIsNothing);
    else Store(key, value, false);
}

std::wstring PropertyBag::ReadText(const std::wstring& key, const std::wstring& def) const {
    const Value* value = Find(key);
    if (!value) return def;
    if (auto s = std::get_if<std::wstring>(value)) return *s;
    if (auto n = std::get_if<std::int64_t>(value)) return std::to_wstring(*n);
    if (auto b = std::get_if<bool>(value)) return *b ? L"True" : L"False";
    if (auto d = std::get_if<double>(value)) {
        wchar_t text[64];
        swprintf(text, 64, L"%.15g", *d);
        return text;
    }
    Mismatch(key);
}

std::int16_t PropertyBag::ReadInt16(const std::wstring& key, std::int16_t def) const {
    const Value* value = Find(key);
    if (!value) return def;
    std::int64_t n = WholeOf(key, *value);
    // A hexadecimal text of four digits is the 16-bit pattern (0xFFFF is -1).
    if (auto s = std::get_if<std::wstring>(value);
        s && n > 32767 && n <= 0xFFFF && s->find_first_of(L"xXhH") != std::wstring::npos)
        n -= 0x10000;
    if (n < -32768 || n > 32767) Overflow(key);
    return static_cast<std::int16_t>(n);
}

std::int32_t PropertyBag::ReadInt32(const std::wstring& key, std::int32_t def) const {
    const Value* value = Find(key);
    if (!value) return def;
    const std::int64_t n = WholeOf(key, *value);
    if (n < INT32_MIN || n > static_cast<std::int64_t>(UINT32_MAX)) Overflow(key);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
}

bool PropertyBag::ReadBool(const std::wstring& key, bool def) const {
    const Value* value = Find(key);
    if (!value) return def;
    if (auto b = std::get_if<bool>(value)) return *b;
    if (auto s = std::get_if<std::wstring>(value)) {
        if (platform::SameTextIgnoringCase(*s, L"True")) return true;
        if (platform::SameTextIgnoringCase(*s, L"False")) return false;
    }
    if (auto d = std::get_if<double>(value)) return *d != 0.0;
    return WholeOf(key, *value) != 0;
}

FontRef PropertyBag::ReadFont(const std::wstring& key, const FontRef& def) const {
    const Value* value = Find(key);
    if (!value) return def;
    if (auto f = std::get_if<FontRef>(value)) return *f;
    if (std::holds_alternative<std::monostate>(*value)) return nullptr;
    Mismatch(key);
}

PictureRef PropertyBag::ReadPicture(const std::wstring& key, const PictureRef& def) const {
    const Value* value = Find(key);
    if (!value) return def;
    if (auto p = std::get_if<PictureRef>(value)) return *p;
    if (std::holds_alternative<std::monostate>(*value)) return nullptr;
    if (auto s = std::get_if<std::wstring>(value)) {
        if (s->empty()) return nullptr;
        try {
            return PictureObject::LoadFile(*s);
        } catch (const PictureError& e) {
            throw PropertyError(std::string(e.what()) + ": " + platform::ToUtf8(*s));
        }
    }
    Mismatch(key);
}

FontRef FontObjectFromJson(const nlohmann::json& font) {
    if (!font.is_object()) throw PropertyError("A font must be an object");
    auto result = std::make_shared<FontObject>();
    try {
        if (font.contains("name")) result->Name = platform::FromUtf8(font.at("name").get<std::string>());
        if (font.contains("size")) result->Size = font.at("size").get<double>();
        if (font.contains("weight")) result->Weight = font.at("weight").get<int>();
        if (font.contains("bold") && !font.contains("weight")) result->SetBold(font.at("bold").get<bool>());
        if (font.contains("italic")) result->Italic = font.at("italic").get<bool>();
        if (font.contains("underline")) result->Underline = font.at("underline").get<bool>();
        if (font.contains("strikethrough")) result->Strikethrough = font.at("strikethrough").get<bool>();
    } catch (const nlohmann::json::exception& e) {
        throw PropertyError(std::string("Invalid font: ") + e.what());
    }
    if (!(result->Size > 0.0) || result->Size > 2048.0) throw PropertyError("Invalid font size");
    return result;
}

nlohmann::ordered_json FontObjectToJson(const FontObject& font) {
    nlohmann::ordered_json json;
    json["name"] = platform::ToUtf8(font.Name);
    json["size"] = font.Size;
    json["weight"] = font.Weight;
    json["italic"] = font.Italic;
    json["underline"] = font.Underline;
    json["strikethrough"] = font.Strikethrough;
    return json;
}

PropertyBag PropertyBag::FromJson(const nlohmann::json& properties) {
    PropertyBag bag;
    if (properties.is_null()) return bag;
    if (!properties.is_object()) throw PropertyError("\"properties\" must be an object");
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        const std::wstring key = platform::FromUtf8(it.key());
        const nlohmann::json& v = it.value();
        if (v.is_string()) bag.Set(key, platform::FromUtf8(v.get<std::string>()));
        else if (v.is_boolean()) bag.Set(key, v.get<bool>());
        else if (v.is_number_unsigned()) {
            const auto u = v.get<std::uint64_t>();
            if (u > static_cast<std::uint64_t>(INT64_MAX)) throw PropertyError("Overflow in property " + it.key());
            bag.Set(key, static_cast<std::int64_t>(u));
        } else if (v.is_number_integer()) bag.Set(key, v.get<std::int64_t>());
        else if (v.is_number_float()) bag.Set(key, v.get<double>());
        else if (v.is_null()) bag.Set(key, std::monostate{});
        else if (v.is_object()) bag.Set(key, FontObjectFromJson(v));
        else throw PropertyError("Unsupported value in property " + it.key());
    }
    return bag;
}

nlohmann::ordered_json PropertyBag::ToJson() const {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const auto& [key, value] : entries_) {
        auto& slot = json[platform::ToUtf8(key)];
        if (auto s = std::get_if<std::wstring>(&value)) slot = platform::ToUtf8(*s);
        else if (auto n = std::get_if<std::int64_t>(&value)) slot = *n;
        else if (auto d = std::get_if<double>(&value)) slot = *d;
        else if (auto b = std::get_if<bool>(&value)) slot = *b;
        else if (auto f = std::get_if<FontRef>(&value)) slot = *f ? FontObjectToJson(**f) : nullptr;
        else if (auto p = std::get_if<PictureRef>(&value)) {
            if (*p && !(*p)->SourcePath().empty()) slot = platform::ToUtf8((*p)->SourcePath());
            else slot = nullptr;
        } else slot = nullptr;
    }
    return json;
}

}  // namespace forms
