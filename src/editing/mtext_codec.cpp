#include "editing/mtext_codec.h"

#include <optional>

namespace vrn::editing {
namespace {

int hexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

constexpr std::size_t kEscapeDigits = 4;

// The character of a "\U+XXXX" escape starting at `at`, when one does.
std::optional<char16_t> escapeAt(std::u16string_view text, std::size_t at) {
  if (text.substr(at, 3) != u"\\U+" || text.size() < at + 3 + kEscapeDigits) return std::nullopt;
  unsigned code = 0;
  for (const char16_t c : text.substr(at + 3, kEscapeDigits)) {
    const int digit = hexDigit(c);
    if (digit < 0) return std::nullopt;
    code = code * 16 + static_cast<unsigned>(digit);
  }
  return static_cast<char16_t>(code);
}

}  // namespace

// Exactly four digits, as the DXF reader takes them: a letter after the
// escape is text, not a fifth digit.
std::u16string DecodeUnicodeEscapes(std::u16string_view text) {
  if (text.find(u"\\U") == std::u16string_view::npos) return std::u16string(text);
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] != u'\\') {
      out += text[i++];
    } else if (const auto escaped = escapeAt(text, i)) {
      out += *escaped;
      i += 3 + kEscapeDigits;
    } else {
      // A backslash keeps the character after it literal ("\\U+05D0").
      out += text.substr(i, 2);
      i += 2;
    }
  }
  return out;
}

namespace {

// The "}" that closes the group opened by text[0], or npos. A backslash
// escapes the character after it ("\}", "\\").
std::size_t closingBrace(std::u16string_view text) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\') {
      ++i;
    } else if (text[i] == u'{') {
      ++depth;
    } else if (text[i] == u'}' && --depth == 0) {
      return i;
    }
  }
  return std::u16string_view::npos;
}

}  // namespace

std::u16string stripFormatGroup(std::u16string_view text) {
  std::u16string s(text);
  if (!(s.size() >= 2 && s.starts_with(u"{\\"))) return s;
  const auto semicolon = s.find(u';');
  if (semicolon == std::u16string::npos) return s;
  // AutoCAD closes the group where the formatting ends, often before the
  // last paragraph: that brace is the group's, not the user's.
  const auto closing = closingBrace(s);
  if (closing != std::u16string::npos && closing > semicolon) {
    s.erase(closing, 1);
    s.erase(0, semicolon + 1);
    return s;
  }
  s.erase(0, semicolon + 1);
  if (!s.empty() && s.back() == u'}') s.pop_back();
  if (s.size() >= 2 && s[s.size() - 2] == u'}') s.resize(s.size() - 2);
  return s;
}

std::vector<std::u16string> splitParagraphs(std::u16string_view text) {
  std::vector<std::u16string> paragraphs;
  std::size_t start = 0;
  for (auto brk = text.find(u"\\P"); brk != std::u16string_view::npos;
       brk = text.find(u"\\P", start)) {
    paragraphs.emplace_back(text.substr(start, brk - start));
    start = brk + 2;
  }
  if (start < text.size()) paragraphs.emplace_back(text.substr(start));
  return paragraphs;
}

}  // namespace vrn::editing
