// Bidi through ICU: u_charDirection for the classes, ubidi for the levels
// (and, on a line with surrogates, the order); the lines labels are mostly
// made of are ordered without it (common_line_bidi.h).

#include "platform/bidi.h"

#include <unicode/ubidi.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <memory>
#include <vector>

#include "platform/posix/common_line_bidi.h"

namespace vrn::platform {
namespace {

constexpr std::uint8_t kOtherClass = 1;

// Longest text handed to ICU in one piece; far above any label.
constexpr std::size_t kMaxReorderChunk = 8192;

struct BidiCloser {
  void operator()(UBiDi* bidi) const { ubidi_close(bidi); }
};

// One reorder object per thread, so a call allocates only when a line is
// longer than any before it.
UBiDi* threadBidi() {
  thread_local std::unique_ptr<UBiDi, BidiCloser> bidi{ubidi_open()};
  return bidi.get();
}

// Rule L2 on resolved levels: from the highest level down to the lowest odd
// level on the line (the lowest level, made odd), every maximal sequence at
// that level or higher is reversed. On a
// line without surrogates this is what ubidi_writeReordered gives (no
// mirroring, every control kept), less its per-call building of runs, which
// on a label costs a fifth of the whole reorder.
void reverseByLevels(const UBiDiLevel* levels, char16_t* text, std::size_t length) {
  const auto [lowest, highest] = std::minmax_element(levels, levels + length);
  for (unsigned level = *highest; level >= (*lowest | 1U); --level) {
    std::size_t i = 0;
    while (i < length) {
      if (levels[i] < level) {
        ++i;
        continue;
      }
      const std::size_t start = i;
      while (i < length && levels[i] >= level) {
        ++i;
      }
      std::reverse(text + start, text + i);
    }
  }
}

bool holdsSurrogate(std::u16string_view line) {
  return std::any_of(line.begin(), line.end(), [](char16_t u) { return U16_IS_SURROGATE(u); });
}

// Appends the display order of line to display, or the line itself should
// ICU fail (out of memory): unordered, but nothing lost.
void appendReordered(std::u16string_view line, ReadingDirection direction,
                     std::u16string& display) {
  const std::size_t at = display.size();
  UBiDi* bidi = threadBidi();
  if (bidi == nullptr || line.empty()) {
    display.append(line);
    return;
  }
  display.resize(at + line.size());
  const auto length = static_cast<std::int32_t>(line.size());
  const UBiDiLevel level = direction == ReadingDirection::RightToLeft ? 1 : 0;
  UErrorCode status = U_ZERO_ERROR;
  ubidi_setPara(bidi, line.data(), length, level, nullptr, &status);
  if (holdsSurrogate(line)) {
    // ICU keeps each pair in order as it reverses; options 0: no mirroring
    // and every control kept, so the length holds.
    ubidi_writeReordered(bidi, display.data() + at, length, 0, &status);
  } else {
    const UBiDiLevel* levels = ubidi_getLevels(bidi, &status);
    if (U_SUCCESS(status)) {
      std::copy(line.begin(), line.end(), display.begin() + static_cast<std::ptrdiff_t>(at));
      reverseByLevels(levels, display.data() + at, line.size());
    }
  }
  if (U_FAILURE(status)) {
    display.replace(at, line.size(), line);
  }
}

// The end of the piece that starts at start: at most kMaxReorderChunk units,
// after the last blank of its second half when there is one, and never
// between the halves of a surrogate pair.
std::size_t chunkEnd(std::u16string_view line, std::size_t start) {
  std::size_t end = start + kMaxReorderChunk;
  if (end >= line.size()) {
    return line.size();
  }
  for (std::size_t i = end; i > start + kMaxReorderChunk / 2; --i) {
    if (line[i - 1] == u' ') {
      return i;
    }
  }
  if (U16_IS_TRAIL(line[end]) && U16_IS_LEAD(line[end - 1])) {
    --end;
  }
  return end;
}

}  // namespace

void characterClasses(std::u16string_view text, std::span<std::uint8_t> classes) {
  assert(classes.size() == text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t unit = text[i];
    UChar32 c = unit;
    std::size_t units = 1;
    if (U16_IS_LEAD(unit) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1])) {
      c = U16_GET_SUPPLEMENTARY(unit, text[i + 1]);
      units = 2;
    }
    const UCharDirection direction = u_charDirection(c);
    const bool rightToLeft = direction == U_RIGHT_TO_LEFT || direction == U_RIGHT_TO_LEFT_ARABIC;
    for (std::size_t k = 0; k < units; ++k, ++i) {
      classes[i] = rightToLeft ? kRightToLeftLetterClass : kOtherClass;
    }
  }
}

void displayOrder(std::u16string_view line, ReadingDirection direction, std::u16string& display) {
  if (commonLineDisplayOrder(line, direction, display)) return;
  display.clear();
  if (line.size() <= kMaxReorderChunk) {
    appendReordered(line, direction, display);
    return;
  }
  // ICU's bracket pairing and embedding overflow go quadratic on crafted
  // input, so a very long line is cut into pieces (at a blank where one is
  // near) that are ordered one by one and laid out in reading order: the
  // first piece leftmost when reading left to right, rightmost otherwise.
  std::vector<std::size_t> ends;
  for (std::size_t start = 0; start < line.size(); start = ends.back()) {
    ends.push_back(chunkEnd(line, start));
  }
  if (direction == ReadingDirection::RightToLeft) {
    for (std::size_t k = ends.size(); k-- > 0;) {
      const std::size_t start = k == 0 ? 0 : ends[k - 1];
      appendReordered(line.substr(start, ends[k] - start), direction, display);
    }
  } else {
    std::size_t start = 0;
    for (std::size_t end : ends) {
      appendReordered(line.substr(start, end - start), direction, display);
      start = end;
    }
  }
}

}  // namespace vrn::platform
