#pragma once
// What the readers of the settings files and the text routines promise for
// any input, shared by the fuzzers and the corpus replay in tests/editing.
// Each returns an empty string when the promise holds, else what broke; a
// crash, a hang or an exception other than the ones named breaks it too.
//
//   settingsFile   any bytes as an INI file, read as Hebrew.ini, the font
//                  map (VrnFonts.txt) and editdef.txt: every key a section
//                  lists reads back, the font map shows each with its own
//                  value, and a value written back reads back the same
//                  (where neither name nor value holds a control character).
//   textRoutines   any UTF-16 text through the MTEXT codec and every
//                  conversion, in every font state: a text without "\U"
//                  decodes to itself, a text without "{\" keeps its format,
//                  the paragraphs hold no "\P"; and each conversion undoes
//                  its inverse on the texts where that is promised: stored
//                  -> editor -> stored (both editors, AcadToStr/StrToAcad)
//                  for every letter layout on a text the layout keeps,
//                  editor -> stored -> editor for types 0 and 3, the
//                  TrueType orders on a text of one direction, the letter
//                  and key maps, FixRuns, the byte form's code page and the
//                  DXF code pages 1255 and 862; and ReverseTTF reverses
//                  what AAcadToEditWin reads.

#include <cstdint>
#include <string>
#include <string_view>

#include "dxf/code_page_codec.h"
#include "editing/mtext_codec.h"
#include "encoding/char_tables.h"
#include "encoding/conversions.h"
#include "encoding/font_map_file.h"
#include "encoding/reorder.h"
#include "encoding/reversal.h"
#include "encoding/string_conversion.h"
#include "platform/code_page.h"
#include "platform/ini_file.h"
#include "platform/posix/ini_bytes.h"
#include "settings/key_definitions.h"

namespace vrn::fuzz {

inline bool hasControlCharacter(std::u16string_view text) {
  for (char16_t c : text) {
    if (c < u' ') return true;
  }
  return false;
}

// The bytes are read as the file readers read a file, from memory.
inline std::string settingsFile(std::string bytes) {
  settings::keyDefinitionsOf(*platform::openIniBytes(bytes));
  auto ini = platform::openIniBytes(bytes);
  const encoding::FontMapGrid map = encoding::fontMapOf(*ini);
  for (std::size_t i = 1; i < map.rowCount(); ++i) {
    if (map.row(i).mapping != ini->readString(u"Fonts", map.row(i).key, u"")) {
      return "a font map row lost its value";
    }
  }
  // Names and values holding control characters are not written back: a
  // written line break becomes a blank by design, so such a name is
  // another name, and a NUL lets the file be taken for UTF-16 when read
  // again (an open question of the INI reader's encoding guess).
  for (const char16_t* section : {u"Fonts", u"FKeys", u"Alt", u"Ctrl", u"Textedit"}) {
    for (const std::u16string& key : ini->readSection(section)) {
      const auto value = ini->findString(section, key);
      if (!value) return "a listed key does not read";
      if (!hasControlCharacter(key) && !hasControlCharacter(*value)) {
        ini->writeString(section, key, *value);
      }
    }
  }
  try {
    ini->updateFile();
  } catch (const platform::IniWriteError&) {
    return {};
  }
  auto reread = platform::openIniBytes(bytes);
  for (const char16_t* section : {u"Fonts", u"FKeys", u"Alt", u"Ctrl", u"Textedit"}) {
    for (const std::u16string& key : ini->readSection(section)) {
      const auto value = ini->findString(section, key);
      if (hasControlCharacter(key) || hasControlCharacter(value.value_or(u""))) continue;
      if (reread->findString(section, key) != value) {
        return "a value written back reads differently";
      }
    }
  }
  return {};
}

// Lower-case Latin letters only, or Hebrew letters only: the bidi layout
// has nothing to reorder but the one run.
inline bool oneDirection(std::u16string_view text) {
  const auto all = [&](char16_t first, char16_t last) {
    for (char16_t c : text) {
      if (c < first || c > last) return false;
    }
    return true;
  };
  return all(u'a', u'z') || all(u'\u05D0', u'\u05EA');
}

inline bool holdsAnyOf(std::string_view bytes, unsigned char first, unsigned char last) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= first && b <= last) return true;
  }
  return false;
}

