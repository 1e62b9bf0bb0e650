// The corpora of the settings-file and text-routine fuzzers, replayed on
// every test run with any compiler: the inputs kept there once failed or
// seed the fuzzers (see fuzz/text/text_properties.h).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../fuzz/text/text_properties.h"

namespace vrn::fuzz {
namespace {

std::string bytesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

template <class Check>
int replay(const char* folder, Check check) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    ++files;
    EXPECT_EQ(check(bytesOf(entry.path())), "") << entry.path();
  }
  return files;
}

TEST(FuzzCorpus, SettingsFilesReplay) {
  const int files = replay(VRN_SOURCE_DIR "/fuzz/text/corpus_ini", settingsFile);
  std::printf("settings-file corpus: %d files replayed\n", files);
  EXPECT_GE(files, 5);
}

TEST(FuzzCorpus, TextRoutinesReplay) {
  const int files =
      replay(VRN_SOURCE_DIR "/fuzz/text/corpus_strings", [](const std::string& bytes) {
        return textRoutines(
            unitsOf(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
      });
  std::printf("text-routine corpus: %d files replayed\n", files);
  EXPECT_GE(files, 5);
}

}  // namespace
}  // namespace vrn::fuzz
