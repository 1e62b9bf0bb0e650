#include "platform/posix/common_line_bidi.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vrn::platform {
namespace {

// The bidirectional classes of the characters ordered here; None marks a
// character left to ICU.
enum class Kind : std::uint8_t { None, L, R, EN, ES, ET, CS, WS, ON };

// Longer lines go to ICU; labels are far shorter.
constexpr std::size_t kLongestLine = 256;
// Brackets open at once; the algorithm stops pairing beyond this depth,
// which ICU handles.
constexpr std::size_t kDeepestBrackets = 63;

constexpr std::array<Kind, 128> asciiKinds() {
  std::array<Kind, 128> kinds{};
  for (char16_t c = u'!'; c <= u'~'; ++c) kinds[c] = Kind::ON;
  for (char16_t c = u'A'; c <= u'Z'; ++c) kinds[c] = Kind::L;
  for (char16_t c = u'a'; c <= u'z'; ++c) kinds[c] = Kind::L;
  for (char16_t c = u'0'; c <= u'9'; ++c) kinds[c] = Kind::EN;
  kinds[u' '] = Kind::WS;
  kinds[u'+'] = kinds[u'-'] = Kind::ES;
  kinds[u','] = kinds[u'.'] = kinds[u'/'] = kinds[u':'] = Kind::CS;
  kinds[u'#'] = kinds[u'$'] = kinds[u'%'] = Kind::ET;
  return kinds;
}

constexpr std::array<Kind, 128> kAsciiKinds = asciiKinds();

// Hebrew letters, the final forms, the ligatures, geresh, gershayim and maqaf.
bool isHebrewLetterOrMark(char16_t c) {
  return (c >= 0x05D0 && c <= 0x05EA) || (c >= 0x05F0 && c <= 0x05F4) || c == 0x05BE;
}

Kind kindOf(char16_t c) {
  if (c < kAsciiKinds.size()) return kAsciiKinds[c];
  return isHebrewLetterOrMark(c) ? Kind::R : Kind::None;
}

// The direction a resolved class gives its neighbours: numbers count as
// right to left; None for neutrals.
Kind strongOf(Kind kind) {
  if (kind == Kind::L) return Kind::L;
  return kind == Kind::R || kind == Kind::EN ? Kind::R : Kind::None;
}

char16_t closerOf(char16_t opener) {
  switch (opener) {
    case u'(':
      return u')';
    case u'[':
      return u']';
    case u'{':
      return u'}';
    default:
      return 0;
  }
}

bool isCloser(char16_t c) { return c == u')' || c == u']' || c == u'}'; }

// Separators and terminators next to numbers join them (W4, W5); the rest
// become neutrals (W6); a number after a left-to-right letter takes its
// direction (W7).
void resolveWeak(std::span<Kind> kinds, Kind start) {
  const std::size_t n = kinds.size();
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if ((kinds[i] == Kind::ES || kinds[i] == Kind::CS) && kinds[i - 1] == Kind::EN &&
        kinds[i + 1] == Kind::EN) {
      kinds[i] = Kind::EN;
    }
  }
  for (std::size_t i = 0; i < n;) {
    std::size_t end = i;
    while (end < n && kinds[end] == Kind::ET) ++end;
    if (end == i) {
      ++i;
      continue;
    }
    if ((i > 0 && kinds[i - 1] == Kind::EN) || (end < n && kinds[end] == Kind::EN)) {
      std::fill(kinds.begin() + static_cast<std::ptrdiff_t>(i),
                kinds.begin() + static_cast<std::ptrdiff_t>(end), Kind::EN);
    }
    i = end;
  }
  Kind lastStrong = start;
  for (Kind& kind : kinds) {
    if (kind == Kind::ES || kind == Kind::ET || kind == Kind::CS) kind = Kind::ON;
    if (kind == Kind::L || kind == Kind::R) lastStrong = kind;
    if (kind == Kind::EN && lastStrong == Kind::L) kind = Kind::L;
  }
}

struct BracketPair {
  std::size_t open;
  std::size_t close;
};

struct OpenBracket {
  char16_t closer;
  std::size_t at;
};