inline bool holdsAnyOf(std::string_view bytes, std::string_view set) {
  return bytes.find_first_of(set) != std::string_view::npos;
}

constexpr unsigned char kDosFirst = 0x80, kDosLast = 0x9A, kWinFirst = 0xE0, kWinLast = 0xFA;

// A stored text whose every character its font's layout keeps: each has a
// byte of its own in the byte form, and none is a letter of a layout that
// the type's maps would take for one of its own (Windows letters in a DOS
// layout, DOS letters in a keyboard layout, which reads them as keys).
inline bool inLayout(std::u16string_view stored, fntType type) {
  const std::string bytes = encoding::byteForm(stored);
  if (encoding::wideForm(bytes) != stored) return false;
  switch (type) {
    case fntType::DosHebrew:
      return !holdsAnyOf(bytes, kWinFirst, kWinLast);
    case fntType::DosEnglish:
    case fntType::DosEnglishR:
      return !holdsAnyOf(bytes, kDosFirst, kDosLast) && !holdsAnyOf(bytes, kWinFirst, kWinLast);
    default:
      return true;
  }
}

// A logical (editor) text of Hebrew letters, Latin letters, digits, blanks
// and ASCII punctuation.
inline bool plainLogicalText(std::u16string_view text) {
  for (char16_t c : text) {
    if (!(c >= u' ' && c <= u'~') && !(c >= u'\u05D0' && c <= u'\u05EA')) return false;
  }
  return true;
}

// Stored -> editor -> stored for every letter layout and backward flag, on
// texts the layout keeps; editor -> stored -> editor for the layouts that
// store a logical text whole (types 0 and 3; types 1 and 2 store Hebrew
// letters on the Latin keys, so a Latin letter comes back as a Hebrew one).
inline std::string conversionRoundTrips(std::u16string_view text) {
  using namespace encoding;
  for (std::uint8_t t = 0; t <= 3; ++t) {
    const auto type = static_cast<fntType>(t);
    const bool stored = inLayout(text, type);
    const bool logical =
        (type == fntType::DosHebrew || type == fntType::WindowsHeb) && plainLogicalText(text);
    for (const bool backward : {false, true}) {
      const FontState font{type, backward};
      if (stored) {
        if (EditToacadWin(AcadToEditWin(text, font), font, false) != text) {
          return "AcadToEditWin and EditToacadWin do not undo each other";
        }
        if (EditToacadDos(AcadToEditDos(text, font), font) != text) {
          return "AcadToEditDos and EditToacadDos do not undo each other";
        }
        if (StrToAcad(AcadToStr(text, type, backward), type, backward) != text) {
          return "AcadToStr and StrToAcad do not undo each other";
        }
      }
      if (logical) {
        if (AcadToEditWin(EditToacadWin(text, font, false), font) != text) {
          return "a Windows editor text does not come back from storing";
        }
        if (AcadToEditDos(EditToacadDos(text, font), font) != text) {
          return "a DOS editor text does not come back from storing";
        }
        if (AcadToStr(StrToAcad(text, type, backward), type, backward) != text) {
          return "a logical text does not come back from StrToAcad";
        }
      }
    }
  }
  const FontState trueType{fntType::TrueType, false};
  if (oneDirection(text)) {
    if (ConvertLeftToRight(ConvertRightToLeft(text)) != text ||
        ConvertLeftToRightW(ConvertRightToLeftW(text)) != text) {
      return "the TrueType orders do not undo each other";
    }
    if (EditToacadWin(AcadToEditWin(text, trueType), trueType, false) != text) {
      return "a TrueType text does not come back from the editor";
    }
  }
  if (encoding::wideForm(byteForm(text)) == text && cWinToDos(cDosToWin(text)) != text) {
    return "cDosToWin and cWinToDos do not undo each other";
  }
  return {};
}

