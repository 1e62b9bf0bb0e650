#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>

#include "support/temp_dir.h"

namespace vrn::platform {
namespace {

using test::readFile;
using test::writeFile;

std::u16string ascii16(const std::string& text) { return std::u16string(text.begin(), text.end()); }

class IniFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<IniFile> open(const std::string& content) {
    writeFile(file, content);
    return openIniFile(file);
  }
  test::TempDir dir;
  std::filesystem::path file = dir / "settings.ini";
};

TEST_F(IniFileTest, SectionsAndKeysMatchWithoutRegardToCase) {
  auto ini = open("[textedit]\nwidth = 700 \n[LIB]\nStandard=  abc def\n");
  EXPECT_EQ(ini->readInteger(u"Textedit", u"Width", 900), 700);
  EXPECT_EQ(ini->readString(u"lib", u"STANDARD", u""), u"abc def");
  EXPECT_EQ(ini->readString(u"Lib", u"missing", u"dflt"), u"dflt");
  EXPECT_EQ(ini->readString(u"Nosection", u"Standard", u"dflt"), u"dflt");
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndFirstWriteCreatesIt) {
  auto ini = openIniFile(file);
  EXPECT_TRUE(ini->readSection(u"Fonts").empty());
  EXPECT_EQ(ini->readInteger(u"A", u"b", 5), 5);
  ini->writeInteger(u"A", u"b", -3);
  ini->updateFile();
  EXPECT_EQ(readFile(file), "[A]\nb=-3\n");
}

TEST_F(IniFileTest, MalformedLinesAreSkippedAndTheRestStillReads) {
  std::string junk = "no equals here\n[unclosed\nk=1\n\x01\xff\xfe=\x80\n[]\n=novalue\n;c=1\n";
  auto ini = open(junk + "[Good]\nkey=value\r\n");
  EXPECT_EQ(ini->readString(u"unclosed", u"k", u""), u"1");
  EXPECT_EQ(ini->readString(u"Good", u"key", u""), u"value");
  EXPECT_FALSE(ini->findString(u"", u"c").has_value());
  EXPECT_TRUE(ini->readSection(u"").empty());  // "=novalue" names no key
}

TEST_F(IniFileTest, AnyBytesReadWithoutHarmAndAWrittenKeyReadsBack) {
  constexpr char alphabet[] = "[]=;ab \t\r\n\xff\xfe\xd7\x80";
  std::mt19937 random(4);
  for (int run = 0; run < 300; ++run) {
    std::string bytes(random() % 120, '\0');
    for (char& c : bytes) c = alphabet[random() % (sizeof alphabet)];
    auto ini = open(bytes);
    for (const auto& key : ini->readSection(u"a")) ini->readString(u"a", key, u"");
    ini->writeString(u"a", u"b", u"value");
    if (ini->readError()) {
      // Bytes that are no whole text (UTF-16 of an odd length) stay as they were.
      EXPECT_THROW(ini->updateFile(), IniReadError) << "run " << run;
      EXPECT_EQ(readFile(file), bytes) << "run " << run;
      continue;
    }
    ini->updateFile();
    EXPECT_EQ(openIniFile(file)->readString(u"a", u"b", u""), u"value") << "run " << run;
  }
}

TEST_F(IniFileTest, SectionKeysComeInFileOrderAndTheFirstLineWins) {
  auto ini = open("[Alt]\n1=first\n2=x\n1=second\n[alt]\n3=other section\n");
  EXPECT_EQ(ini->readSection(u"ALT"), (std::vector<std::u16string>{u"1", u"2", u"1"}));
  EXPECT_EQ(ini->readString(u"Alt", u"1", u""), u"first");
  EXPECT_FALSE(ini->findString(u"Alt", u"3").has_value());
}

TEST(ParseInt32, OnlyDecimal32BitIntegersParse) {
  struct Case {
    std::u16string text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {u"12", 12},
      {u" -7 ", -7},
      {u"+4", 4},
      {u"2147483647", 2147483647},
      {u"-2147483648", INT32_MIN},
      {u"2147483648", std::nullopt},
      {u"-2147483649", std::nullopt},
      {u"12a", std::nullopt},
      {u"", std::nullopt},
      {u"-", std::nullopt},
      {u"0x10", std::nullopt},
      {u"99999999999999999999", std::nullopt},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(parseInt32(cases[i].text), cases[i].value) << "case " << i;
  }
}

TEST_F(IniFileTest, WritesKeepOtherLinesAndSpellKeysAsGiven) {
  auto ini = open("; comment\n[textedit]\nwidth=700\nother=1\n\n[Lib]\nLeft=3\n");
  ini->writeInteger(u"Textedit", u"Width", 800);
  ini->writeString(u"Textedit", u"Top", u"400");
  ini->writeBool(u"New", u"ReverseTTF", true);
  ini->updateFile();
  EXPECT_EQ(readFile(file),
            "; comment\n[textedit]\nWidth=800\nother=1\nTop=400\n\n[Lib]\nLeft=3\n"
            "[New]\nReverseTTF=1\n");
}

// Writing back what the file holds leaves it alone: every command saves
// its settings, and an unchanged file must not be rewritten nor dated anew.
TEST_F(IniFileTest, WritingBackTheSameValuesLeavesTheFileAlone) {
  const std::string content = "; comment\n[Textedit]\nWidth=800\nReverseTTF=1\n";
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
  for (const bool change : {false, true}) {
    SCOPED_TRACE(change);
    auto ini = open(content);
    std::filesystem::last_write_time(file, old);
    ini->writeInteger(u"Textedit", u"Width", change ? 801 : 800);
    ini->writeBool(u"Textedit", u"ReverseTTF", true);
    ini->updateFile();
    EXPECT_EQ(std::filesystem::last_write_time(file) == old, !change);
    EXPECT_EQ(readFile(file) == content, !change);
  }
}

TEST_F(IniFileTest, EraseSectionRemovesEverySectionOfThatName) {
  auto ini = open("[Fonts]\na=1\n[Other]\nx=1\n[FONTS]\nb=2\n");
  ini->eraseSection(u"fonts");
  ini->writeString(u"Fonts", u"c", u"3");
  ini->updateFile();
  EXPECT_EQ(readFile(file), "[Other]\nx=1\n[Fonts]\nc=3\n");
}

// A large file as a font map of many fonts, or a hostile editdef.txt of
// many sections and keys, is read and rewritten key by key: each read
// finds its own value (the first line of a name in any case, in the first
// section of that name) and each write replaces it in place or adds it.
TEST_F(IniFileTest, ManySectionsAndKeysReadAndWriteEachTheirOwn) {
  constexpr int kKeys = 20000;
  std::string content = "[Fonts]\n";
  for (int i = 0; i < kKeys; ++i)
    content += "Font" + std::to_string(i) + ".shx=" + std::to_string(i) + "\n";
  content += "FONT7.SHX=second\n";
  for (int i = 0; i < kKeys; ++i)
    content += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
  content += "[s7]\nk=second\n";
  auto ini = open(content);
  for (int i = 0; i < kKeys; ++i) {
    const std::u16string number = ascii16(std::to_string(i));
    ASSERT_EQ(ini->readString(u"FONTS", u"font" + number + u".SHX", u""), number);
    ASSERT_EQ(ini->readString(u"s" + number, u"K", u""), number);
  }
  for (int i = 0; i < kKeys; i += 2) {
    ini->writeString(u"Fonts", u"FONT" + ascii16(std::to_string(i)) + u".shx", u"even");
  }
  ini->writeString(u"Fonts", u"new.shx", u"added");
  ini->writeString(u"S7", u"k", u"changed");
  ini->updateFile();
  auto reread = openIniFile(file);
  EXPECT_EQ(reread->readString(u"Fonts", u"Font0.shx", u""), u"even");
  EXPECT_EQ(reread->readString(u"Fonts", u"Font1.shx", u""), u"1");
  EXPECT_EQ(reread->readString(u"Fonts", u"Font7.shx", u""), u"7");
  EXPECT_EQ(reread->readString(u"Fonts", u"new.shx", u""), u"added");
  EXPECT_EQ(reread->readSection(u"Fonts").size(), static_cast<std::size_t>(kKeys) + 2);
  EXPECT_EQ(reread->readString(u"S7", u"k", u""), u"changed");
  EXPECT_NE(readFile(file).find("[s7]\nk=second\n"), std::string::npos);
}

TEST_F(IniFileTest, AnEditMadeOnDiskMeanwhileIsSeenAndKept) {
  auto ini = open("[Fonts]\na=DosHebrew\n[SymbolFonts]\n");
  ini->eraseSection(u"Fonts");
  ini->writeString(u"Fonts", u"b", u"Windows");
  writeFile(file, "[Fonts]\na=DosHebrew\n[SymbolFonts]\nsym1=\n[sym1]\nb1=65\n");
  EXPECT_EQ(ini->readInteger(u"sym1", u"b1", 0), 65);
  EXPECT_FALSE(ini->findString(u"Fonts", u"a").has_value());
  ini->updateFile();
  EXPECT_EQ(readFile(file), "[SymbolFonts]\nsym1=\n[sym1]\nb1=65\n[Fonts]\nb=Windows\n");
}

TEST_F(IniFileTest, LineBreaksInWrittenTextCannotStartNewLines) {
  auto ini = openIniFile(file);
  ini->writeString(u"S", u"k\n[Evil]", u"v\r\nx=1");
  ini->updateFile();
  auto reread = openIniFile(file);
  EXPECT_EQ(reread->readSection(u"S"), std::vector<std::u16string>{u"k [Evil]"});
  EXPECT_TRUE(reread->readSection(u"Evil").empty());
}

TEST_F(IniFileTest, ReadsUtf8Utf16AndWindows1255Files) {
  const std::u16string shalom = u"\u05E9\u05DC\u05D5\u05DD";
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"utf-8", "[S]\nk=\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\n"},
      {"utf-8 with mark", "\xEF\xBB\xBF[S]\nk=\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\n"},
      {"utf-16le", std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\xE9\x05\xDC\x05\xD5\x05\xDD\x05", 22)},
      {"windows-1255", "[S]\nk=\xF9\xEC\xE5\xED\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(open(c.bytes)->readString(u"S", u"k", u""), shalom) << c.name;
  }
  auto ini = open(cases[3].bytes);
  ini->writeString(u"S", u"k2", shalom);
  ini->updateFile();
  EXPECT_EQ(readFile(file),
            "[S]\nk=\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\nk2=\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\n");
}

std::string utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

// A file is written back in its own encoding, mark and line ends: a UTF-16
// file must not become a mix of UTF-16 and UTF-8.
TEST_F(IniFileTest, AFileIsWrittenBackInTheFormItCameIn) {
  const auto content = [](std::u16string_view width, std::u16string_view lineEnd) {
    return u"[Textedit]" + std::u16string(lineEnd) + u"Width=" + std::u16string(width) +
           std::u16string(lineEnd) + u"[Lib]" + std::u16string(lineEnd) +
           u"Standard=\u05E9\u05DC\u05D5\u05DD" + std::u16string(lineEnd);
  };
  struct Case {
    const char* name;
    std::function<std::string(std::u16string_view)> encode;
    std::u16string_view lineEnd;
  };
  const auto utf8 = [](std::u16string_view text) {
    std::string bytes;
    for (char16_t c : text) {
      if (c < 0x80) {
        bytes += static_cast<char>(c);
      } else {  // Hebrew letters only here
        bytes += static_cast<char>(0xC0 | c >> 6);
        bytes += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    return bytes;
  };
  const Case cases[] = {
      {"UTF-8, LF", utf8, u"\n"},
      {"UTF-8, CR LF", utf8, u"\r\n"},
      {"UTF-8 with a mark", [&](auto t) { return "\xEF\xBB\xBF" + utf8(t); }, u"\r\n"},
      {"UTF-16 LE with a mark", [](auto t) { return "\xFF\xFE" + utf16(t, false); }, u"\r\n"},
      {"UTF-16 BE with a mark", [](auto t) { return "\xFE\xFF" + utf16(t, true); }, u"\r\n"},
      {"UTF-16 LE without a mark", [](auto t) { return utf16(t, false); }, u"\r\n"},
      {"UTF-16 BE without a mark", [](auto t) { return utf16(t, true); }, u"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string before = c.encode(content(u"700", c.lineEnd));
    auto ini = open(before);
    EXPECT_FALSE(ini->readError());
    EXPECT_EQ(ini->readInteger(u"Textedit", u"Width", 0), 700);
    EXPECT_EQ(ini->readString(u"Lib", u"Standard", u""), u"\u05E9\u05DC\u05D5\u05DD");
    ini->writeInteger(u"Textedit", u"Width", 700);
    ini->updateFile();
    EXPECT_EQ(readFile(file), before) << "nothing changed, nothing written";
    ini->writeInteger(u"Textedit", u"Width", 800);
    ini->updateFile();
    EXPECT_EQ(readFile(file), c.encode(content(u"800", c.lineEnd)));
  }
}

// A line that ends in two carriage returns keeps one in its text: written
// back with the file's first line end in place of its own, that one would
// end the line instead, and the section [B\r] would become [B].
TEST_F(IniFileTest, EachLineKeepsItsOwnLineEnd) {
  auto ini = open("[A]\nx=1\r\n[B\r\r\ny=2\nz=3");
  ini->writeString(u"A", u"x", u"4");
  ini->updateFile();
  EXPECT_EQ(readFile(file), "[A]\nx=4\r\n[B\r\r\ny=2\nz=3\n");
  EXPECT_EQ(openIniFile(file)->readString(u"B\r", u"y", u""), u"2");
}

// Defaults in place of the user's values would be written over them: a
// file that exists but cannot be read or decoded is reported and kept.
TEST_F(IniFileTest, AFileThatCannotBeReadIsReportedAndNeverWritten) {
  namespace fs = std::filesystem;
  struct Case {
    const char* name;
    std::string bytes;  // none: a folder stands where the file should
    const char* why;
    bool unreadable = false;
  };
  const Case cases[] = {
      {"a folder in its place", {}, "not a regular file"},
      {"UTF-16 of an odd length", std::string("\xFF\xFE[\0A\0]\0\n", 9), "odd length"},
      {"a UTF-8 mark before other bytes", "\xEF\xBB\xBF[A]\nk=\xE0\n", "UTF-8 mark"},
      {"binary bytes", std::string("[A]\0\0\x01x=1\n", 10), "NUL"},
      {"no permission to read", "[Textedit]\nWidth=700\n[Mine]\nx=1\n", "Permission denied", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.unreadable && geteuid() == 0) continue;  // root reads any file
    fs::remove_all(file);
    if (c.bytes.empty()) {
      fs::create_directory(file);
    } else {
      writeFile(file, c.bytes);
    }
    if (c.unreadable) fs::permissions(file, fs::perms::none);
    auto ini = openIniFile(file);
    const auto problem = ini->readError();
    ASSERT_TRUE(problem);
    const std::string message = problem->what();
    EXPECT_NE(message.find(c.why), std::string::npos) << message;
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_EQ(ini->readInteger(u"Textedit", u"Width", 900), 900);
    ini->writeInteger(u"Textedit", u"Width", 800);
    EXPECT_THROW(ini->updateFile(), IniReadError);
    fs::permissions(file, fs::perms::owner_all);
    if (!c.bytes.empty()) {
      EXPECT_EQ(readFile(file), c.bytes);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
  }
}

TEST_F(IniFileTest, AReadOnlyFileIsNeverReplaced) {
  namespace fs = std::filesystem;
  auto ini = open("[A]\nb=1\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
  ini->writeInteger(u"A", u"b", 1);
  ini->updateFile();  // nothing to write
  ini->writeInteger(u"A", u"b", 2);
  EXPECT_THROW(ini->updateFile(), IniWriteError);
  EXPECT_EQ(readFile(file), "[A]\nb=1\n");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

TEST_F(IniFileTest, UnwritableFolderFailsWithTheFileNameAndLeavesNothingBehind) {
  writeFile(dir / "plainfile", "x");
  const auto target = dir / "plainfile" / "Hebrew.ini";  // its folder is a file
  auto ini = openIniFile(target);
  ini->writeInteger(u"A", u"b", 1);
  try {
    ini->updateFile();
    FAIL() << "expected IniWriteError";
  } catch (const IniWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + target.string());
  }
  auto missing = openIniFile(dir / "no" / "such" / "dir.ini");
  missing->writeInteger(u"A", u"b", 1);
  EXPECT_THROW(missing->updateFile(), IniWriteError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(IniFileTest, RewritingKeepsPermissionsAndLinksAndLeavesNoTemporaryFile) {
  auto ini = open("[A]\nb=1\n");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  ini->writeInteger(u"A", u"b", 2);
  ini->updateFile();
  EXPECT_EQ(readFile(file), "[A]\nb=2\n");
  EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  const auto link = dir / "link.ini";
  std::filesystem::create_symlink(file, link);
  auto viaLink = openIniFile(link);
  viaLink->writeInteger(u"A", u"b", 3);
  viaLink->updateFile();
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readFile(file), "[A]\nb=3\n");
}

}  // namespace
}  // namespace vrn::platform
