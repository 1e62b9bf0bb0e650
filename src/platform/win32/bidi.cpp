// Windows' own bidi: GDI's character placement would be the natural call,
// but Wine's ignores the reorder and class flags, so the classes come from
// GetStringTypeW and the display order from Uniscribe, which GDI itself
// uses on Windows.

#include "platform/bidi.h"

#include <windows.h>
#include <usp10.h>

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
    const HRESULT hr = ScriptItemize(reinterpret_cast<const WCHAR*>(line.data()), static_cast<int>(line.size()),
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

}  // namespace

void characterClasses(std::u16string_view text, std::span<std::uint8_t> classes) {
  std::fill(classes.begin(), classes.end(), std::uint8_t{0});
  if (text.empty()) return;
  std::vector<WORD> types(text.size());
  if (!GetStringTypeW(CT_CTYPE2, reinterpret_cast<const WCHAR*>(text.data()), static_cast<int>(text.size()),
                      types.data())) {
    return;
  }
  for (std::size_t i = 0; i < text.size() && i < classes.size(); ++i) {
    if (types[i] == C2_RIGHTTOLEFT) classes[i] = rightToLeftLetterClass;
  }
  // GetStringTypeW classes units; a surrogate pair is one character, and
  // its class is what the system's itemizer resolves for the pair alone.
  for (std::size_t i = 0; i + 1 < text.size() && i + 1 < classes.size(); ++i) {
    if (!isHighSurrogate(text[i]) || !isLowSurrogate(text[i + 1])) continue;
    const auto items = itemize(text.substr(i, 2), ReadingDirection::LeftToRight);
    const bool rightToLeft = items.size() == 2 && (items[0].a.s.uBidiLevel & 1) != 0;
    classes[i] = classes[i + 1] = rightToLeft ? rightToLeftLetterClass : std::uint8_t{0};
    ++i;
  }
}

void displayOrder(std::u16string_view line, ReadingDirection direction, std::u16string& out) {
  out.clear();
  if (line.empty()) return;
  const std::vector<SCRIPT_ITEM> items = itemize(line, direction);
  const std::size_t runs = items.size() - 1;
  std::vector<BYTE> levels(runs);
  for (std::size_t i = 0; i < runs; ++i) levels[i] = static_cast<BYTE>(items[i].a.s.uBidiLevel);
  std::vector<int> visualToLogical(runs);
  if (FAILED(ScriptLayout(static_cast<int>(runs), levels.data(), visualToLogical.data(), nullptr))) {
    throw std::runtime_error("ScriptLayout failed");
  }
  out.reserve(line.size());
  for (int logical : visualToLogical) {
    const auto run = static_cast<std::size_t>(logical);
    const auto begin = static_cast<std::size_t>(items[run].iCharPos);
    const auto end = static_cast<std::size_t>(items[run + 1].iCharPos);
    const std::u16string_view text = line.substr(begin, end - begin);
    if ((levels[run] & 1) != 0) {
      // A right-to-left run reads backwards, a surrogate pair staying one character.
      for (std::size_t i = text.size(); i > 0; --i) {
        if (i >= 2 && isLowSurrogate(text[i - 1]) && isHighSurrogate(text[i - 2])) {
          out += text[i - 2];
          out += text[i - 1];
          --i;
        } else {
          out += text[i - 1];
        }
      }
    } else {
      out += text;
    }
  }
}

}  // namespace vrn::platform
