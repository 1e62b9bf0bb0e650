#pragma once
// How ASCII DXF text is cut into lines: one rule for the reader's scanner,
// which reads a file once, and for the records that split their groups out
// of the same text later, so both see the same groups. A line ends with
// "\r\n" or "\n" (mixed even); the last line of a file may have no line end
// and then keeps all its bytes.

#include <cstring>
#include <string_view>

namespace vrn::drawing {

// The line at `pos` without its line end; `pos` moves past it.
inline std::string_view nextDxfLine(const char*& pos, const char* end) {
  const char* begin = pos;
  const auto* newline =
      static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(end - begin)));
  if (newline == nullptr) {
    pos = end;
    return {begin, static_cast<std::size_t>(end - begin)};
  }
  pos = newline + 1;
  const char* lineEnd = newline != begin && newline[-1] == '\r' ? newline - 1 : newline;
  return {begin, static_cast<std::size_t>(lineEnd - begin)};
}

}  // namespace vrn::drawing
