// Windows' own bidi: GDI's character placement would be the natural call,
// but Wine's ignores the reorder and class flags, so the classes come from
// GetStringTypeW and the display order from Uniscribe, which GDI itself
// uses on Windows.

#include "platform/bidi.h"

#include <usp10.h>
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace vrn::platform {
namespace {

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The items of `line` with their embedding levels; the last item is the
// end marker that ScriptItemize adds.
std::vector<SCRIPT_ITEM> itemize(std::u16string_view line, ReadingDirection direction) {
  SCRIPT_CONTROL control{};
  SCRIPT_STATE state{};
  state.uBidiLevel = direction == ReadingDirection::RightToLeft ? 1 : 0;
  std::vector<SCRIPT_ITEM> items(line.size() + 2);
  for (;;) {
    int count = 0;
    const HRESULT hr =
        ScriptItemize(reinterpret_cast<const WCHAR*>(line.data()), static_cast<int>(line.size()),
                      static_cast<int>(items.size()) - 1, &control, &state, items.data(), &count);
    if (hr == E_OUTOFMEMORY) {
      items.resize(items.size() * 2);
      continue;
    }
    if (FAILED(hr)) throw std::runtime_error("ScriptItemize failed");
    items.resize(static_cast<std::size_t>(count) + 1);
    return items;
  }
}

// The line with every nonspacing mark replaced by the character before it
// (at the start, by a mark of the paragraph's direction), so that the
// itemizer gives it the level the bidi algorithm gives a mark (rule W1: the
// type of what precedes it). Windows' itemizer does that itself; Wine's
// puts the marks of a right-to-left script into a right-to-left item even
// after left-to-right text. Lengths stay, so positions carry over.
//
// CT_CTYPE3 also calls letters that carry a diacritic (e-acute, O-stroke)
// nonspacing; they keep the strong direction CT_CTYPE2 gives them, so a
// unit with one is no mark.
std::u16string marksResolved(std::u16string_view line, ReadingDirection direction) {
  std::vector<WORD> marks(line.size());
  std::vector<WORD> directions(line.size());
  std::u16string resolved(line);
  const auto* text = reinterpret_cast<const WCHAR*>(line.data());
  const int length = static_cast<int>(line.size());
  if (!GetStringTypeW(CT_CTYPE3, text, length, marks.data()) ||
      !GetStringTypeW(CT_CTYPE2, text, length, directions.data())) {
    return resolved;
  }
  const char16_t start = direction == ReadingDirection::RightToLeft ? u'\u200F' : u'\u200E';
  for (std::size_t i = 0; i < resolved.size(); ++i) {
    const bool strong = directions[i] == C2_LEFTTORIGHT || directions[i] == C2_RIGHTTOLEFT;
    if ((marks[i] & C3_NONSPACING) != 0 && !strong) resolved[i] = i > 0 ? resolved[i - 1] : start;
  }
  return resolved;
}

}  // namespace

void characterClasses(std::u16string_view text, std::span<std::uint8_t> classes) {
  std::fill(classes.begin(), classes.end(), std::uint8_t{0});
  if (text.empty()) return;
  std::vector<WORD> types(text.size());
  if (!GetStringTypeW(CT_CTYPE2, reinterpret_cast<const WCHAR*>(text.data()),
                      static_cast<int>(text.size()), types.data())) {
    return;
  }
  for (std::size_t i = 0; i < text.size() && i < classes.size(); ++i) {
    if (types[i] == C2_RIGHTTOLEFT) classes[i] = kRightToLeftLetterClass;
  }
  // GetStringTypeW classes units; a surrogate pair is one character, and
  // its class is what the system's itemizer resolves for the pair alone.
  // Wine's bidi tables end at the BMP, so the right-to-left blocks of the
  // supplementary planes, which Unicode gives the default class R, count
  // as right-to-left there too.
  for (std::size_t i = 0; i + 1 < text.size() && i + 1 < classes.size(); ++i) {
    if (!isHighSurrogate(text[i]) || !isLowSurrogate(text[i + 1])) continue;
    const char32_t character =
        0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00);
    const bool inRightToLeftBlock = (character >= 0x10800 && character <= 0x10FFF) ||
                                    (character >= 0x1E800 && character <= 0x1EFFF);
    const auto items = itemize(text.substr(i, 2), ReadingDirection::LeftToRight);
    const bool rightToLeft =
        inRightToLeftBlock || (items.size() == 2 && (items[0].a.s.uBidiLevel & 1) != 0);
    classes[i] = classes[i + 1] = rightToLeft ? kRightToLeftLetterClass : std::uint8_t{0};
    ++i;
  }
}

void displayOrder(std::u16string_view line, ReadingDirection direction, std::u16string& out) {
  out.clear();
  if (line.empty()) return;
  const std::u16string resolved = marksResolved(line, direction);
  const std::vector<SCRIPT_ITEM> items = itemize(resolved, direction);
  const std::size_t runs = items.size() - 1;
  std::vector<BYTE> levels(runs);
  for (std::size_t i = 0; i < runs; ++i) levels[i] = static_cast<BYTE>(items[i].a.s.uBidiLevel);
  std::vector<int> visualToLogical(runs);
  if (FAILED(
          ScriptLayout(static_cast<int>(runs), levels.data(), visualToLogical.data(), nullptr))) {
    throw std::runtime_error("ScriptLayout failed");
  }
  out.reserve(line.size());
  for (int logical : visualToLogical) {
    const auto run = static_cast<std::size_t>(logical);
    const auto begin = static_cast<std::size_t>(items[run].iCharPos);
    const auto end = static_cast<std::size_t>(items[run + 1].iCharPos);
    if ((levels[run] & 1) == 0) {
      out += line.substr(begin, end - begin);
      continue;
    }
    // A right-to-left run reads backwards, a surrogate pair staying one character.
    for (std::size_t i = end; i > begin; --i) {
      if (i - begin >= 2 && isLowSurrogate(line[i - 1]) && isHighSurrogate(line[i - 2])) {
        out += line[i - 2];
        out += line[i - 1];
        --i;
      } else {
        out += line[i - 1];
      }
    }
  }
}

}  // namespace vrn::platform
