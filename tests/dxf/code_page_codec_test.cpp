#include "dxf/code_page_codec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/cp1255_table.h"

namespace vrn::dxf {
namespace {

std::string allBytes() {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(CodePageCodec, EveryByteOfEveryCodePageRoundTrips) {
  for (const char* name : {"ANSI_1250", "ANSI_1251", "ANSI_1252", "ANSI_1253", "ANSI_1254", "ANSI_1255",
                           "ANSI_1256", "ANSI_1257", "ANSI_1258", "ANSI_874", "DOS437", "DOS850", "DOS852",
                           "DOS855", "DOS857", "DOS860", "DOS861", "DOS862", "DOS863", "DOS864", "DOS865",
                           "DOS866", "DOS869", "ISO8859-1", "ISO8859-2", "ISO8859-3", "ISO8859-4", "ISO8859-5",
                           "ISO8859-6", "ISO8859-7", "ISO8859-8", "ISO8859-9", "ISO8859-10", "MACINTOSH",
                           "ASCII"}) {
    SCOPED_TRACE(name);
    const auto codec = codePageCodec(name);
    ASSERT_NE(codec, nullptr);
    const std::u16string text = codec->decode(allBytes());
    ASSERT_EQ(text.size(), 255u);  // one unit per byte
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
    if (bytes == "\\") continue;  // an escape's start; covered below
    EXPECT_EQ(codec->decode(bytes), std::u16string(1, unit)) << "byte " << unsigned{byte};
    EXPECT_EQ(codec->encode(std::u16string(1, unit)), bytes) << "byte " << unsigned{byte};
    ++cases;
  }
  std::printf("cp1255 table: %d cases\n", cases);
  EXPECT_EQ(cases + 1, rows);
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
      {"ANSI_1252", "\\U+05e9", u"\u05E9", false},         // lower case, as ezdxf writes
      {"ANSI_1255", "\\U+05D0", u"\u05D0", false},         // the code page has it: 0xE0
      {"ANSI_1252", "a\\U+05D", u"a\\U+05D", true},         // too short: text
      {"ANSI_1252", "\\U+ZZZZ", u"\\U+ZZZZ", true},
      {"ANSI_1252", "\\u+05D0", u"\\u+05D0", true},         // lower-case U is no escape
      {"ANSI_1252", "\\M+18140", u"\u3000", false},         // Shift-JIS ideographic space
      {"ANSI_1252", "\\M+48140", u"\\M+48140", true},       // Johab: left as text
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

TEST(CodePageCodec, NamesAndVersions) {
  EXPECT_NE(codePageCodec("ansi_1255"), nullptr);
  EXPECT_EQ(codePageCodec("ANSI_932"), nullptr);
  EXPECT_EQ(codePageCodec(""), nullptr);
  EXPECT_EQ(drawingCodec("AC1021", "ANSI_932"), drawing::utf8Codec());
  EXPECT_EQ(drawingCodec("AC1032", "ANSI_1255"), drawing::utf8Codec());
  EXPECT_EQ(drawingCodec("AC1015", "ANSI_1255"), codePageCodec("ANSI_1255"));
  EXPECT_EQ(drawingCodec("AC1009", "ANSI_932"), nullptr);
}

}  // namespace
}  // namespace vrn::dxf
