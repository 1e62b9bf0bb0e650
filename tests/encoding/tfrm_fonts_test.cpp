#include "encoding/tfrm_fonts.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "ascii/letter_case.h"
#include "encoding/conversions.h"
#include "host/utf8.h"
#include "support/temp_dir.h"

namespace vrn::encoding {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

constexpr char kMapText[] =
    "; user's map\n"
    "[Fonts]\n"
    "hebrew1=dosenglishr\n"
    "WINFONT=Windows\n"
    "vornel=DosEnglish\n"
    "arial=DosEnglish\n"
    "odd=Garbage\n"
    "tt=TrueType\n"
    "Hebrew1=DosHebrew\n"
    "[SymbolFonts]\n"
    "Symb1=\n"
    "[symb1]\n"
    "b1=65\n"
    "b2=x\n"
    "b13=70000\n"
    "b7=-3\n";

// A data directory in the documents folder, holding the user's font map.
class TfrmFontsTest : public ::testing::Test {
 protected:
  TfrmFontsTest() {
    fs::create_directories(dataDir);
    writeFile(dataDir / "VrnFonts.txt", kMapText);
    fonts.FormCreate();
  }

  std::vector<FontMapRow> rows() const {
    std::vector<FontMapRow> result;
    for (std::size_t i = 1; i < fonts.fontmaps.rowCount(); ++i)
      result.push_back(fonts.fontmaps.row(i));
    return result;
  }

