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

// JSON text as the JSON writer dumped it (U+0000-U+001F, quotes and
// backslashes escaped) with DEL and U+0080-U+009F escaped too, as \u00NN:
// JSON allows them raw, but a terminal takes them as controls, and the DOS
// Hebrew letters of stored texts are just these codes.
std::string withoutRawControls(const std::string& json);

// One string value in JSON, so escaped.
std::string jsonString(const std::string& utf8);

}  // namespace vrn::cli
