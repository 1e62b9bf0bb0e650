#include "dxf/code_page_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "support/cp1255_table.h"

namespace vrn::dxf {
namespace {

using namespace std::string_literals;

// Every byte that stands for itself: control codes and the caret are
// written in caret notation (see Carets).
std::string allBytes() {
  std::string bytes;
  for (int b = 0x20; b < 256; ++b) {
    if (b != '^') bytes += static_cast<char>(b);
  }
  return bytes;
}

TEST(CodePageCodec, EveryByteOfEveryCodePageRoundTrips) {
  for (const char* name :
       {"ANSI_1250", "ANSI_1251", "ANSI_1252", "ANSI_1253", "ANSI_1254",  "ANSI_1255", "ANSI_1256",
        "ANSI_1257", "ANSI_1258", "ANSI_874",  "DOS437",    "DOS850",     "DOS852",    "DOS855",
        "DOS857",    "DOS860",    "DOS861",    "DOS862",    "DOS863",     "DOS864",    "DOS865",
        "DOS866",    "DOS869",    "ISO8859-1", "ISO8859-2", "ISO8859-3",  "ISO8859-4", "ISO8859-5",
        "ISO8859-6", "ISO8859-7", "ISO8859-8", "ISO8859-9", "ISO8859-10", "MACINTOSH", "ASCII"}) {
    SCOPED_TRACE(name);
    const auto codec = codePageCodec(name);
    ASSERT_NE(codec, nullptr);
    const std::u16string text = codec->decode(allBytes());
    ASSERT_EQ(text.size(), allBytes().size());  // one unit per byte
    EXPECT_EQ(codec->encode(text), allBytes());
  }
}

// Windows' own conversion table of code page 1255, byte by byte.
TEST(CodePageCodec, Ansi1255IsWindowsTable) {
  const auto table = test::readCp1255Table();
  const auto codec = codePageCodec("ANSI_1255");
  int cases = 0;
  const int rows = static_cast<int>(table.size());
  for (const auto& [byte, unit] : table) {
    const std::string bytes(1, static_cast<char>(byte));
    EXPECT_EQ(codec->decode(bytes), std::u16string(1, unit)) << "byte " << unsigned{byte};
    // An escape's start and what caret notation writes are covered below.
    if (bytes == "\\" || bytes == "^" || byte < 0x20) continue;
    EXPECT_EQ(codec->encode(std::u16string(1, unit)), bytes) << "byte " << unsigned{byte};
    ++cases;
  }
  std::printf("cp1255 table: %d cases\n", cases);
  EXPECT_EQ(cases + 34, rows);
  EXPECT_EQ(rows, 256);
}

// DOS Hebrew shape fonts keep their letters at 0x80-0x9A; the bytes must
// come through a Windows code page that has no letters there.
TEST(CodePageCodec, DosHebrewLettersSurviveWindowsCodePages) {
  std::string dos;
  for (int b = 0x80; b <= 0x9A; ++b) dos += static_cast<char>(b);
  for (const char* name : {"ANSI_1252", "ANSI_1255"}) {
    const auto codec = codePageCodec(name);
    EXPECT_EQ(codec->encode(codec->decode(dos)), dos) << name;
    EXPECT_EQ(codec->decode("\x81"), u"\u0081") << name;  // undefined: same value
  }
  EXPECT_EQ(codePageCodec("ANSI_1252")->decode("\x80"), u"\u20AC");
  EXPECT_EQ(codePageCodec("DOS862")->decode("\x80\x9A"), u"\u05D0\u05EA");
}

TEST(CodePageCodec, Escapes) {
  struct Case {
    const char* codePage;
    std::string bytes;
    std::u16string text;
    bool canonical;  // encode gives the bytes back
  };
  const Case cases[] = {
      {"ANSI_1252", "\\U+05D0b", u"\u05D0b", true},
      {"ANSI_1252", "\\U+05e9", u"\u05E9", false},   // lower case, as ezdxf writes
      {"ANSI_1255", "\\U+05D0", u"\u05D0", false},   // the code page has it: 0xE0
      {"ANSI_1252", "a\\U+05D", u"a\\U+05D", true},  // too short: text
      {"ANSI_1252", "\\U+ZZZZ", u"\\U+ZZZZ", true},
      {"ANSI_1252", "\\u+05D0", u"\\u+05D0", true},    // lower-case U is no escape
      {"ANSI_1252", "\\M+18140", u"\u3000", false},    // Shift-JIS ideographic space
      {"ANSI_1252", "\\M+48861", u"\uAC00", false},    // Johab
      {"ANSI_1252", "\\M+48140", u"\\M+48140", true},  // no character there: left as text
      {"ANSI_1252", "\\M+68140", u"\\M+68140", true},  // no such code page
      {"ANSI_1252", "C:\\DWG\\Plan", u"C:\\DWG\\Plan", true},
      {"ANSI_1252", "\\U+D83D\\U+DE00", u"\U0001F600", true},  // one escape per UTF-16 unit
  };
  for (const auto& c : cases) {
    const auto codec = codePageCodec(c.codePage);
    EXPECT_EQ(codec->decode(c.bytes), c.text) << c.bytes;
    if (c.canonical) {
      EXPECT_EQ(codec->encode(c.text), c.bytes) << c.bytes;
    }
  }
  EXPECT_EQ(codePageCodec("ANSI_1252")->encode(u"\u05D0\u00E9"), "\\U+05D0\xE9");
  EXPECT_EQ(codePageCodec("ANSI_1255")->encode(u"\u05D0\u00E9"), "\xE0\\U+00E9");
}

// Control characters in caret notation, in every kind of drawing: a line
// break written raw would end the group and break the file.
TEST(CodePageCodec, Carets) {
  struct Case {
    std::string bytes;
    std::u16string text;
    bool canonical;  // encode gives the bytes back
  };
  const Case cases[] = {
      {"line^M^Jnext", u"line\r\nnext", true},
      {"a^Ib", u"a\tb", true},
      {"^@", u"\0"s, true},
      {"^ ", u"^", true},
      {"x^ ^Jy", u"x^\ny", true},  // a caret typed before a J
      {"^^^ ", u"\x1E^", true},    // "^^" is code 30
      {"^_^[", u"\x1F\x1B", true},
      {"^a", u"^a", false},  // no control character: a caret
      {"a^", u"a^", false},
      {"a\tb", u"a\tb", false},  // written raw by another program
  };
  for (const char* codePage : {"", "ANSI_1252", "ANSI_1255"}) {
    const auto codec = drawingCodec(*codePage ? "AC1015" : "AC1032", codePage);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(codePage) + " " + c.bytes);
      EXPECT_EQ(codec->decode(c.bytes), c.text);
      if (c.canonical) {
        EXPECT_EQ(codec->encode(c.text), c.bytes);
      }
      EXPECT_EQ(codec->decode(codec->encode(c.text)), c.text);
    }
    std::u16string everyControl;
    for (char16_t unit = 0; unit < 0x20; ++unit) everyControl += unit;
    const std::string encoded = codec->encode(everyControl + u"^");
    EXPECT_TRUE(std::none_of(encoded.begin(), encoded.end(), [](char b) {
      return static_cast<unsigned char>(b) < 0x20;
    })) << codePage;
    EXPECT_EQ(codec->decode(encoded), everyControl + u"^") << codePage;
  }
}

