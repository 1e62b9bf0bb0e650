// Bidi through ICU: u_charDirection for the classes, ubidi for the order.

#include "platform/bidi.h"

#include <unicode/ubidi.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <cassert>
#include <cstddef>
#include <memory>

namespace vrn::platform {
namespace {

constexpr std::uint8_t otherClass = 1;

// Longest text handed to ICU in one piece; far above any label.
constexpr std::size_t maxReorderChunk = 8192;

struct BidiCloser {
  void operator()(UBiDi* bidi) const { ubidi_close(bidi); }
};

// One reorder object per thread, so a call allocates only when a line is
// longer than any before it.
UBiDi* threadBidi() {
  thread_local std::unique_ptr<UBiDi, BidiCloser> bidi{ubidi_open()};
  return bidi.get();
}

std::u16string reorderWithIcu(std::u16string_view line, ReadingDirection direction) {
  UBiDi* bidi = threadBidi();
  if (bidi == nullptr) {
    return std::u16string(line);
  }
  const auto length = static_cast<std::int32_t>(line.size());
  const UBiDiLevel level = direction == ReadingDirection::RightToLeft ? 1 : 0;
  UErrorCode status = U_ZERO_ERROR;
  ubidi_setPara(bidi, line.data(), length, level, nullptr, &status);
  std::u16string display(line.size(), u'\0');
  // Options 0: no mirroring and every control kept, so the length holds.
  ubidi_writeReordered(bidi, display.data(), length, 0, &status);
  if (U_FAILURE(status)) {
    return std::u16string(line);  // out of memory: show the line unordered
  }
  return display;
}

// The end of the piece that starts at start: at most maxReorderChunk units,
// after the last blank of its second half when there is one, and never
// between the halves of a surrogate pair.
std::size_t chunkEnd(std::u16string_view line, std::size_t start) {
  std::size_t end = start + maxReorderChunk;
  if (end >= line.size()) {
    return line.size();
  }
  for (std::size_t i = end; i > start + maxReorderChunk / 2; --i) {
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
    const bool rightToLeft =
        direction == U_RIGHT_TO_LEFT || direction == U_RIGHT_TO_LEFT_ARABIC;
    for (std::size_t k = 0; k < units; ++k, ++i) {
      classes[i] = rightToLeft ? rightToLeftLetterClass : otherClass;
    }
  }
}

std::u16string displayOrder(std::u16string_view line, ReadingDirection direction) {
  if (line.size() <= maxReorderChunk) {
    return reorderWithIcu(line, direction);
  }
  // ICU's bracket pairing and embedding overflow go quadratic on crafted
  // input, so a very long line is cut into pieces (at a blank where one is
  // near) that are ordered one by one and laid out in reading order.
  std::u16string display;
  display.reserve(line.size());
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t end = chunkEnd(line, start);
    const std::u16string piece = reorderWithIcu(line.substr(start, end - start), direction);
    if (direction == ReadingDirection::RightToLeft) {
      display.insert(0, piece);
    } else {
      display += piece;
    }
    start = end;
  }
  return display;
}

}  // namespace vrn::platform
