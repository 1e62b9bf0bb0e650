#include "library/browser/text_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_dir.h"

namespace vrn::library {
namespace {

TEST(TextFile, ReadsTheEncodingItsMarkNamesElseWindows1255) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"UTF-8 with a mark", "\xEF\xBB\xBF\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D a"},
      {"UTF-16 LE", std::string("\xFF\xFE\xE9\x05\xDC\x05\xD5\x05\xDD\x05 \0a\0", 14)},
      {"UTF-16 BE", std::string("\xFE\xFF\x05\xE9\x05\xDC\x05\xD5\x05\xDD\0 \0a", 14)},
      {"no mark", "\xF9\xEC\xE5\xED a"},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto file = dir.path() / "in.txt";
    std::ofstream(file, std::ios::binary) << c.bytes;
    EXPECT_EQ(readTextFile(file), u"שלום a");
  }
}

TEST(TextFile, AFailedSaveLeavesTheFileAsItWas) {
  test::TempDir dir;
  const auto file = dir.path() / "out.txt";
  std::ofstream(file, std::ios::binary) << "kept";
  std::filesystem::create_directory(dir.path() / "out.txt.tmp");  // the temporary cannot be made
  EXPECT_ANY_THROW(writeTextFile(file, u"new"));
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept");
}

}  // namespace
}  // namespace vrn::library
