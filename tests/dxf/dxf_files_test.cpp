#include "dxf/dxf_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>
#include <vector>

#include "../support/temp_dir.h"
#include "drawing/application.h"
#include "dxf_text.h"
#include "host/host_error.h"
#include "host/ref.h"
#include "host/utf8.h"

namespace vrn::dxf {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using namespace std::string_literals;

class DxfFilesTest : public ::testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& text) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t filesInFolder() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }
  static std::string errorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const host::HostError& error) {
      return error.what();
    }
    return "no error";
  }

  vrn::test::TempDir tempDir_;
  const fs::path& folder_ = tempDir_.path();
  DxfFiles files_;
  drawing::FileClaim claim_;
};

TEST_F(DxfFilesTest, SavesOverTheFileThroughARename) {
  const std::string drawing = test::smallDrawing();
  const std::string path = write("plan.dxf", drawing);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  auto data = files_.load(path, claim_);
  data.entities[0]->record.set(1, "changed");
  files_.save(data, path, claim_);
  EXPECT_NE(read(path).find("changed"), std::string::npos);
  EXPECT_EQ(filesInFolder(), 1u);  // no temporary file left
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // Save As: a new file (with a Hebrew name, UTF-8); the loaded buffer
  // keeps the records valid.
  const std::string copy =
      folder_.string() + "/\xD7\xAA\xD7\x95\xD7\x9B\xD7\xA0\xD7\x99\xD7\xAA.dxf";
  drawing::FileClaim copyClaim;
  files_.save(files_.load(path, claim_), copy, copyClaim);
  EXPECT_EQ(read(copy), read(path));
}

TEST_F(DxfFilesTest, AFailedSaveLeavesEverythingAsItWas) {
  const auto data = files_.load(write("plan.dxf", test::smallDrawing()), claim_);
  // The target is a folder: the rename fails after the whole file is written.
  fs::create_directory(folder_ / "plan_folder.dxf");
  const std::string target = (folder_ / "plan_folder.dxf").string();
  EXPECT_THAT(errorOf([&] { files_.save(data, target, claim_); }),
              HasSubstr(target + ": cannot replace the drawing"));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(filesInFolder(), 2u);  // plan.dxf and the folder: the temporary file is gone
  const std::string nowhere = (folder_ / "no_such_folder" / "plan.dxf").string();
  EXPECT_THAT(errorOf([&] { files_.save(data, nowhere, claim_); }),
              HasSubstr(nowhere + ": cannot create a temporary file"));
}

TEST_F(DxfFilesTest, LoadErrorsNameTheFile) {
  const std::string missing = (folder_ / "missing.dxf").string();
  EXPECT_THAT(errorOf([&] { files_.load(missing, claim_); }),
              HasSubstr(missing + ": cannot open the drawing"));
  EXPECT_THAT(errorOf([&] { files_.load(folder_.string(), claim_); }), HasSubstr("is a folder"));
  const std::string bad = write("bad.dxf", "  0\nSECTION\n  2\nENTITIES\nabc\n");
  EXPECT_THAT(errorOf([&] { files_.load(bad, claim_); }),
              HasSubstr(bad + ", line 5: group code \"abc\" is not a number"));
}

// A file that never ends, or is larger than any drawing, stops at the size
// limit with a message instead of filling the memory: a device, a pipe fed
// for longer than the limit, and a regular file one byte over it.
TEST_F(DxfFilesTest, ReadingStopsAtTheSizeLimit) {
  constexpr std::uint64_t kLimit = 1 << 20;
  const DxfFiles limited(kLimit);
  const std::string fifo = (folder_ / "endless.dxf").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // The reader stops first: the feeder's writes then fail instead of
  // ending the process.
  const auto oldHandler = std::signal(SIGPIPE, SIG_IGN);
  std::thread feeder([&] {
    std::ofstream out(fifo, std::ios::binary);
    const std::string chunk(65536, '0');
    for (std::uint64_t written = 0; out && written <= 2 * kLimit; written += chunk.size())
      out << chunk;
  });
  const std::string large = write("large.dxf", std::string(kLimit + 1, '0'));
  for (const std::string& path : {std::string("/dev/zero"), fifo, large}) {
    EXPECT_THAT(
        errorOf([&] { limited.load(path, claim_); }),
        HasSubstr(path + ": the file is larger than the 1 MiB a drawing may have, or never ends"));
  }
  feeder.join();
  std::signal(SIGPIPE, oldHandler);
}

