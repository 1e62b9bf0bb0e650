// The editors' text files: Hebrew comes back as it went out, and files
// other programs wrote are read by their mark or their bytes.

#include "encoding/text_file.h"

#include <gtest/gtest.h>

#include "../support/temp_dir.h"

namespace vrn::encoding {
namespace {

TEST(TextFile, WritesUtf8WithAMarkAndCrLf) {
  test::TempDir dir;
  const auto file = dir.path() / "notes.txt";
  writeTextLines(file, {u"שלום", u"", u"a"});
  EXPECT_EQ(test::readFile(file), "\xEF\xBB\xBF\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\r\n\r\na\r\n");
  EXPECT_EQ(readTextLines(file), (std::vector<std::u16string>{u"שלום", u"", u"a"}));
}

TEST(TextFile, ReadsByMarkThenByBytes) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::u16string> lines;
  };
  const Case cases[] = {
      {"UTF-8 with a mark", "\xEF\xBB\xBF\xD7\x90\r\nb", {u"א", u"b"}},
      {"UTF-16 LE with a mark", std::string("\xFF\xFE\xD0\x05\n\x00", 6), {u"א"}},
      {"UTF-16 BE with a mark", std::string("\xFE\xFF\x05\xD0\x00\n", 6), {u"א"}},
      {"UTF-16 LE without a mark", std::string("a\x00\xD0\x05\n\x00", 6), {u"aא"}},
      {"UTF-16 BE without a mark",
       std::string("\x00"
                   "a\x05\xD0\x00\n",
                   6),
       {u"aא"}},
      {"valid UTF-8 without a mark", "\xD7\x90\xD7\x91\nc\rd", {u"אב", u"c", u"d"}},
      {"Windows-1255 bytes", "\xE0\xE1 12\r\n", {u"אב 12"}},
      {"a lone lead byte is no UTF-8", "\xD7", {u"\u05F3"}},
      {"an empty file has no lines", "", {}},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto file = dir.path() / "in.txt";
    test::writeFile(file, c.bytes);
    EXPECT_EQ(readTextLines(file), c.lines);
  }
}

TEST(TextFile, AFileThatCannotBeWrittenKeepsWhatItHeld) {
  test::TempDir dir;
  const auto file = dir.path() / "missing" / "notes.txt";
  EXPECT_THROW(writeTextLines(file, {u"x"}), std::runtime_error);
  EXPECT_THROW(readTextLines(dir.path() / "none.txt"), std::runtime_error);
}

}  // namespace
}  // namespace vrn::encoding