// The East Asian code pages: a character is one byte or a lead and trail
// byte pair, and a trail byte may be a backslash or a caret.
TEST(CodePageCodec, DoubleByteCodePages) {
  struct Case {
    const char* codePage;
    std::string bytes;
    std::u16string text;
    bool canonical;  // encode gives the bytes back
  };
  const Case cases[] = {
      {"ANSI_932", "\x93\xFA\x96\x7B plan", u"\u65E5\u672C plan", true},
      {"DOS932", "\xB1\xB2", u"\uFF71\uFF72", true},          // half-width katakana: one byte each
      {"ANSI_932", "\x83\x5CU+05D0", u"\u30BDU+05D0", true},  // the trail byte is a backslash
      {"ANSI_932", "\x83^J", u"\u30BFJ", true},               // the trail byte is a caret
      {"ANSI_932", "\x81\xCA\xFA\x54", u"\uFFE2\uFFE2", false},  // one character twice
      {"ANSI_932", "\\U+05D0^J", u"\u05D0\n", true},             // no Hebrew
      {"ANSI_936", "\xC4\xE3\xBA\xC3", u"\u4F60\u597D", true},
      {"ANSI_949", "\xB0\xA1", u"\uAC00", true},
      {"ANSI_950", "\xA4\x40", u"\u4E00", true},
      {"ANSI_1361", "\x88\x61", u"\uAC00", true},
      {"ANSI_932", "\x81 \x81", u"\u0081 \u0081", true},  // a lead byte without its pair
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.codePage) + " " + c.bytes);
    const auto codec = codePageCodec(c.codePage);
    ASSERT_NE(codec, nullptr);
    EXPECT_EQ(codec->decode(c.bytes), c.text);
    if (c.canonical) {
      EXPECT_EQ(codec->encode(c.text), c.bytes);
    }
    EXPECT_EQ(codec->decode(codec->encode(c.text)), c.text);
  }
  // A lead byte without its pair must not join what follows it in a text
  // that changed.
  const auto shiftJis = codePageCodec("ANSI_932");
  for (const std::u16string& text : {u"\u0081@"s, u"\u0081\u05D0"s, u"\u0081^"s, u"\u0081\n"s}) {
    EXPECT_EQ(shiftJis->decode(shiftJis->encode(text)), text) << shiftJis->encode(text);
  }
}

