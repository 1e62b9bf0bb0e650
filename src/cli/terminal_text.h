#pragma once
// Text that came from a file, made safe to show on a terminal: a drawing,
// a font map or a database could otherwise move the cursor, recolour,
// retitle or clear the user's terminal through escape sequences.
//
//   control characters (U+0000-U+001F, DEL, U+0080-U+009F)   \xNN, NN the code
//   bytes that are no well-formed UTF-8                       \xNN, NN the byte
//
// Everything else, backslashes included, passes unchanged, so Hebrew,
// MTEXT codes and file names read as they are.

#include <string>
#include <string_view>

namespace vrn::cli {

enum class LineFeeds { Escape, Keep };

std::string terminalSafe(std::string_view utf8, LineFeeds lineFeeds = LineFeeds::Escape);

// One string value in JSON, in UTF-8: quotes, backslashes and
// U+0000-U+001F escaped as the JSON writer escapes them, and DEL and
// U+0080-U+009F as \u00NN too: JSON allows them raw, but a terminal takes
// them as controls, and the DOS Hebrew letters of stored texts are just
// these codes. Written at `at`, which has jsonRoom(text) bytes; returns the
// byte after it. A writer of millions of strings writes them into room it
// keeps.
char* writeJsonString(char* at, std::u16string_view text);
constexpr std::size_t jsonRoom(std::u16string_view text) {
  constexpr std::size_t kLongestUnit = 6;  // \u00XX
  return 2 + kLongestUnit * text.size();
}

}  // namespace vrn::cli
