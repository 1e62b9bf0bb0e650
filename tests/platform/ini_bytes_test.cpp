#include "platform/posix/ini_bytes.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vrn::platform {
namespace {

// Bytes in memory read and are written back exactly as the same bytes in a
// file: the fuzzers that read settings from memory test the file reader.
TEST(IniBytes, ReadAndWrittenAsTheFileWouldBe) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"UTF-8, CR LF", "[Fonts]\r\nromans = 3\r\n; note\r\n[Textedit]\r\n"},
      {"UTF-16 LE with a mark", "\xFF\xFE[\0F\0o\0n\0t\0s\0]\0\n\0a\0=\0\xE9\x05\n\0"s},
      {"Windows-1255", "[Fonts]\nromans=\xF9\xEC\n"},
      {"damaged UTF-16", "\xFF\xFE[\0F\0o"s},
  };
  const test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto file = dir / "f.ini";
    test::writeFile(file, c.bytes);
    std::string bytes = c.bytes;
    auto fromFile = openIniFile(file);
    auto fromBytes = openIniBytes(bytes);
    EXPECT_EQ(fromBytes->readSection(u"Fonts"), fromFile->readSection(u"Fonts"));
    EXPECT_EQ(fromBytes->findString(u"Fonts", u"romans"),
              fromFile->findString(u"Fonts", u"romans"));
    EXPECT_EQ(fromBytes->readError().has_value(), fromFile->readError().has_value());
    if (fromFile->readError()) continue;
    for (IniFile* ini : {fromFile.get(), fromBytes.get()}) {
      ini->writeString(u"Fonts", u"romans", u"4");
      ini->writeString(u"Textedit", u"Width", u"\u05E9");
      ini->updateFile();
    }
    EXPECT_EQ(bytes, test::readFile(file));
    EXPECT_EQ(openIniBytes(bytes)->findString(u"Textedit", u"width"), u"\u05E9");
  }
}

}  // namespace
}  // namespace vrn::platform