// Every pair that is a character reads as one unit that writes back to
// bytes reading as that unit; every byte alone reads as a unit of its own.
TEST(CodePageCodec, EveryCharacterOfEveryDoubleByteCodePageRoundTrips) {
  for (const char* name : {"ANSI_932", "ANSI_936", "ANSI_949", "ANSI_950", "ANSI_1361"}) {
    SCOPED_TRACE(name);
    const auto codec = codePageCodec(name);
    int characters = 0;
    for (unsigned lead = 0x81; lead < 0x100; ++lead) {
      for (unsigned trail = 0x20; trail < 0x100; ++trail) {
        const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
        const std::u16string text = codec->decode(bytes);
        if (text.size() != 1) continue;
        ++characters;
        ASSERT_EQ(codec->decode(codec->encode(text)), text) << std::hex << lead << trail;
      }
    }
    EXPECT_GT(characters, 8000);  // the code page is there, not only undefined bytes
    std::u16string units;
    for (int b = 0x80; b < 0x100; ++b) units += codec->decode(std::string(1, static_cast<char>(b)));
    std::sort(units.begin(), units.end());
    EXPECT_EQ(std::adjacent_find(units.begin(), units.end()), units.end());
  }
}

// Where a long string may be cut into MTEXT chunks that are read one by one.
TEST(CodePageCodec, FittingLengthKeepsCharactersWhole) {
  const std::string a248(248, 'a');
  struct Case {
    const char* codePage;  // "": UTF-8
    std::string bytes;
    std::size_t length;
  };
  const Case cases[] = {
      {"ANSI_932", a248 + "a\x93\xFA", 249},  // a pair across the limit
      {"ANSI_932", a248 + "\x83\x5C\x93",
       250},  // a pair whose trail byte is a backslash, up to the limit
      {"ANSI_932", a248 + "\x83^J", 250},  // ... or a caret
      {"ANSI_936", a248 + "a\xC4\xE3", 249},
      {"ANSI_1252", a248 + "a^Jb", 249},
      {"ANSI_1252", a248.substr(3) + "\\U+05D0b", 245},
      {"ANSI_1252", a248 + "\xE9\xE9\xE9", 250},
      {"", a248 + "a\xD7\x90", 249},
      {"", a248 + "^^^J", 250},
      {"", "short", 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.codePage) + " " +
                 c.bytes.substr(c.bytes.size() > 10 ? c.bytes.size() - 10 : 0));
    const auto codec = drawingCodec(*c.codePage ? "AC1015" : "AC1032", c.codePage);
    EXPECT_EQ(codec->fittingLength(c.bytes, 250), c.length);
  }
}

TEST(CodePageCodec, NamesAndVersions) {
  EXPECT_NE(codePageCodec("ansi_1255"), nullptr);
  EXPECT_NE(codePageCodec("dos932"), nullptr);
  EXPECT_EQ(codePageCodec("ANSI_9999"), nullptr);
  EXPECT_EQ(codePageCodec(""), nullptr);
  EXPECT_EQ(drawingCodec("AC1021", "ANSI_932"), drawing::utf8Codec());
  EXPECT_EQ(drawingCodec("AC1032", "ANSI_1255"), drawing::utf8Codec());
  EXPECT_EQ(drawingCodec("AC1015", "ANSI_1255"), codePageCodec("ANSI_1255"));
  EXPECT_EQ(drawingCodec("AC1009", "ANSI_932"), codePageCodec("ANSI_932"));
  EXPECT_EQ(drawingCodec("AC1009", "ANSI_9999"), nullptr);
}

}  // namespace
}  // namespace vrn::dxf
