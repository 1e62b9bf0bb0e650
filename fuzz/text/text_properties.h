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
//                  the paragraphs hold no "\P", and the TrueType orders
//                  undo each other on a text of one direction.

#include <cstdint>
#include <string>
#include <string_view>

#include "editing/mtext_codec.h"
#include "encoding/conversions.h"
#include "encoding/font_map_file.h"
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

inline bool oneDirection(std::u16string_view text) {
  for (char16_t c : text) {
    if (c < u'a' || c > u'z') return false;
  }
  return true;
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
      AAcadToEditWin(text, font, backward, !backward);
    }
  }
  if (oneDirection(text) && ConvertLeftToRight(ConvertRightToLeft(text)) != text) {
    return "the TrueType orders do not undo each other";
  }
  ConvertRightToLeftW(text);
  ConvertLeftToRightW(text);
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
