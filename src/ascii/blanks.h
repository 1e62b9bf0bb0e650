#pragma once
// Blank trimming: the blanks are the space and the tab, the characters that
// may surround a key or value of an INI line, a number read from text or a
// line of a configuration file. Line breaks are no blanks here; a reader
// splits lines first.

#include <string_view>

namespace vrn {
namespace ascii_detail {

template <class Char>
constexpr std::basic_string_view<Char> trimBlanks(std::basic_string_view<Char> text) {
  const auto isBlank = [](Char c) { return c == Char{' '} || c == Char{'\t'}; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace ascii_detail

// The text without the blanks at either end: a view into the caller's text.
constexpr std::string_view trimBlanks(std::string_view text) {
  return ascii_detail::trimBlanks(text);
}
constexpr std::u16string_view trimBlanks(std::u16string_view text) {
  return ascii_detail::trimBlanks(text);
}

}  // namespace vrn
