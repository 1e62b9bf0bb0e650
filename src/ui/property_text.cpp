#include "ui/property_text.h"

#include <algorithm>
#include <charconv>

namespace vrn::ui {

std::u16string propertyText(bool value) { return value ? u"true" : u"false"; }

std::u16string propertyText(int value) {
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string variantText(const host::Variant& value) {
  using Type = host::Variant::Type;
  switch (value.type()) {
    case Type::Null:
      return u"Null";
    case Type::Object:
    case Type::Array:
      return {};
    default:
      return value.toString();
  }
}

bool sameName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<PropertyName> splitPropertyName(std::string_view name) {
  std::size_t open = name.find('[');
  if (open == std::string_view::npos) return PropertyName{name, {}};
  if (name.back() != ']') return std::nullopt;
  PropertyName result{name.substr(0, open), {}};
  std::string_view inside = name.substr(open + 1, name.size() - open - 2);
  while (true) {
    std::size_t comma = inside.find(',');
    std::string_view part = inside.substr(0, comma);
    int value = 0;
    auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || end != part.data() + part.size() || part.empty())
      return std::nullopt;
    result.indexes.push_back(value);
    if (comma == std::string_view::npos) break;
    inside.remove_prefix(comma + 1);
  }
  return result;
}

}  // namespace vrn::ui
