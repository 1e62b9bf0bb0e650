// Unicode's BidiCharacterTest.txt (Debian's unicode-data) against the line
// order. Each row: code points; paragraph direction (0, 1, or 2 for auto);
// resolved paragraph level; resolved levels (x for characters that rule X9
// removes); the display order of the characters that remain.
//
// Our reorder takes the reading direction as given, so an auto row runs
// with the level the file resolved for it. Display order keeps every
// character; the harness drops the X9-removed ones (embedding controls and
// boundary neutrals) before comparing, as the file does.
//
// Skip rule: when the file is for a newer Unicode than ICU's, a row holding
// a character ICU does not know (unassigned, or assigned in a later
// version) is skipped, since its bidi class may differ. When ICU is as new
// as the file, no row may be skipped.
//
// ICU itself departs from the file in three corners (30 rows with ICU 72
// against Unicode 15.0), none of which a drawing label reaches: overrides
// and embeddings (U+202A-U+202E) around isolates or brackets, a nonspacing
// mark right after a bracket (rule N0 since Unicode 8.0), and brackets
// nested deeper than the 63 pairs of rule BD16. A failing row in one of
// these corners is counted and shown as an ICU divergence, never as a pass,
// and there may be no more of them than maxIcuDivergences; a failure
// anywhere else fails the test.

#include "platform/bidi.h"

#include <unicode/uchar.h>
#include <unicode/uversion.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "displayed.h"

namespace vrn::platform {
namespace {

constexpr const char* testFile = "/usr/share/unicode/BidiCharacterTest.txt";
constexpr int maxIcuDivergences = 30;

struct Row {
  std::vector<char32_t> text;
  int paragraphLevel = 0;
  std::vector<bool> removed;
  std::vector<std::size_t> order;
};

std::vector<std::string> split(const std::string& s, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(s);
  for (std::string part; std::getline(in, part, separator);) {
    parts.push_back(part);
  }
  return parts;
}

std::optional<Row> parseRow(const std::string& line) {
  const auto fields = split(line, ';');
  if (fields.size() != 5) {
    return std::nullopt;
  }
  Row row;
  std::istringstream points(fields[0]);
  for (std::string hex; points >> hex;) {
    row.text.push_back(static_cast<char32_t>(std::stoul(hex, nullptr, 16)));
  }
  row.paragraphLevel = std::stoi(fields[2]);
  std::istringstream levels(fields[3]);
  for (std::string level; levels >> level;) {
    row.removed.push_back(level == "x");
  }
  std::istringstream order(fields[4]);
  for (std::size_t index = 0; order >> index;) {
    row.order.push_back(index);
  }
  if (row.text.empty() || row.removed.size() != row.text.size() ||
      (row.paragraphLevel != 0 && row.paragraphLevel != 1)) {
    return std::nullopt;
  }
  return row;
}

std::u16string utf16(const std::vector<char32_t>& text) {
  std::u16string s;
  for (char32_t c : text) {
    if (c >= 0x10000) {
      s += static_cast<char16_t>(0xD7C0 + (c >> 10));
      s += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      s += static_cast<char16_t>(c);
    }
  }
  return s;
}

std::vector<char32_t> codePoints(const std::u16string& s) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
    }
    points.push_back(c);
  }
  return points;
}

bool removedByX9(char32_t c) {
  switch (u_charDirection(static_cast<UChar32>(c))) {
    case U_LEFT_TO_RIGHT_EMBEDDING:
    case U_RIGHT_TO_LEFT_EMBEDDING:
    case U_LEFT_TO_RIGHT_OVERRIDE:
    case U_RIGHT_TO_LEFT_OVERRIDE:
    case U_POP_DIRECTIONAL_FORMAT:
    case U_BOUNDARY_NEUTRAL:
      return true;
    default:
      return false;
  }
}

bool isBracket(char32_t c) {
  return u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_BIDI_PAIRED_BRACKET_TYPE) !=
         U_BPT_NONE;
}

bool isEmbeddingControl(char32_t c) { return c >= 0x202A && c <= 0x202E; }

bool markAfterBracket(const std::vector<char32_t>& text) {
  char32_t previous = 0;
  for (char32_t c : text) {
    const UCharDirection direction = u_charDirection(static_cast<UChar32>(c));
    if (direction == U_DIR_NON_SPACING_MARK && isBracket(previous)) {
      return true;
    }
    if (direction != U_BOUNDARY_NEUTRAL) {
      previous = c;
    }
  }
  return false;
}

