// Malformed drawings: the fuzz corpus, and a deterministic sweep of damaged
// copies of a small drawing. Each must be rejected with a HostError or read,
// saved and read back to the same text (see fuzz/dxf/dxf_property.h).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "../../fuzz/dxf/dxf_property.h"
#include "dxf_text.h"

namespace vrn::dxf {
namespace {

using fuzz::Outcome;

TEST(BadInput, FuzzCorpusReplays) {
  int files = 0;
  int ran = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VRN_SOURCE_DIR "/fuzz/dxf/corpus")) {
    ++files;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_NE(fuzz::readAndSave(text.str()), Outcome::SavedDifferently) << entry.path();
    ++ran;
  }
  std::printf("fuzz corpus: %d of %d files replayed\n", ran, files);
  EXPECT_GT(ran, 0);
  EXPECT_EQ(ran, files);
}

TEST(BadInput, DamagedCopiesOfADrawing) {
  const std::string drawing = test::smallDrawing();
  std::mt19937 random(862);
  int rejected = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string damaged = drawing;
    std::uniform_int_distribution<std::size_t> at(0, damaged.size() - 1);
    switch (i % 4) {
      case 0:
        damaged.resize(at(random));
        break;  // truncated
      case 1:
        damaged[at(random)] = static_cast<char>(random() & 0xFF);
        break;  // one byte
      case 2:
        damaged.erase(at(random), 1 + random() % 12);
        break;  // a cut
      case 3:
        damaged.insert(at(random), std::string(1 + random() % 3, '\n'));
        break;  // lines shift
    }
    const Outcome outcome = fuzz::readAndSave(damaged);
    ASSERT_NE(outcome, Outcome::SavedDifferently) << "case " << i;
    rejected += outcome == Outcome::Rejected;
  }
  std::printf("damaged copies: 3000 read, %d rejected\n", rejected);
}

}  // namespace
}  // namespace vrn::dxf
