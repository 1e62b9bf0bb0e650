// FontTable and Cmd "about_vrn" as a user meets them: a scripted user on the
// headless backend, through the member call, on a data directory.

#include "automation/shell_members.h"

#include <gtest/gtest.h>

#include <optional>

#include "../support/temp_dir.h"
#include "../ui/scripted_backends.h"
#include "automation/autovrn.h"
#include "automation/module.h"
#include "encoding/tfrm_fonts.h"

namespace vrn::automation::testing {
namespace {

namespace fs = std::filesystem;
using vrn::test::readFile;
using vrn::test::writeFile;

constexpr char mapText[] = "[Fonts]\nhebrew1=DosHebrew\nwinfont=Windows\n";

class ShellMembersTest : public ::testing::Test {
 protected:
  void start(const fs::path& folder) {
    module.emplace(ModuleOptions{.dataDir = folder, .toolkit = &toolkit});
  }

  // Calls the member with the script as the user; the run's failures go to report.
  CallResult play(std::string_view member, std::vector<host::Variant> args,
                  const std::string& script) {
    toolkit.play(ui::script::parse(script), nullptr);
    CallResult result = object.invoke(member, host::Invoke::Method, args);
    report = toolkit.finish();
    return result;
  }
  CallResult fontTable(const std::string& script) { return play("FontTable", {}, script); }
  std::string failures() const { return report.ok() ? "" : report.failures.front(); }
  std::string fontMap() const { return readFile(dataDir / "VrnFonts.txt"); }

  vrn::test::SimulatedKeyboardGuard keyboard;
  vrn::test::TempDir tempDir;
  fs::path dataDir = tempDir / "data" / "";
  ui::headless::HeadlessToolkit toolkit;
  ui::RunReport report;
  std::optional<Module> module;
  Tautovrn object;
};

TEST_F(ShellMembersTest, FontTableFlowsEndInTheFontMapFile) {
  struct Case {
    const char* what;
    std::string script;
    std::string fontMap;  // the file afterwards
  };
  const Case cases[] = {
      {"add a font",
       "click btnNew\nset fontmaps NEWFONT\n"
       "cell fontmaps 1 3\nchoose fontmaps DosEnglish\nkey Enter\n",
       "[Fonts]\nhebrew1=DosHebrew\nwinfont=Windows\nNEWFONT=DosEnglish\n"},
      {"delete", "cell fontmaps 0 1\nclick btnDelete\nclick btnOk\n", "[Fonts]\nwinfont=Windows\n"},
      {"new from file",
       "click Button1\nfile /fonts/Romans.shx\nchoose fontmaps Windows\nkey Enter\n",
       "[Fonts]\nRomans=Windows\nhebrew1=DosHebrew\nwinfont=Windows\n"},
      {"a row without a name is not written", "click btnNew\nkey Enter\n",
       "[Fonts]\nhebrew1=DosHebrew\nwinfont=Windows\n"},
      // Closing writes the map as edited, Cancel and the close box too.
      {"cancel",
       "click btnNew\nset fontmaps NEWFONT\ncell fontmaps 0 1\nclick btnDelete\nkey Escape\n",
       "[Fonts]\nwinfont=Windows\nNEWFONT=\n"},
      {"the close box", "cell fontmaps 0 1\nclick btnDelete\nclose\n",
       "[Fonts]\nwinfont=Windows\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(dataDir / "VrnFonts.txt", mapText);
    start(dataDir);
    EXPECT_EQ(fontTable(c.script).hr, host::hr::kOk);
    EXPECT_TRUE(report.ok()) << failures();
    EXPECT_EQ(fontMap(), c.fontMap);
    module.reset();
  }
}

TEST_F(ShellMembersTest, TheTypeChosenStaysAfterOk) {
  writeFile(dataDir / "VrnFonts.txt", mapText);
  start(dataDir);
  ASSERT_EQ(fontTable("cell fontmaps 1 1\nchoose fontmaps DosEnglishR\nkey Enter\n").hr,
            host::hr::kOk);
  EXPECT_TRUE(report.ok()) << failures();
  encoding::TfrmFonts& fonts = module->frmFonts();
  EXPECT_EQ(fonts.GetFntType(u"HEBREW1.SHX"), fntType::DosEnglishR);
  // Shown again, the window has it; and after a restart, so does the file.
  ASSERT_EQ(fontTable("expect fontmaps Cells[1,1] DosEnglishR\nkey Escape\n").hr, host::hr::kOk);
  EXPECT_TRUE(report.ok()) << failures();
  module.reset();
  start(dataDir);
  EXPECT_EQ(module->frmFonts().GetFntType(u"hebrew1.shx"), fntType::DosEnglishR);
}

// A map that cannot be written was once closed over in silence: the user
// is told now, the window still closes, and the edits hold in memory.
TEST_F(ShellMembersTest, AnUnwritableFontMapSaysSoAndKeepsTheEditsInMemory) {
  // The data directory does not exist: the map reads empty and cannot be written.
  const fs::path missing = tempDir / "missing" / "";
  start(missing);
  const CallResult result = fontTable(
      "click btnNew\nset fontmaps NEWFONT\ncell fontmaps 1 1\nchoose fontmaps Windows\n"
      "key Enter\nanswer OK\n");
  EXPECT_EQ(result.hr, host::hr::kOk);
  EXPECT_TRUE(report.ok()) << failures();
  EXPECT_EQ(
      toolkit.transcript().lines()[1],
      "message \"Unable to write to " + (missing / "VrnFonts.txt").string() + "\" [vrn] OK -> OK");
  EXPECT_EQ(module->frmFonts().GetFntType(u"newfont.shx"), fntType::WindowsHeb);
  EXPECT_FALSE(fs::exists(missing));
}

TEST_F(ShellMembersTest, AboutBoxShowsTheProductAndVersionAndOkClosesIt) {
  start(dataDir);
  // Centred on the second monitor, where the pointer is: 1920 + (1280 - 300) / 2.
  toolkit.screen().setMonitors({{0, 0, 1920, 1040}, {1920, 0, 1280, 1000}});
  toolkit.screen().setPointer({2000, 500});
  const CallResult result = play("Cmd", {u"about_vrn", u"", u""},
                                 "expect ProductName Caption vrn\n"
                                 "expect Version Caption Version 1.0\n"
                                 "expect TAboutBox Left 2410\n"
                                 "key Enter\n");
  EXPECT_EQ(result.hr, host::hr::kOk);
  EXPECT_TRUE(report.ok()) << failures();
  EXPECT_EQ(
      toolkit.transcript().lines(),
      (std::vector<std::string>{"form TAboutBox \"About vrn\" shown", "form TAboutBox closed OK"}));
}

TEST_F(ShellMembersTest, AScriptThatEndsWithTheFormOpenCancelsIt) {
  writeFile(dataDir / "VrnFonts.txt", mapText);
  start(dataDir);
  EXPECT_EQ(fontTable("cell fontmaps 0 1\nclick btnDelete\n").hr, host::hr::kOk);
  EXPECT_EQ(report.failures,
            (std::vector<std::string>{"the script ended while form TfrmFonts was open"}));
  EXPECT_EQ(fontMap(), "[Fonts]\nwinfont=Windows\n");  // closing by Cancel writes the map
}

}  // namespace
}  // namespace vrn::automation::testing
