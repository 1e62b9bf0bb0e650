#include "settings/ini_settings.h"

#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "support/temp_dir.h"

namespace vrn::settings {
namespace {

class IniSettingsTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path file = dir / "Hebrew.ini";
};

TEST_F(IniSettingsTest, FirstStartWithoutAFileGivesTheDefaults) {
  IniSettings s = loadIniSettings(file);
  EXPECT_EQ(s, IniSettings{});
  EXPECT_EQ(s.curmapn, 1);
  EXPECT_EQ(s.curmaped, 1);
  EXPECT_EQ(s.charmap, 2);
  EXPECT_EQ(s.expld, -1);
  EXPECT_FALSE(s.reverseTTF);
  EXPECT_EQ(s.expl, 300);
  EXPECT_EQ(s.expt, 300);
  EXPECT_EQ(s.expw, 600);
  EXPECT_EQ(s.exph, 400);
  EXPECT_EQ(s.txthw, 900);
  EXPECT_EQ(s.stFile, u"");
}

TEST_F(IniSettingsTest, KeysInAnotherCaseAreReadAndSavedAsNamed) {
  test::writeFile(file, "[textedit]\nwidth=700\n; kept\n[LIB]\nSTANDARD=std.txt\n");
  IniSettings s = loadIniSettings(file);
  EXPECT_EQ(s.txthw, 700);
  EXPECT_EQ(s.stFile, u"std.txt");
  saveIniSettings(s, file);
  EXPECT_EQ(test::readFile(file),
            "[textedit]\nWidth=700\nLeft=100\nMapNew=1\nTop=400\nMapedit=1\ncharmap=2\n"
            "ReverseTTF=0\n; kept\n"
            "[LIB]\nStandard=std.txt\nLeft=300\nTop=300\nWidth=600\nheight=400\n"
            "[Gredit]\nleft=300\nTop=300\nwidth=400\nheight=300\nmode=0\n"
            "[Mtext]\nMtextExpolde=-1\n");
}

TEST_F(IniSettingsTest, BadValuesGiveTheDefaultAndGoodOnesStay) {
  test::writeFile(file,
                  "[Textedit]\nWidth=wide\nLeft=-20\nTop=\nMapNew=0\ncharmap=1.5\nReverseTTF=true\n"
                  "[Gredit]\nmode=1\nheight=99999999999\n[Mtext]\nMtextExpolde=0\n");
  IniSettings s = loadIniSettings(file);
  EXPECT_EQ(s.txthw, 900);
  EXPECT_EQ(s.txtl, -20);
  EXPECT_EQ(s.txtt, 400);
  EXPECT_EQ(s.curmapn, 0);
  EXPECT_EQ(s.charmap, 2);
  EXPECT_FALSE(s.reverseTTF);
  EXPECT_EQ(s.grmode, 1);
  EXPECT_EQ(s.grh, 300);
  EXPECT_EQ(s.expld, 0);
}

TEST_F(IniSettingsTest, EveryFieldSurvivesASaveAndLoad) {
  IniSettings s;
  s.curmapn = 0;
  s.curmaped = 0;
  s.txthw = 1;
  s.txtl = 2;
  s.txtt = 3;
  s.grl = 4;
  s.grt = 5;
  s.grw = 6;
  s.grh = 7;
  s.grmode = 1;
  s.expl = 8;
  s.expt = 9;
  s.exph = 10;
  s.expw = 11;
  s.stFile = u"\u05E9\u05DC\u05D5\u05DD";
  s.charmap = 1;
  s.expld = 0;
  s.reverseTTF = true;
  saveIniSettings(s, file);
  EXPECT_EQ(loadIniSettings(file), s);
}

TEST_F(IniSettingsTest, MissingDataDirectoryReadsDefaultsAndFailsToWrite) {
  const auto missing = dir / "gone" / "Hebrew.ini";
  EXPECT_EQ(loadIniSettings(missing), IniSettings{});
  try {
    saveIniSettings(IniSettings{}, missing);
    FAIL() << "expected an error";
  } catch (const platform::IniWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + missing.string());
  }
}

}  // namespace
}  // namespace vrn::settings