// Paired brackets take the direction of what they enclose (N0). False when
// the brackets nest deeper than the algorithm pairs.
bool resolveBrackets(std::u16string_view line, std::span<Kind> kinds, Kind embedding) {
  std::array<OpenBracket, kDeepestBrackets> open;
  std::size_t depth = 0;
  std::array<BracketPair, kLongestLine / 2> pairs;
  std::size_t count = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (kinds[i] != Kind::ON) continue;
    if (const char16_t closer = closerOf(line[i])) {
      if (depth == open.size()) return false;
      open[depth++] = {closer, i};
    } else if (isCloser(line[i])) {
      for (std::size_t d = depth; d-- > 0;) {
        if (open[d].closer == line[i]) {
          pairs[count++] = {open[d].at, i};
          depth = d;
          break;
        }
      }
    }
  }
  std::sort(pairs.begin(), pairs.begin() + static_cast<std::ptrdiff_t>(count),
            [](const BracketPair& a, const BracketPair& b) { return a.open < b.open; });
  const Kind opposite = embedding == Kind::L ? Kind::R : Kind::L;
  for (std::size_t p = 0; p < count; ++p) {
    const auto [from, to] = pairs[p];
    bool embeddingInside = false;
    bool oppositeInside = false;
    for (std::size_t i = from + 1; i < to && !embeddingInside; ++i) {
      embeddingInside = strongOf(kinds[i]) == embedding;
      oppositeInside = oppositeInside || strongOf(kinds[i]) == opposite;
    }
    Kind direction = Kind::None;
    if (embeddingInside) {
      direction = embedding;
    } else if (oppositeInside) {
      Kind before = embedding;  // the start of the line, when nothing strong precedes
      for (std::size_t i = from; i-- > 0;) {
        if (strongOf(kinds[i]) != Kind::None) {
          before = strongOf(kinds[i]);
          break;
        }
      }
      direction = before;
    }
    if (direction != Kind::None) kinds[from] = kinds[to] = direction;
  }
  return true;
}

// Neutrals between two of one direction take it (N1); the others take the
// paragraph's (N2).
void resolveNeutrals(std::span<Kind> kinds, Kind embedding) {
  const std::size_t n = kinds.size();
  const auto neutral = [](Kind kind) { return kind == Kind::WS || kind == Kind::ON; };
  for (std::size_t i = 0; i < n;) {
    if (!neutral(kinds[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < n && neutral(kinds[end])) ++end;
    const Kind before = i == 0 ? embedding : strongOf(kinds[i - 1]);
    const Kind after = end == n ? embedding : strongOf(kinds[end]);
    std::fill(kinds.begin() + static_cast<std::ptrdiff_t>(i),
              kinds.begin() + static_cast<std::ptrdiff_t>(end),
              before == after ? before : embedding);
    i = end;
  }
}

}  // namespace

bool commonLineDisplayOrder(std::u16string_view line, ReadingDirection direction,
                            std::u16string& display) {
  const std::size_t n = line.size();
  if (n > kLongestLine) return false;
  std::array<Kind, kLongestLine> storage;
  const std::span<Kind> kinds(storage.data(), n);
  for (std::size_t i = 0; i < n; ++i) {
    kinds[i] = kindOf(line[i]);
    if (kinds[i] == Kind::None) return false;
  }
  const bool rightToLeft = direction == ReadingDirection::RightToLeft;
  const Kind embedding = rightToLeft ? Kind::R : Kind::L;
  resolveWeak(kinds, embedding);
  if (!resolveBrackets(line, kinds, embedding)) return false;
  resolveNeutrals(kinds, embedding);

  // Implicit levels (I1, I2); blanks that end the line go back to the
  // paragraph's level (L1).
  const unsigned paragraph = rightToLeft ? 1 : 0;
  std::array<std::uint8_t, kLongestLine> levels;
  for (std::size_t i = 0; i < n; ++i) {
    const Kind kind = kinds[i];
    if (rightToLeft) {
      levels[i] = kind == Kind::R ? 1 : 2;
    } else {
      levels[i] = kind == Kind::L ? 0 : kind == Kind::R ? 1 : 2;
    }
  }
  for (std::size_t i = n; i-- > 0 && line[i] == u' ';)
    levels[i] = static_cast<std::uint8_t>(paragraph);

  // Each run at a level or above is reversed, from the highest level down
  // to the lowest odd one (L2).
  display.assign(line);
  for (unsigned level = 2; level >= 1; --level) {
    for (std::size_t i = 0; i < n;) {
      if (levels[i] < level) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < n && levels[end] >= level) ++end;
      std::reverse(display.begin() + static_cast<std::ptrdiff_t>(i),
                   display.begin() + static_cast<std::ptrdiff_t>(end));
      i = end;
    }
  }
  return true;
}

}  // namespace vrn::platform
