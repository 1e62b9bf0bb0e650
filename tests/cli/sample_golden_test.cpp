// The vrn command end to end: the built executable on the bundled sample
// drawing, compared with the golden outputs in data/. To accept a deliberate
// change of the output, run with VRN_UPDATE_GOLDEN=1 and review the diff.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_dir.h"

namespace vrn::cli::testing {
namespace {

namespace fs = std::filesystem;

struct Output {
  int status = -1;
  std::string out;
};

// Runs the command line through the shell; standard error goes to the test's.
Output runCommand(const std::string& command) {
  Output result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    result.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

using test::readFile;

class SampleGolden : public ::testing::Test {
 protected:
  void expectGolden(const std::string& arguments, const std::string& goldenName) {
    const fs::path source = VRN_SOURCE_DIR;
    const std::string command = quoted(VRN_CLI_EXECUTABLE) + " texts " +
                                quoted(source / "examples/sample.dxf") + " --font-map " +
                                quoted(source / "examples/VrnFonts.txt") + " --data-dir " +
                                quoted(dataDir.path()) + arguments;
    const Output result = runCommand(command);
    ASSERT_EQ(result.status, 0) << command;
    const fs::path golden = fs::path(VRN_TEST_DATA_DIR) / goldenName;
    if (std::getenv("VRN_UPDATE_GOLDEN") != nullptr)
      std::ofstream(golden, std::ios::binary) << result.out;
    EXPECT_EQ(result.out, readFile(golden)) << command;
  }

  test::TempDir dataDir;
};

TEST_F(SampleGolden, TextsInReadingOrder) { expectGolden("", "sample_texts.txt"); }

TEST_F(SampleGolden, TextsAsJson) { expectGolden(" --json", "sample_texts.json"); }

TEST_F(SampleGolden, ReadingLeavesTheDrawingAndTheFontMapAsTheyWere) {
  const fs::path source = VRN_SOURCE_DIR;
  const std::string drawing = readFile(source / "examples/sample.dxf");
  const std::string map = readFile(source / "examples/VrnFonts.txt");
  expectGolden("", "sample_texts.txt");
  EXPECT_EQ(readFile(source / "examples/sample.dxf"), drawing);
  EXPECT_EQ(readFile(source / "examples/VrnFonts.txt"), map);
}

}  // namespace
}  // namespace vrn::cli::testing