// A text holding line breaks, a tab, NUL and carets, put through the
// drawing's automation objects into every kind of drawing (R12 and R2000 in
// a code page, R2018 in UTF-8), saves as a drawing that opens again with
// the same text.
TEST_F(DxfFilesTest, ControlCharactersSurviveASaveAndReload) {
  using host::Ref;
  using host::Variant;
  const std::u16string text = u"line one\r\nline two\tcolumn\0nul ^ caret ^J typed\x1E"s;
  for (const char* fixture : {"r12_ansi_1255.dxf", "r2000_ansi_1255.dxf", "r2018_ansi_1255.dxf"}) {
    SCOPED_TRACE(fixture);
    const std::string source = VRN_SOURCE_DIR "/tests/dxf/fixtures/" + std::string(fixture);
    std::vector<std::u16string> handles;
    for (const auto& entity : files_.load(source, claim_).entities) {
      const auto type = entity->record.type();
      if (type != "TEXT" && type != "MTEXT") continue;
      handles.push_back(utf8ToUtf16(entity->record.value(5)));
    }
    ASSERT_FALSE(handles.empty());
    const std::string saved = (folder_ / fixture).string();
    {
      const auto app = drawing::makeApplication(std::make_shared<DxfFiles>());
      const Ref doc =
          Ref(app).obj("Documents").call("Open", Variant(utf8ToUtf16(source))).toObject();
      // Some of the fixtures' texts are on a locked layer.
      const Ref layers = doc.obj("Layers");
      for (std::int32_t i = 0; i < layers.get("Count").toInt(); ++i) {
        Ref(layers.call("Item", Variant(i)).toObject()).put("Lock", Variant(false));
      }
      for (const auto& handle : handles) {
        Ref(doc.call("HandleToObject", Variant(handle)).toObject())
            .put("TextString", Variant(text));
      }
      doc.call("SaveAs", Variant(utf8ToUtf16(saved)));
    }
    const auto app = drawing::makeApplication(std::make_shared<DxfFiles>());
    const Ref doc = Ref(app).obj("Documents").call("Open", Variant(utf8ToUtf16(saved))).toObject();
    for (const auto& handle : handles) {
      EXPECT_EQ(
          Ref(doc.call("HandleToObject", Variant(handle)).toObject()).get("TextString").toString(),
          text);
    }
  }
}

// A drawing in an East Asian code page opens, reads its texts, and takes
// a text its code page lacks part of, which it writes as \U+XXXX.
TEST_F(DxfFilesTest, DoubleByteCodePageDrawings) {
  using host::Ref;
  using host::Variant;
  for (const char* codePage : {"ANSI_932", "dos932"}) {
    SCOPED_TRACE(codePage);
    std::string drawing = test::smallDrawing(codePage);
    const std::string dosText = "1=\x99\x8C\x85\x8D";
    drawing.replace(drawing.find(dosText.substr(2)), dosText.size() - 2,
                    "\x93\xFA\x96\x7B");  // Japan
    const std::string path = write("plan.dxf", drawing);
    const auto app = drawing::makeApplication(std::make_shared<DxfFiles>());
    const Ref doc = Ref(app).obj("Documents").call("Open", Variant(utf8ToUtf16(path))).toObject();
    const Ref text = doc.call("HandleToObject", Variant(u"30")).toObject();
    EXPECT_EQ(text.get("TextString").toString(), u"\u65E5\u672C");
    text.put("TextString", Variant(u"\u65E5\u672C \u05E9"));
    doc.call("Save");
    EXPECT_NE(read(path).find("\n\x93\xFA\x96\x7B \\U+05E9\n"), std::string::npos);
    const Ref again = Ref(app).obj("Documents").call("Open", Variant(utf8ToUtf16(path))).toObject();
    EXPECT_EQ(
        Ref(again.call("HandleToObject", Variant(u"30")).toObject()).get("TextString").toString(),
        u"\u65E5\u672C \u05E9");
  }
}

// Lossless means byte-identical: a drawing saved with no change is the file
// it was read from, for the fixtures, the sample sheet and every real
// drawing of the corpus that the reader accepts. The corpus drawings it
// refuses are named with the reason.
TEST_F(DxfFilesTest, NoOpSavesAreByteIdentical) {
  std::vector<fs::path> drawings{VRN_SOURCE_DIR "/examples/sample.dxf"};
  const auto addFolder = [&](const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      std::string extension = entry.path().extension().string();
      for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (extension == ".dxf") drawings.push_back(entry.path());
    }
  };
  addFolder(VRN_SOURCE_DIR "/tests/dxf/fixtures");
  const fs::path corpus = VRN_DXF_CORPUS_DIR;
  const bool haveCorpus = fs::is_directory(corpus);
  if (haveCorpus) addFolder(corpus);
  const std::map<std::string, std::string> refused{
      {"ezdxf__integration_tests__data__bin_dxf_r2000.dxf", "binary DXF files are not supported"},
      {"ezdxf__integration_tests__data__duplicate_handles.dxf", "is used twice"},
      {"ezdxf__integration_tests__data__empty_handles.dxf", "is not a hexadecimal number"},
      {"ezdxf__integration_tests__data__recover01.dxf", "expected a SECTION"},
      {"ezdxf__integration_tests__data__recover02.dxf", "expected a TABLE"},
  };
  int saved = 0;
  for (const fs::path& path : drawings) {
    SCOPED_TRACE(path.string());
    const std::string name = path.filename().string();
    if (const auto reason = refused.find(name);
        reason != refused.end() && path.parent_path() == corpus) {
      EXPECT_THAT(errorOf([&] { files_.load(path.string(), claim_); }), HasSubstr(reason->second));
      continue;
    }
    const std::string copy = (folder_ / ("saved_" + name)).string();
    try {
      files_.save(files_.load(path.string(), claim_), copy, claim_);
    } catch (const host::HostError& error) {
      ADD_FAILURE() << error.what();
      continue;
    }
    EXPECT_TRUE(read(copy) == read(path.string())) << "differs from the file it was read from";
    ++saved;
  }
  std::printf("drawings saved unchanged: %d of %zu\n", saved, drawings.size());
  if (!haveCorpus)
    GTEST_SKIP() << "no DXF corpus at " << corpus << ": only the fixtures were saved";
}

}  // namespace
}  // namespace vrn::dxf
