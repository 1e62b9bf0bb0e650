#include "drawing/handles.h"

#include <charconv>

namespace vrn::drawing {

std::optional<Handle> parseHandle(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  Handle value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc() || ptr != text.data() + text.size() || value == 0) return std::nullopt;
  return value;
}

std::string formatHandle(Handle handle) {
  char buffer[20];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, handle, 16);
  std::string text(buffer, ptr);
  for (char& c : text) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

int handleCode(std::string_view type) { return type == "DIMSTYLE" ? 105 : 5; }

int handleCode(const Record& record) { return handleCode(record.type()); }

std::optional<Handle> recordHandle(const Record& record) {
  const int code = handleCode(record);
  if (!record.has(code)) return std::nullopt;
  return parseHandle(record.value(code));
}

}  // namespace vrn::drawing