  test::TempDir dir;
  fs::path dataDir = dir / "docs" / "Palwen" / "Vornel" / "";
  settings::Settings settings{{dir / "docs", dir / "appdata", dir / "machine"}, {}, {}};
  TfrmFonts fonts{settings};
};

TEST_F(TfrmFontsTest, FormCreateShowsTheMapSortedWithItsSymbolFonts) {
  EXPECT_EQ(settings.DataDir, dataDir);
  EXPECT_EQ(fonts.fileName, dataDir / "VrnFonts.txt");
  EXPECT_EQ(fonts.fontmaps.row(0), (FontMapRow{u"Fonts", u"Mapping"}));
  // Names that differ only in case keep the first line; odd words stay as written.
  EXPECT_EQ(rows(), (std::vector<FontMapRow>{{u"arial", u"DosEnglish"},
                                             {u"hebrew1", u"dosenglishr"},
                                             {u"odd", u"Garbage"},
                                             {u"tt", u"TrueType"},
                                             {u"vornel", u"DosEnglish"},
                                             {u"WINFONT", u"Windows"}}));
  const tsymb* symbols = fonts.symbolFont(u"SYMB1");
  ASSERT_NE(symbols, nullptr);
  EXPECT_EQ(symbols->button(1), 65);
  EXPECT_EQ(symbols->button(2), 0);   // no number
  EXPECT_EQ(symbols->button(13), 0);  // no 16-bit number
  EXPECT_EQ(symbols->button(7), -3);
  EXPECT_EQ(fonts.symbolFont(u"hebrew1"), nullptr);
}

TEST_F(TfrmFontsTest, SetFntTypeClassifiesByNameExtensionAndMap) {
  struct Case {
    std::u16string fsname;
    fntType type;
    std::u16string cStFont;
  };
  const Case cases[] = {
      {u"vornel1.shx", fntType::WindowsHeb, u"VORNEL1"},
      {u"VORNEL.SHX", fntType::WindowsHeb, u"VORNEL"},
      {u"C:\\Fonts\\vornel.shx", fntType::DosEnglish, u"C:\\FONTS\\VORNEL"},
      {u"Arial.TTF", fntType::TrueType, u"ARIAL"},
      {u"arial.ttf", fntType::TrueType, u"ARIAL"},
      {u"", fntType::TrueType, u""},
      {u"C:\\Fonts\\", fntType::TrueType, u"C:\\FONTS\\"},
      {u"missing.shx", fntType::DosHebrew, u"MISSING"},
      {u"HEBREW1.SHX", fntType::DosEnglishR, u"HEBREW1"},
      {u"/usr/share/fonts/hebrew1.shx", fntType::DosEnglishR, u"/USR/SHARE/FONTS/HEBREW1"},
      {u"winfont", fntType::WindowsHeb, u"WINFONT"},
      {u"odd.shx", fntType::DosHebrew, u"ODD"},
      {u"tt.shx", fntType::DosHebrew, u"TT"},
      {u"hebrew1.shx.bak", fntType::DosHebrew, u"HEBREW1.SHX"},
  };
  for (const Case& c : cases) {
    fonts.cStBack = true;
    fonts.cStType = fntType::DosEnglish;
    fonts.SetFntType(c.fsname);
    EXPECT_EQ(fonts.cStType, c.type) << utf16ToUtf8(c.fsname);
    EXPECT_EQ(fonts.cStFont, c.cStFont) << utf16ToUtf8(c.fsname);
    EXPECT_TRUE(fonts.cStBack);
  }
}

TEST_F(TfrmFontsTest, SetFntTypeWithTextTakesDosLettersInAWindowsFontAsDosHebrew) {
  struct Case {
    std::u16string fsname;
    std::u16string text;
    fntType type;
  };
  const Case cases[] = {
      {u"winfont.shx", u"ab\u2026", fntType::DosHebrew},  // U+2026 is byte 0x85
      {u"winfont.shx", u"\u0085", fntType::DosHebrew},
      {u"winfont.shx", u"\u0080", fntType::DosHebrew},
      {u"winfont.shx", u"\u009B", fntType::WindowsHeb},  // just past the DOS letters
      {u"winfont.shx", u"", fntType::WindowsHeb},
      {u"winfont.shx", u"\u05E9\u05DC", fntType::WindowsHeb},
      {u"vornel2.shx", u"\u2026", fntType::WindowsHeb},
      {u"hebrew1.shx", u"\u2026", fntType::DosEnglishR},
  };
  for (const Case& c : cases) {
    fonts.SetFntType(c.fsname, c.text);
    EXPECT_EQ(fonts.cStType, c.type) << utf16ToUtf8(c.fsname) << " / " << utf16ToUtf8(c.text);
  }
}

TEST_F(TfrmFontsTest, GetFntTypeSetsTheCurrentTypeOnlyForFixedAnswers) {
  struct Case {
    std::u16string fsname;
    fntType answer;
    fntType cStTypeAfter;  // it was DosEnglish before
  };
  const Case cases[] = {
      {u"hebrew1.shx", fntType::DosEnglishR, fntType::DosEnglish},
      {u"missing.shx", fntType::DosHebrew, fntType::DosEnglish},
      {u"arial.ttf", fntType::TrueType, fntType::TrueType},
      {u"vornel.shx", fntType::WindowsHeb, fntType::WindowsHeb},
      {u"", fntType::TrueType, fntType::TrueType},
  };
  for (const Case& c : cases) {
    fonts.cStType = fntType::DosEnglish;
    fonts.cStFont = u"before";
    EXPECT_EQ(fonts.GetFntType(c.fsname), c.answer) << utf16ToUtf8(c.fsname);
    EXPECT_EQ(fonts.cStType, c.cStTypeAfter) << utf16ToUtf8(c.fsname);
    EXPECT_EQ(fonts.cStFont, upperAscii(fs::path(c.fsname).replace_extension().u16string()));
  }
}

TEST_F(TfrmFontsTest, ChangefntAddsOneRowOrUpdatesAndWritesTheWholeMap) {
  fonts.fontmaps.appendRow({});  // a row without a name is written too
  fonts.changefnt(u"C:\\Fonts\\newfont.shx", fntType::WindowsHeb);
  fonts.changefnt(u"ARIAL.SHX", fntType::DosHebrew);
  fonts.changefnt(u"other.shx", fntType::TrueType);
  auto all = rows();
  ASSERT_EQ(all.size(), 9u);
  EXPECT_EQ(all[0], (FontMapRow{u"arial", u"DosHebrew"}));
  EXPECT_EQ(all[6], (FontMapRow{u"", u""}));
  EXPECT_EQ(all[7], (FontMapRow{u"NEWFONT", u"Windows"}));
  EXPECT_EQ(all[8], (FontMapRow{u"OTHER", u"TrueType"}));
  EXPECT_EQ(readFile(dataDir / "VrnFonts.txt"),
            "; user's map\n"
            "[SymbolFonts]\nSymb1=\n[symb1]\nb1=65\nb2=x\nb13=70000\nb7=-3\n"
            "[Fonts]\narial=DosHebrew\nhebrew1=dosenglishr\nodd=Garbage\ntt=TrueType\n"
            "vornel=DosEnglish\nWINFONT=Windows\n=\nNEWFONT=Windows\nOTHER=TrueType\n");
  fonts.SetFntType(u"other.shx");
  EXPECT_EQ(fonts.cStType, fntType::DosHebrew);  // "TrueType" is written, never read
}

TEST_F(TfrmFontsTest, SetFontMapWritesTheRowsWithANameAndTakesThem) {
  FontMapGrid edited = fonts.fontmaps;
  edited.deleteRow(3);  // odd
  edited.appendRow({});
  edited.selectRow(edited.appendRow({u"added", u"DosEnglish"}));
  fonts.setFontMap(edited, fonts.fileName);
  EXPECT_EQ(fonts.fontmaps, edited);  // the row without a name stays in the grid
  EXPECT_EQ(readFile(dataDir / "VrnFonts.txt"),
            "; user's map\n"
            "[SymbolFonts]\nSymb1=\n[symb1]\nb1=65\nb2=x\nb13=70000\nb7=-3\n"
            "[Fonts]\narial=DosEnglish\nhebrew1=dosenglishr\ntt=TrueType\nvornel=DosEnglish\n"
            "WINFONT=Windows\nadded=DosEnglish\n");
  fonts.SetFntType(u"added.shx");
  EXPECT_EQ(fonts.cStType, fntType::DosEnglish);
}

TEST_F(TfrmFontsTest, SetFontMapOnAnotherFileSwitchesFilesOnlyWhenTheWriteWorked) {
  const std::string before = readFile(dataDir / "VrnFonts.txt");
  FontMapGrid edited = fonts.fontmaps;
  edited.setMapping(1, u"Windows");

  // The edits hold in memory even when the file cannot take them.
  const fs::path unwritable = dir / "no" / "such" / "map.txt";
  EXPECT_THROW(fonts.setFontMap(edited, unwritable), platform::IniWriteError);
  EXPECT_EQ(fonts.fileName, dataDir / "VrnFonts.txt");
  EXPECT_EQ(fonts.fontmaps.row(1), (FontMapRow{u"arial", u"Windows"}));
  EXPECT_EQ(readFile(dataDir / "VrnFonts.txt"), before);

  const fs::path other = dir / "maps" / "other.txt";
  fs::create_directories(other.parent_path());
  fonts.setFontMap(edited, other);
  EXPECT_EQ(fonts.fileName, other);
  EXPECT_EQ(fonts.dialogFolder, dir / "maps");
  EXPECT_EQ(fonts.fontmaps.row(1), (FontMapRow{u"arial", u"Windows"}));
  EXPECT_EQ(platform::openIniFile(other)->readString(u"Fonts", u"arial", u""), u"Windows");
  EXPECT_EQ(readFile(dataDir / "VrnFonts.txt"), before);
  fonts.changefnt(u"later.shx", fntType::DosHebrew);  // into the map file now in use
  EXPECT_TRUE(platform::openIniFile(other)->findString(u"Fonts", u"LATER").has_value());
}

TEST_F(TfrmFontsTest, LoadingAnotherMapReplacesTheRowsButNotTheSymbolFonts) {
  const fs::path other = dir / "maps" / "other.txt";
  writeFile(other, "[Fonts]\nzeta=Windows\nalpha=DosEnglish\n[SymbolFonts]\nnew=\n");
  fonts.loadFontMap(other);
  EXPECT_EQ(rows(), (std::vector<FontMapRow>{{u"alpha", u"DosEnglish"}, {u"zeta", u"Windows"}}));
  EXPECT_EQ(fonts.fileName, other);
  EXPECT_EQ(fonts.dialogFolder, dir / "maps");
  EXPECT_NE(fonts.symbolFont(u"symb1"), nullptr);
  EXPECT_EQ(fonts.symbolFont(u"new"), nullptr);
  fonts.changefnt(u"beta.shx", fntType::DosHebrew);
  EXPECT_EQ(platform::openIniFile(other)->readSection(u"Fonts"),
            (std::vector<std::u16string>{u"alpha", u"zeta", u"BETA"}));
}

TEST_F(TfrmFontsTest, FormDestroySavesTheSettingsAndTheKeyTextsComeFromEditdef) {
  settings.Rinistr.txthw = 1234;
  settings.Rinistr.reverseTTF = true;
  fonts.FormDestroy();
  EXPECT_EQ(fonts.symbolFont(u"symb1"), nullptr);
  EXPECT_EQ(settings::loadIniSettings(dataDir / "Hebrew.ini").txthw, 1234);

  writeFile(dataDir / "editdef.txt", "[FKeys]\nF2=two\n[Ctrl]\n5=five\n");
  settings::Settings fresh{settings.roots, {}, {}};
  TfrmFonts again(fresh);
  again.FormCreate();
  EXPECT_TRUE(fresh.Rinistr.reverseTTF);
  EXPECT_EQ(again.KeyDefText({}, 0x71), u"two");
  EXPECT_EQ(again.KeyDefText({.ctrl = true}, 0x35), u"five");
  EXPECT_EQ(again.KeyDefText({.alt = true}, 0x35), u"");
}

TEST(TfrmFontsFirstStart, NoDataDirectoryGivesDefaultsAndAnErrorOnlyWhenSaving) {
  test::TempDir dir;
  settings::Settings settings{{dir / "docs", std::nullopt, dir / "machine"}, {}, {}};
  settings.Rinistr.txthw = 5;  // overwritten by the defaults
  TfrmFonts fonts(settings);
  fonts.FormCreate();
  EXPECT_EQ(settings.DataDir, dir / "machine" / "");
  EXPECT_EQ(settings.Rinistr, settings::IniSettings{});
  EXPECT_EQ(fonts.fontmaps.rowCount(), 1u);
  EXPECT_TRUE(fonts.fontsyms.empty());
  EXPECT_EQ(fonts.KeyDefText({}, 0x70), u"");
  fonts.SetFntType(u"hebrew1.shx");
  EXPECT_EQ(fonts.cStType, fntType::DosHebrew);

  FontMapGrid edited = fonts.fontmaps;
  edited.appendRow({u"x", u"Windows"});
  EXPECT_THROW(fonts.setFontMap(edited, fonts.fileName), platform::IniWriteError);
  EXPECT_EQ(fonts.fontmaps.rowCount(), 2u);  // kept as edited
  EXPECT_THROW(fonts.changefnt(u"y.shx", fntType::WindowsHeb), platform::IniWriteError);
  settings.Rinistr.txthw = 7;  // a change, so there is something to write
  try {
    fonts.FormDestroy();
    FAIL() << "expected an error";
  } catch (const platform::IniWriteError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Unable to write to " + (dir / "machine" / "Hebrew.ini").string());
  }
  EXPECT_FALSE(fs::exists(dir / "machine"));
}

// Every command starts and unloads the module: Hebrew.ini is written only
// when a setting changed, and then in the form it came in.
TEST(TfrmFontsSettings, HebrewIniIsWrittenOnlyWhenASettingChanged) {
  struct Case {
    const char* name;
    std::string bytes;  // empty: no Hebrew.ini
    std::string changed;
  };
  const Case cases[] = {
      {"no file", "", "[Textedit]\nWidth=800\nLeft=100\nMapNew=1\nTop=400\nMapedit=1\n"},
      {"the user's own section, CR LF", "[Textedit]\r\nwidth=700\r\n[Mine]\r\nx=1\r\n",
       "[Textedit]\r\nWidth=800\r\nLeft=100\r\nMapNew=1\r\nTop=400\r\nMapedit=1\r\n"},
      {"UTF-16 BE without a mark", std::string("\0[\0A\0]\0\n", 8),
       std::string(
           "\0[\0A\0]\0\n\0[\0T\0e\0x\0t\0e\0d\0i\0t\0]\0\n\0W\0i\0d\0t\0h\0=\0008\0000\0000", 48)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    const fs::path ini = dir / "Hebrew.ini";
    if (!c.bytes.empty()) writeFile(ini, c.bytes);
    for (const bool change : {false, true}) {
      settings::Settings settings{{std::nullopt, std::nullopt, dir.path()}, {}, {}};
      TfrmFonts fonts(settings);
      fonts.FormCreate();
      if (change) settings.Rinistr.txthw = 800;
      fonts.FormDestroy();
      if (!change) {
        EXPECT_EQ(fs::exists(ini), !c.bytes.empty());
        if (!c.bytes.empty()) {
          EXPECT_EQ(readFile(ini), c.bytes);
        }
      } else {
        EXPECT_TRUE(readFile(ini).starts_with(c.changed)) << readFile(ini);
      }
    }
  }
}

TEST(TfrmFontsSettings, AReadOnlyHebrewIniIsKept) {
  test::TempDir dir;
  const fs::path ini = dir / "Hebrew.ini";
  writeFile(ini, "[Textedit]\nWidth=700\n");
  fs::permissions(ini, fs::perms::owner_read);
  settings::Settings settings{{std::nullopt, std::nullopt, dir.path()}, {}, {}};
  TfrmFonts fonts(settings);
  fonts.FormCreate();
  EXPECT_EQ(settings.Rinistr.txthw, 700);
  fonts.saveSettings();  // nothing changed: nothing to refuse
  settings.Rinistr.txthw = 800;
  EXPECT_THROW(fonts.saveSettings(), platform::IniWriteError);
  EXPECT_EQ(readFile(ini), "[Textedit]\nWidth=700\n");
}

// Defaults or an empty map written over the user's files would lose them:
// a Hebrew.ini or VrnFonts.txt that exists but cannot be read is reported
// and kept as it is.
TEST(TfrmFontsSettings, FilesThatCannotBeReadAreReportedAndNeverWritten) {
  struct Case {
    const char* name;
    std::string bytes;  // empty: a folder stands where the file should
    bool unreadable = false;
  };
  const Case cases[] = {
      {"a folder in its place", ""},
      {"UTF-16 of an odd length", std::string("\xFF\xFE[\0F\0", 7)},
      {"no permission to read", "[Fonts]\nHEBREW=DosEnglish\n[Textedit]\nWidth=700\n", true},
  };
  for (const Case& c : cases) {
    if (c.unreadable && geteuid() == 0) continue;  // root reads any file
    for (const char* name : {"Hebrew.ini", "VrnFonts.txt"}) {
      SCOPED_TRACE(std::string(c.name) + ", " + name);
      test::TempDir dir;
      const fs::path file = dir / name;
      if (c.bytes.empty()) {
        fs::create_directory(file);
      } else {
        writeFile(file, c.bytes);
      }
      if (c.unreadable) fs::permissions(file, fs::perms::none);
      settings::Settings settings{{std::nullopt, std::nullopt, dir.path()}, {}, {}};
      TfrmFonts fonts(settings);
      fonts.FormCreate();
      const bool ini = std::string(name) == "Hebrew.ini";
      EXPECT_EQ(fonts.settingsReadError().has_value(), ini);
      EXPECT_EQ(fonts.fontMapReadError().has_value(), !ini);
      EXPECT_EQ(settings.Rinistr, settings::IniSettings{});
      EXPECT_EQ(fonts.fontmaps.rowCount(), 1u);
      if (ini) {
        settings.Rinistr.txthw = 800;
        EXPECT_THROW(fonts.FormDestroy(), platform::IniReadError);
      } else {
        EXPECT_THROW(fonts.changefnt(u"hebrew.shx", fntType::WindowsHeb), platform::IniReadError);
        FontMapGrid edited = fonts.fontmaps;
        edited.appendRow({u"x", u"Windows"});
        EXPECT_THROW(fonts.setFontMap(edited, fonts.fileName), platform::IniReadError);
      }
      fs::permissions(file, fs::perms::owner_all);
      if (!c.bytes.empty()) {
        EXPECT_EQ(readFile(file), c.bytes);
      }
      EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
    }
  }
}

TEST_F(TfrmFontsTest, ConversionsReadTheCurrentStateAndReverseTTF) {
  const std::u16string text = u"\u05E9\u05DC\u05D5\u05DD 12";
  for (bool reverse : {false, true}) {
    settings.Rinistr.reverseTTF = reverse;
    for (int type = 0; type <= 4; ++type) {
      fonts.cStType = static_cast<fntType>(type);
      fonts.cStBack = type % 2 == 0;
      FontState state{fonts.cStType, fonts.cStBack};
      EXPECT_EQ(fonts.EditToacadWin(text), encoding::EditToacadWin(text, state, reverse));
      EXPECT_EQ(fonts.AcadToEditWin(text), encoding::AcadToEditWin(text, state));
      EXPECT_EQ(fonts.EditToacadDos(text), encoding::EditToacadDos(text, state));
      EXPECT_EQ(fonts.AcadToEditDos(text), encoding::AcadToEditDos(text, state));
      EXPECT_EQ(fonts.AAcadToEditWin(text, fntType::TrueType, false, true),
                encoding::AAcadToEditWin(text, {fntType::TrueType, false}, true, reverse));
    }
  }
}

}  // namespace
}  // namespace vrn::encoding
