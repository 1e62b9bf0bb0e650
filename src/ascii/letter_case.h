#pragma once
// ASCII case folding: only the letters A-Z and a-z change case, every other
// character (Hebrew letters, accented Latin letters) stays as it is. Member
// names of automation objects, font file names, font map words, database
// column names and language codes all compare this way, so a name never
// matches differently with the user's locale.

#include <string>
#include <string_view>

namespace vrn {
namespace ascii_detail {

template <class Char>
constexpr Char lower(Char c) {
  return c >= Char{'A'} && c <= Char{'Z'} ? static_cast<Char>(c - Char{'A'} + Char{'a'}) : c;
}

template <class Char>
constexpr Char upper(Char c) {
  return c >= Char{'a'} && c <= Char{'z'} ? static_cast<Char>(c - Char{'a'} + Char{'A'}) : c;
}

template <class Char, class Fold>
std::basic_string<Char> folded(std::basic_string_view<Char> text, Fold fold) {
  std::basic_string<Char> result(text);
  for (Char& c : result) c = fold(c);
  return result;
}

template <class Char>
constexpr bool equalIgnoringCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace ascii_detail

inline std::string lowerAscii(std::string_view text) {
  return ascii_detail::folded(text, ascii_detail::lower<char>);
}
inline std::u16string lowerAscii(std::u16string_view text) {
  return ascii_detail::folded(text, ascii_detail::lower<char16_t>);
}
inline std::string upperAscii(std::string_view text) {
  return ascii_detail::folded(text, ascii_detail::upper<char>);
}
inline std::u16string upperAscii(std::u16string_view text) {
  return ascii_detail::folded(text, ascii_detail::upper<char16_t>);
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return ascii_detail::equalIgnoringCase(a, b);
}
constexpr bool equalsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return ascii_detail::equalIgnoringCase(a, b);
}

}  // namespace vrn
