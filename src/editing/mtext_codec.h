#pragma once
// The MTEXT codec: from an MTEXT's stored TextString to its paragraphs.
//
//   DecodeUnicodeEscapes   "\U+05D0" escapes -> the characters they name
//   stripFormatGroup       "{\fArial|b0;text}" -> "text"
//   splitParagraphs        "a\Pb\P" -> {"a", "b"}
//
// Only the leading format group and the "\P" breaks are interpreted; any
// other formatting code stays in the text as literal characters. All three
// work on the stored form: the paragraphs still need AcadToEditWin before
// an editor shows them.

#include <string>
#include <string_view>
#include <vector>

namespace vrn::editing {

// Replaces each "\U+XXXX" (exactly four hexadecimal digits, either case)
// with the character of that code. A lower-case "\u", or too few digits, is
// no escape and stays as written, and so does anything after a doubled
// backslash ("\\U+05D0"). A text without "\U" comes back unchanged.
std::u16string DecodeUnicodeEscapes(std::u16string_view text);

// Removes a leading format group: when the text begins with "{\" and holds
// a ";", everything up to and including the first ";" goes, and so does the
// "}" that closes the group, wherever it stands ("{\fArial;a}\Pb" gives
// "a\Pb"). A group that is never closed loses a "}" at the end, then a "}"
// before the last character together with that character. A text without
// such a group comes back unchanged.
std::u16string stripFormatGroup(std::u16string_view text);

// The paragraphs between "\P" breaks. A break at the very end adds no empty
// paragraph; an empty text has none; "a\P\Pb" has an empty one in the middle.
std::vector<std::u16string> splitParagraphs(std::u16string_view text);

}  // namespace vrn::editing
