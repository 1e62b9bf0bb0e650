#include "editing/mtext_codec.h"

#include <cstdint>

namespace vrn::editing {
namespace {

int hexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

}  // namespace

// A scan with five states, written by hand because the escape has no length
// limit and is only upper case, which no library decoder does.
std::u16string DecodeUnicodeEscapes(std::u16string_view text) {
  if (text.find(u"\\U") == std::u16string_view::npos) return std::u16string(text);
  enum class State { Plain, Backslash, AfterU, AfterPlus, Digits };
  std::u16string out;
  State state = State::Plain;
  std::uint16_t code = 0;
  bool anyDigit = false;
  auto endEscape = [&] {
    // "\U+0" without digits is no escape: keep it as it was written.
    if (anyDigit) {
      out += static_cast<char16_t>(code);
    } else {
      out += u"\\U+0";
    }
    code = 0;
    anyDigit = false;
  };
  for (std::size_t i = 0; i < text.size();) {
    const char16_t c = text[i];
    bool consumed = true;
    switch (state) {
      case State::Plain:
        if (c == u'\\') {
          state = State::Backslash;
        } else {
          out += c;
        }
        break;
      case State::Backslash:
        if (c == u'U') {
          state = State::AfterU;
        } else {
          out += u'\\';
          out += c;
          state = State::Plain;
        }
        break;
      case State::AfterU:
        if (c == u'+') {
          state = State::AfterPlus;
        } else {
          out += u"\\U";
          state = State::Plain;
          consumed = false;
        }
        break;
      case State::AfterPlus:
        if (c == u'0') {
          state = State::Digits;
        } else {
          out += u"\\U+";
          state = State::Plain;
          consumed = false;
        }
        break;
      case State::Digits:
        if (const int d = hexDigit(c); d >= 0) {
          code = static_cast<std::uint16_t>((code << 4) | d);
          anyDigit = true;
        } else {
          endEscape();
          state = State::Plain;
          consumed = false;
        }
        break;
    }
    if (consumed) ++i;
  }
  switch (state) {
    case State::Plain:
      break;
    case State::Backslash:
      out += u'\\';
      break;
    case State::AfterU:
      out += u"\\U";
      break;
    case State::AfterPlus:
      out += u"\\U+";
      break;
    case State::Digits:
      endEscape();
      break;
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