bool nestedBeyondBracketStack(const std::vector<char32_t>& text) {
  int depth = 0;
  for (char32_t c : text) {
    const auto type = u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_BIDI_PAIRED_BRACKET_TYPE);
    depth += type == U_BPT_OPEN ? 1 : type == U_BPT_CLOSE ? -1 : 0;
    if (depth > 63) {
      return true;
    }
  }
  return false;
}

bool inAnIcuCorner(const std::vector<char32_t>& text) {
  return std::any_of(text.begin(), text.end(), isEmbeddingControl) || markAfterBracket(text) ||
         nestedBeyondBracketStack(text);
}

using Version = std::array<int, 3>;

Version icuUnicodeVersion() {
  UVersionInfo info;
  u_getUnicodeVersion(info);
  return {info[0], info[1], info[2]};
}

// "# BidiCharacterTest-15.0.0.txt" on the first line.
std::optional<Version> fileVersion(const std::string& firstLine) {
  Version v{};
  if (std::sscanf(firstLine.c_str(), "# BidiCharacterTest-%d.%d.%d.txt", &v[0], &v[1], &v[2]) != 3) {
    return std::nullopt;
  }
  return v;
}

bool unknownToIcu(char32_t c, const Version& icu) {
  UVersionInfo age;
  u_charAge(static_cast<UChar32>(c), age);
  const Version charAge{age[0], age[1], age[2]};
  return u_charType(static_cast<UChar32>(c)) == U_UNASSIGNED || charAge > icu;
}

std::string show(const std::vector<char32_t>& points) {
  std::ostringstream out;
  out << std::hex << std::uppercase;
  for (char32_t c : points) {
    out << static_cast<unsigned long>(c) << ' ';
  }
  return out.str();
}

TEST(BidiConformance, BidiCharacterTestRowsReorderAsUnicodeSays) {
  std::ifstream in(testFile);
  ASSERT_TRUE(in) << testFile << " is missing (Debian package unicode-data)";
  std::string line;
  std::getline(in, line);
  const std::optional<Version> version = fileVersion(line);
  ASSERT_TRUE(version) << "unexpected first line: " << line;
  const Version icu = icuUnicodeVersion();
  const bool maySkip = *version > icu;

  int rows = 0;
  int ran = 0;
  int passed = 0;
  int skipped = 0;
  int icuDivergences = 0;
  std::string divergentLines;
  for (int number = 2; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    ++rows;
    const std::optional<Row> row = parseRow(line);
    if (!row) {
      ADD_FAILURE() << "line " << number << " does not parse: " << line;
      continue;
    }
    if (maySkip && std::any_of(row->text.begin(), row->text.end(),
                               [&icu](char32_t c) { return unknownToIcu(c, icu); })) {
      ++skipped;
      continue;
    }
    ++ran;
    const auto direction =
        row->paragraphLevel == 1 ? ReadingDirection::RightToLeft : ReadingDirection::LeftToRight;
    std::vector<char32_t> actual;
    for (char32_t c : codePoints(displayed(utf16(row->text), direction))) {
      if (!removedByX9(c)) {
        actual.push_back(c);
      }
    }
    std::vector<char32_t> expected;
    for (std::size_t index : row->order) {
      expected.push_back(row->text.at(index));
    }
    if (actual == expected) {
      ++passed;
    } else if (inAnIcuCorner(row->text)) {
      ++icuDivergences;
      divergentLines += " " + std::to_string(number);
    } else {
      ADD_FAILURE() << "line " << number << ": " << line << "\n  got " << show(actual);
    }
  }
  std::cout << "BidiCharacterTest " << (*version)[0] << "." << (*version)[1] << "." << (*version)[2]
            << " (ICU Unicode " << icu[0] << "." << icu[1] << "." << icu[2] << "): rows " << rows
            << ", ran " << ran << ", passed " << passed << ", ICU divergences " << icuDivergences
            << ", skipped " << skipped << "\n";
  if (icuDivergences > 0) {
    std::cout << "ICU divergences on lines" << divergentLines << "\n";
  }
  EXPECT_GT(rows, 90000);
  EXPECT_EQ(ran + skipped, rows);
  EXPECT_EQ(passed + icuDivergences, ran);
  EXPECT_LE(icuDivergences, maxIcuDivergences);
  if (!maySkip) {
    EXPECT_EQ(skipped, 0);
  }
}

}  // namespace
}  // namespace vrn::platform
