#include "drawing/entity_filter.h"

#include "host/host_error.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Variant;
namespace hr = host::hr;

std::u16string lower(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return out;
}

std::vector<Variant> itemsOf(const Variant& v) {
  if (v.type() == Variant::Type::Array) return v.array().items;
  return {v};
}

std::vector<std::u16string> patternsOf(const std::u16string& list) {
  std::vector<std::u16string> out;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(u',', start), list.size());
    std::u16string item = lower(std::u16string_view(list).substr(start, comma - start));
    while (!item.empty() && item.front() == u' ') item.erase(item.begin());
    while (!item.empty() && item.back() == u' ') item.pop_back();
    if (!item.empty()) out.push_back(std::move(item));
    start = comma + 1;
  }
  return out;
}

}  // namespace

bool matchesPattern(std::u16string_view text, std::u16string_view pattern) {
  if (pattern.empty()) return text.empty();
  if (pattern.front() == u'*') {
    for (std::size_t i = 0; i <= text.size(); ++i) {
      if (matchesPattern(text.substr(i), pattern.substr(1))) return true;
    }
    return false;
  }
  return !text.empty() && text.front() == pattern.front() &&
         matchesPattern(text.substr(1), pattern.substr(1));
}

EntityFilter EntityFilter::fromArrays(const Variant& types, const Variant& values) {
  EntityFilter filter;
  if (types.isEmpty() && values.isEmpty()) return filter;
  const std::vector<Variant> codes = itemsOf(types);
  const std::vector<Variant> data = itemsOf(values);
  if (codes.size() != data.size()) {
    throw HostError(hr::kInvalidArg, "The filter's types and values differ in number");
  }
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const int code = codes[i].toInt();
    if (code != 0 && code != 2 && code != 8) {
      throw HostError(hr::kInvalidArg, "Unsupported filter group code " + std::to_string(code));
    }
    filter.conditions_.push_back({code, patternsOf(data[i].toString())});
  }
  return filter;
}

bool EntityFilter::accepts(const Entity& entity, const TextCodec& codec) const {
  for (const Condition& c : conditions_) {
    if (c.code == 2 && entity.record.type() != "INSERT") return false;
    const std::u16string value = lower(codec.decode(entity.record.value(c.code)));
    bool any = false;
    for (const std::u16string& p : c.patterns) any = any || matchesPattern(value, p);
    if (!any) return false;
  }
  return true;
}

}  // namespace vrn::drawing
