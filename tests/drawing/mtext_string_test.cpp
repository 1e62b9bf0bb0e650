#include "drawing/mtext_string.h"

#include <gtest/gtest.h>

namespace vrn::drawing {
namespace {

TEST(MTextString, SplitsIntoChunksWithoutCuttingCharactersOrEscapes) {
  const std::string alef = "\xD7\x90";  // two bytes in UTF-8
  struct Case {
    std::string text;
    std::size_t chunks;
  } cases[] = {
      {"", 1},
      {std::string(250, 'a'), 1},
      {std::string(251, 'a'), 2},
      {std::string(249, 'a') + alef, 2},         // the letter would straddle byte 250
      {std::string(245, 'a') + "\\U+05D0b", 2},  // so would the escape
      {std::string(249, 'a') + "^Jb", 2},        // and the caret notation of a line feed
      {std::string(248, 'a') + "^^^Jb", 2},      // "^^" is one character, "^J" another
      {std::string(600, 'a'), 3},
  };
  for (const Case& c : cases) {
    const auto chunks = splitMTextString(c.text, *utf8Codec());
    EXPECT_EQ(chunks.size(), c.chunks) << c.text.size();
    std::string joined;
    for (const std::string& chunk : chunks) {
      EXPECT_LE(chunk.size(), kMTextChunkBytes);
      EXPECT_FALSE(chunk.starts_with("\x90")) << "cut inside a letter";
      EXPECT_FALSE(chunk.starts_with("U+")) << "cut inside an escape";
      EXPECT_FALSE(chunk.starts_with("J")) << "cut inside a caret notation";
      joined += chunk;
    }
    EXPECT_EQ(joined, c.text);
  }

  Record mtext({{0, "MTEXT"}, {10, "0"}, {40, "1"}, {1, "x"}, {7, "Standard"}});
  writeMTextString(mtext, std::string(300, 'b'), *utf8Codec());
  EXPECT_EQ(joinMTextString(mtext), std::string(300, 'b'));
  std::vector<int> codes;
  for (const Group& g : mtext.groups()) codes.push_back(g.code);
  EXPECT_EQ(codes, (std::vector<int>{0, 10, 40, 3, 1, 7}));
}

}  // namespace
}  // namespace vrn::drawing
