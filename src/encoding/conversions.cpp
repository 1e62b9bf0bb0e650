#include "encoding/conversions.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "encoding/char_tables.h"
#include "encoding/letter_layouts.h"
#include "encoding/reorder.h"
#include "encoding/reversal.h"

namespace vrn::encoding {

namespace {

using platform::ReadingDirection;

// Types 0-3 convert every label the editors and the drawing-wide operations
// touch, and each of their conversions is the same chain: a letter map, at
// most one reversal, FixRuns on the Windows letters, bracket mirroring. The
// maps work byte by byte, so they commute with the reorderings (FixRuns with
// a reversal too), and the chain runs fused over one buffer: map in place,
// FixRuns in place, then one pass to wide form that reverses, maps and
// mirrors by table. The tables are built from the layouts' own maps
// (encoding/letter_layouts.h).
//
//   AcadToEditWin   map to Windows letters, FixRuns, reverse unless type 2
//                   (and once more when backward), mirror. For DosHebrew the
//                   map is DosToWin of the byte form, which is what DosToUni
//                   makes of the input: the code page gives U+0080-U+009A
//                   their own bytes.
//   EditToacadWin   FixRuns, reverse unless type 2 (and once more when
//                   backward), map to the layout, mirror
using ByteTable = std::array<unsigned char, 256>;
using WideTable = std::array<char16_t, 256>;

struct LetterTables {
  std::array<ByteTable, 4> toEditor;      // stored bytes to Windows letters
  std::array<WideTable, 4> toStoredWide;  // Windows letters to stored, mirrored, wide
  WideTable mirroredWide;                 // mirrored, wide
};

std::string everyByte() {
  std::string bytes(256, '\0');
  for (std::size_t b = 0; b < bytes.size(); ++b) {
    bytes[b] = static_cast<char>(b);
  }
  return bytes;
}

ByteTable byteTable(const std::string& mapped) {
  ByteTable table{};
  std::copy(mapped.begin(), mapped.end(), table.begin());
  return table;
}

WideTable wideTable(const std::string& mapped) {
  const std::u16string wide = wideForm(mapped);
  WideTable table{};
  std::copy(wide.begin(), wide.end(), table.begin());
  return table;
}

LetterTables buildLetterTables() {
  const std::string all = everyByte();
  LetterTables t{};
  for (std::size_t layout = 0; layout < t.toEditor.size(); ++layout) {
    const auto type = static_cast<fntType>(layout);
    t.toEditor[layout] = byteTable(toWindowsLetters(all, type));
    t.toStoredWide[layout] = wideTable(mirrorBrackets(fromWindowsLetters(all, type)));
  }
  t.mirroredWide = wideTable(mirrorBrackets(all));
  return t;
}

const LetterTables& letterTables() {
  static const LetterTables tables = buildLetterTables();
  return tables;
}

std::u16string convertFused(std::string b, const ByteTable* map, bool fixRuns, bool reverse,
                            const WideTable& toWide) {
  if (map != nullptr) {
    for (char& c : b) {
      c = static_cast<char>((*map)[static_cast<unsigned char>(c)]);
    }
  }
  if (fixRuns) {
    b = FixRuns(std::move(b));
  }
  std::u16string wide(b.size(), u'\0');
  for (std::size_t i = 0; i < b.size(); ++i) {
    const std::size_t from = reverse ? b.size() - 1 - i : i;
    wide[i] = toWide[static_cast<unsigned char>(b[from])];
  }
  return wide;
}

}  // namespace

std::u16string AcadToEditDos(std::u16string_view ss, FontState font) {
  if (ss.empty()) {
    return {};
  }
  if (font.type == fntType::TrueType) {
    const std::u16string d =
        font.backward ? reverseCharacters(std::u16string(ss)) : std::u16string(ss);
    return isEnglishOnly(d, fntType::TrueType)
               ? std::u16string(ss)
               : displayWide(d, ReadingDirection::LeftToRight, false);
  }
  std::string d = font.backward ? RevStr(byteForm(ss)) : byteForm(ss);
  switch (font.type) {
    case fntType::DosHebrew:
      return Symbtoedit(wideForm(DosToWin(std::move(d))));
    case fntType::DosEnglish:
      return wideForm(DosToWin(EngToDos(std::move(d))));
    case fntType::DosEnglishR:
      return wideForm(DosToWin(EngToDos(RevStr(std::move(d)))));
    case fntType::WindowsHeb:
      return font.backward ? wideForm(d) : std::u16string(ss);
    default:
      return {};
  }
}

std::u16string EditToacadDos(std::u16string_view ss, FontState font) {
  if (ss.empty()) {
    return {};
  }
  if (font.type == fntType::TrueType) {
    return displayWide(ss, ReadingDirection::LeftToRight, font.backward);
  }
  std::u16string r;
  switch (font.type) {
    case fntType::DosHebrew:
      r = Symbtoacad(wideForm(WinToDos(byteForm(ss))));
      break;
    case fntType::DosEnglish:
      r = wideForm(DosToEng(WinToDos(byteForm(ss))));
      break;
    case fntType::DosEnglishR:
      r = wideForm(RevStr(DosToEng(WinToDos(byteForm(ss)))));
      break;
    case fntType::WindowsHeb:
      r = ss;
      break;
    default:
      return {};
  }
  return font.backward ? wideForm(RevStr(byteForm(r))) : r;
}

std::u16string AcadToEditWin(std::u16string_view ss, FontState font) {
  if (ss.empty()) {
    return {};
  }
  if (font.type == fntType::TrueType) {
    // ConvertLeftToRight, reversed
    return leftToRightWide(font.backward ? reverseCharacters(std::u16string(ss)) : ss,
                           ReadingDirection::LeftToRight, true);
  }
  if (!isLetterLayout(font.type)) {
    return {};
  }
  std::string d = byteForm(ss);
  const LetterTables& tables = letterTables();
  if (storedIsEnglishOnly(d, font.type)) {
    return convertFused(std::move(d), nullptr, false, font.backward, tables.mirroredWide);
  }
  const auto layout = static_cast<std::size_t>(font.type);
  return convertFused(std::move(d), &tables.toEditor[layout], true,
                      font.backward != reversesOrder(font.type), tables.mirroredWide);
}

std::u16string EditToacadWin(std::u16string_view ss, FontState font, bool reverseTTF) {
  if (ss.empty()) {
    return {};
  }
  if (font.type == fntType::TrueType) {
    // ConvertRightToLeft, reversed unless ReverseTTF
    return rightToLeftWide(ss, ReadingDirection::LeftToRight, !reverseTTF);
  }
  if (!isLetterLayout(font.type)) {
    return {};
  }
  std::string b = byteForm(ss);
  // The editor holds Windows letters, so the DosHebrew shortcut tests the
  // Windows range too. An English-only text keeps every character it has.
  if (readingOrderIsEnglishOnly(b, font.type)) {
    std::u16string r =
        font.type == fntType::DosHebrew ? Symbtoacad(std::u16string(ss)) : std::u16string(ss);
    return mirrorBrackets(font.backward ? wideForm(RevStr(byteForm(r))) : std::move(r));
  }
  const auto layout = static_cast<std::size_t>(font.type);
  return convertFused(std::move(b), nullptr, true, font.backward != reversesOrder(font.type),
                      letterTables().toStoredWide[layout]);
}

std::u16string ConvertRightToLeft(std::u16string_view s) {
  return rightToLeftWide(s, ReadingDirection::LeftToRight, false);
}

std::u16string ConvertLeftToRight(std::u16string_view s) {
  return leftToRightWide(s, ReadingDirection::LeftToRight, false);
}

std::u16string ConvertRightToLeftW(std::u16string_view s) {
  return VisualOrderW(FixRunsW(std::u16string(s)));
}

std::u16string ConvertLeftToRightW(std::u16string_view s) { return FixRunsW(VisualOrderW(s)); }

std::string fAcadToEditWinL(std::string_view ss, std::int16_t ftype, std::int16_t backward,
                            bool RightToLeft) {
  if (ftype < 0 || ftype > static_cast<std::int16_t>(fntType::TrueType)) {
    return {};
  }
  const auto type = static_cast<fntType>(ftype);
  std::string d = backward != 0 ? RevStr(std::string(ss)) : std::string(ss);
  if (type == fntType::TrueType) {
    return VisualOrder(d);
  }
  if (storedIsEnglishOnly(d, type)) {
    return d;
  }
  std::string x = storedToReadingOrder(std::move(d), type);
  std::string r = RightToLeft ? std::move(x) : RevStr(VisualOrder(FixRuns(std::move(x))));
  return mirrorBrackets(std::move(r));
}

StoredBytes readStoredBytes(std::u16string_view ss, fntType type) {
  StoredBytes stored{byteForm(ss), type};
  for (std::size_t i = 0; i < ss.size(); ++i) {
    if (ss[i] < 256) {
      stored.bytes[i] = static_cast<char>(ss[i]);
    }
    const auto byte = static_cast<unsigned char>(stored.bytes[i]);
    if (type == fntType::DosHebrew && byte >= 0xE0 && byte <= 0xFA) {
      stored.type = fntType::WindowsHeb;
    } else if (type == fntType::WindowsHeb && byte >= 0x80 && byte <= 0x9A) {
      stored.type = fntType::DosHebrew;
    }
  }
  return stored;
}

std::u16string AAcadToEditWin(std::u16string_view ss, FontState font, bool RightToLeft,
                              bool reverseTTF) {
  if (font.type == fntType::TrueType) {
    // VisualOrder, on the units as they are: no letter codes to read
    const std::u16string d =
        font.backward ? reverseCharacters(std::u16string(ss)) : std::u16string(ss);
    return displayWide(d, ReadingDirection::LeftToRight, reverseTTF);
  }
  const StoredBytes stored = readStoredBytes(ss, font.type);
  std::string r = fAcadToEditWinL(stored.bytes, static_cast<std::int16_t>(stored.type),
                                  font.backward ? 1 : 0, RightToLeft);
  return wideForm(reverseTTF ? RevStr(std::move(r)) : r);
}

}  // namespace vrn::encoding
