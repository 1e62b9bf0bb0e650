#pragma once
// UTF-8 <-> UTF-16 for the edges of the system (command line, JSON, file
// names, error messages). Both directions are total: an ill-formed sequence
// becomes U+FFFD, never an exception, so a damaged text can still be shown.

#include <string>
#include <string_view>

namespace vrn {

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);
// The same, appended to `out`: a writer of many strings reuses one buffer.
void appendAsUtf8(std::string& out, std::u16string_view text);

// The code point at text[i] (a lone surrogate reads as U+FFFD), moving i
// past it.
char32_t codePointAt(std::u16string_view text, std::size_t& i);
// Writes cp as UTF-8 at `at`, which has room for 4 bytes; returns the byte
// after it.
char* writeUtf8(char* at, char32_t cp);

}  // namespace vrn
