#include "drawing/record.h"

#include <algorithm>
#include <charconv>

namespace vrn::drawing {

std::vector<Group>& Record::edit() {
  buffer_.reset();
  original_ = {};
  return groups_;
}

std::string_view Record::type() const { return value(0); }

std::size_t Record::find(int code, std::size_t from) const {
  for (std::size_t i = from; i < groups_.size(); ++i) {
    if (groups_[i].code == code) return i;
  }
  return npos;
}

std::string_view Record::value(int code, std::string_view fallback) const {
  const std::size_t i = find(code);
  return i == npos ? fallback : std::string_view(groups_[i].value);
}

namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

double Record::number(int code, double fallback) const {
  const std::string_view text = trimmed(value(code));
  if (text.empty()) return fallback;
  double result = fallback;
  const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
  const auto [ptr, ec] = std::from_chars(begin, text.data() + text.size(), result);
  return ec == std::errc() ? result : fallback;
}

std::int32_t Record::integer(int code, std::int32_t fallback) const {
  const std::string_view text = trimmed(value(code));
  if (text.empty()) return fallback;
  std::int32_t result = fallback;
  const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
  const auto [ptr, ec] = std::from_chars(begin, text.data() + text.size(), result);
  return ec == std::errc() ? result : fallback;
}

void Record::set(int code, std::string value, std::initializer_list<int> before) {
  const std::size_t at = find(code);
  if (at != npos) {
    if (groups_[at].value != value) edit()[at].value = std::move(value);
    return;
  }
  auto& groups = edit();
  auto pos = std::find_if(groups.begin(), groups.end(), [&](const Group& g) {
    return std::find(before.begin(), before.end(), g.code) != before.end();
  });
  groups.insert(pos, Group{code, std::move(value)});
}

void Record::erase(int code) {
  if (!has(code)) return;
  std::erase_if(edit(), [code](const Group& g) { return g.code == code; });
}

std::string formatNumber(double value) {
  char buffer[64];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, ptr);
  // DXF readers expect a decimal point in a real value.
  if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
  return text;
}

}  // namespace vrn::drawing