// The byte maps against their inverses, on the text's low bytes, each on
// the bytes it promises to give back.
inline std::string byteMapRoundTrips(std::u16string_view text) {
  using namespace encoding;
  std::string b(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) b[i] = static_cast<char>(text[i] & 0xFF);
  const bool dos = holdsAnyOf(b, kDosFirst, kDosLast);
  const bool win = holdsAnyOf(b, kWinFirst, kWinLast);
  if (!win && WinToDos(DosToWin(b)) != b) return "DosToWin is not undone by WinToDos";
  if (!dos && DosToWin(WinToDos(b)) != b) return "WinToDos is not undone by DosToWin";
  // A key letter already there (or, for the Windows keys, a backslash or a
  // slash) is not told from a mapped one.
  if (!dos && DosToEng(EngToDos(b)) != b) return "EngToDos is not undone by DosToEng";
  if (!win && !holdsAnyOf(b, "\\") && WinToEng(EngToWin(b)) != b) {
    return "EngToWin is not undone by WinToEng";
  }
  const bool keys = holdsAnyOf(b, 'a', 'z') || holdsAnyOf(b, ";");
  if (!keys && EngToDos(DosToEng(b)) != b) return "DosToEng is not undone by EngToDos";
  if (!keys && !holdsAnyOf(b, "/") && EngToWin(WinToEng(b)) != b) {
    return "WinToEng is not undone by EngToWin";
  }
  if (FixRuns(FixRuns(b)) != b) return "FixRuns twice changes the text";
  if (platform::toByteForm(platform::fromByteForm(b)) != b) {
    return "a byte string does not survive the code page";
  }
  return {};
}

// The DXF code pages of Hebrew drawings: bytes without escapes or caret
// notation come back from a decode, and a text without a backslash (which
// could start an escape) from an encode.
inline std::string codePageRoundTrips(std::u16string_view text) {
  std::string b(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) b[i] = static_cast<char>(text[i] & 0xFF);
  for (const char* codePage : {"ANSI_1255", "DOS862"}) {
    const auto codec = dxf::codePageCodec(codePage);
    if (!holdsAnyOf(b, 0, 0x1F) && !holdsAnyOf(b, "\\^") && codec->encode(codec->decode(b)) != b) {
      return std::string(codePage) + " bytes do not come back from a decode";
    }
    if (text.find(u'\\') == std::u16string_view::npos &&
        codec->decode(codec->encode(text)) != text) {
      return std::string(codePage) + " text does not come back from an encode";
    }
  }
  return {};
}

inline std::string textRoutines(std::u16string_view text) {
  using namespace encoding;
  const std::u16string decoded = editing::DecodeUnicodeEscapes(text);
  if (text.find(u"\\U") == std::u16string_view::npos && decoded != text) {
    return "a text without \\U changed in decoding";
  }
  if (!text.starts_with(u"{\\") && editing::stripFormatGroup(text) != text) {
    return "a text without a format group lost characters";
  }
  for (const std::u16string& paragraph : editing::splitParagraphs(decoded)) {
    if (paragraph.find(u"\\P") != std::u16string::npos) return "a paragraph holds \\P";
  }
  for (std::uint8_t type = 0; type <= 5; ++type) {
    for (const bool backward : {false, true}) {
      const FontState font{static_cast<fntType>(type), backward};
      AcadToEditDos(text, font);
      EditToacadDos(text, font);
      AcadToEditWin(text, font);
      EditToacadWin(text, font, backward);
      // ReverseTTF reverses what the font converter reads, for every type;
      // a TrueType text keeps its surrogate pairs in order.
      const std::u16string read = AAcadToEditWin(text, font, backward, false);
      const std::u16string reversed =
          font.type == fntType::TrueType ? reverseCharacters(read) : RevStrW(read);
      if (AAcadToEditWin(text, font, backward, true) != reversed) {
        return "ReverseTTF does not reverse what AAcadToEditWin reads";
      }
    }
  }
  ConvertRightToLeftW(text);
  ConvertLeftToRightW(text);
  for (const auto& property : {conversionRoundTrips, byteMapRoundTrips, codePageRoundTrips}) {
    if (std::string broken = property(text); !broken.empty()) return broken;
  }
  return {};
}

// Fuzzer bytes as UTF-16: two bytes a unit, an odd last byte dropped.
inline std::u16string unitsOf(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  }
  return text;
}

}  // namespace vrn::fuzz
