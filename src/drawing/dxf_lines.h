#pragma once
// How ASCII DXF text is cut into lines: one rule for the reader's scanner,
// which reads a file once, and for the records that split their groups out
// of the same text later, so both see the same groups. A line ends with
// "\r\n" or "\n" (mixed even); the last line of a file may have no line end
// and then keeps all its bytes.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vrn::drawing {

// The first '\n' in [pos, end), or null. Most lines of a drawing (codes,
// handles, numbers) are shorter than 16 bytes, where a call to memchr costs
// more than the search: the first 16 bytes are searched 8 at a time in a
// register (a byte equal to '\n' becomes the lowest 0x80 bit of the word
// xored with it, less ones, masked), the rest by memchr.
inline const char* findDxfLineEnd(const char* pos, const char* end) {
  static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  constexpr std::uint64_t kNewlines = kOnes * '\n';
  for (int word = 0; word < 2 && end - pos >= 8; ++word, pos += 8) {
    std::uint64_t bytes;
    std::memcpy(&bytes, pos, sizeof bytes);
    bytes ^= kNewlines;
    const std::uint64_t found = (bytes - kOnes) & ~bytes & kHighs;
    if (found != 0) return pos + std::countr_zero(found) / 8;
  }
  return static_cast<const char*>(std::memchr(pos, '\n', static_cast<std::size_t>(end - pos)));
}

// The line at `pos` without its line end; `pos` moves past it.
inline std::string_view nextDxfLine(const char*& pos, const char* end) {
  const char* begin = pos;
  const char* newline = findDxfLineEnd(begin, end);
  if (newline == nullptr) {
    pos = end;
    return {begin, static_cast<std::size_t>(end - begin)};
  }
  pos = newline + 1;
  const char* lineEnd = newline != begin && newline[-1] == '\r' ? newline - 1 : newline;
  return {begin, static_cast<std::size_t>(lineEnd - begin)};
}

// The usual code line: the code right-justified in three columns, as
// AutoCAD writes it ("  0", " 10", "100"), then the line end. Moves `pos`
// past it and gives the code; any other form (a longer code, other
// blanks, a sign) is left to the caller's general path, `pos` unmoved.
inline bool quickDxfCode(const char*& pos, const char* end, int& code) {
  if (end - pos < 4) return false;
  const char* p = pos;
  const auto digit = [](char c) { return static_cast<unsigned>(c) - unsigned{'0'}; };
  const unsigned ones = digit(p[2]);
  if (ones > 9) return false;
  unsigned tens = 0;
  unsigned hundreds = 0;
  if (p[1] != ' ') {
    tens = digit(p[1]);
    if (tens > 9) return false;
    if (p[0] != ' ') {
      hundreds = digit(p[0]);
      if (hundreds > 9) return false;
    }
  } else if (p[0] != ' ') {
    return false;
  }
  if (p[3] == '\n') {
    pos = p + 4;
  } else if (p[3] == '\r' && end - p >= 5 && p[4] == '\n') {
    pos = p + 5;
  } else {
    return false;
  }
  code = static_cast<int>(hundreds * 100 + tens * 10 + ones);
  return true;
}

}  // namespace vrn::drawing
