#pragma once
// The platform's bidirectional layout: character classes and the display
// order of one line. Both work on UTF-16 units and keep lengths; neither
// mirrors brackets nor shapes, which is the renderer's business, so every
// platform gives the same strings.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vrn::platform {

enum class ReadingDirection : std::uint8_t { LeftToRight, RightToLeft };

// The class character placement reports for a right-to-left letter
// (GCPCLASS_HEBREW, which Arabic letters share). Other values only mean
// "not a right-to-left letter".
inline constexpr std::uint8_t kRightToLeftLetterClass = 2;

// classes[i] := the class of text[i]; exactly the letters of right-to-left
// scripts (bidirectional class R or AL) get kRightToLeftLetterClass, and both
// halves of a surrogate pair get the class of their character. classes must
// be as long as text.
void characterClasses(std::u16string_view text, std::span<std::uint8_t> classes);

// The line in left-to-right display order when it is read in the given
// direction (the Unicode bidirectional algorithm at line level): the same
// units, bidi controls kept in place. display's storage is reused, so a
// caller that keeps it pays for no allocation per line.
void displayOrder(std::u16string_view line, ReadingDirection direction, std::u16string& display);

}  // namespace vrn::platform
