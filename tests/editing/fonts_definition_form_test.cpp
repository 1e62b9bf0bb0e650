// The "Fonts Definition" window, driven by the scripted user over a model
// that read the user's font map.

#include "editing/fonts_definition_form.h"

#include <gtest/gtest.h>

#include "../support/temp_dir.h"
#include "../ui/scripted_backends.h"
#include "host/utf8.h"
#include "ui/owned_form.h"

namespace vrn::editing {
namespace {

namespace fs = std::filesystem;
using encoding::FontMapRow;
using test::readFile;
using test::writeFile;

constexpr char mapText[] =
    "[Fonts]\n"
    "hebrew1=DosHebrew\n"
    "odd=Garbage\n"
    "winfont=Windows\n"
    "[SymbolFonts]\n"
    "Symb1=\n"
    "[symb1]\n"
    "b1=65\n";

class FontsDefinitionFormTest : public ::testing::Test {
 protected:
  FontsDefinitionFormTest() {
    writeFile(dataDir / "VrnFonts.txt", mapText);
    fonts.FormCreate();
  }

  // Shows the window with the script; returns how it closed.
  ui::ModalResult run(const std::string& script) {
    toolkit.play(ui::script::parse(script), nullptr);
    ui::OwnedForm<FontsDefinitionForm> form(toolkit, fonts);
    ui::ModalResult result = form->showModal();
    form.destroy();
    report = toolkit.finish();
    return result;
  }
  std::vector<FontMapRow> rows() const {
    std::vector<FontMapRow> result;
    for (std::size_t i = 1; i < fonts.fontmaps.rowCount(); ++i)
      result.push_back(fonts.fontmaps.row(i));
    return result;
  }
  std::string failures() const { return report.ok() ? "" : report.failures.front(); }

  test::SimulatedKeyboardGuard keyboard;
  vrn::test::TempDir dir;
  fs::path dataDir = dir / "docs" / "Palwen" / "Vornel" / "";
  settings::Settings settings{{dir / "docs", dir / "appdata", dir / "machine"}, {}, {}};
  encoding::TfrmFonts fonts{settings};
  ui::headless::HeadlessToolkit toolkit;
  ui::RunReport report;
};

TEST_F(FontsDefinitionFormTest, ShowsTheMapWithItsCaptionsAndPickList) {
  const std::string showsMapFile = "expect Edit1 Text " + (dataDir / "VrnFonts.txt").string();
  run("expect TfrmFonts Caption Fonts Definition\n" + showsMapFile +
      "\n"
      "expect Label1 Caption File\n"
      "expect btnNew Caption &New\n"
      "expect btnDelete Caption &Delete\n"
      "expect Button1 Caption &New from file\n"
      "expect SpeedButton1 Hint \"Load  new Font Defenition File\"\n"
      "expect SpeedButton2 Hint \"Load   Font Defenition File As ..\"\n"
      "expect fontmaps Cells[0,0] Fonts\n"
      "expect fontmaps Cells[1,0] Mapping\n"
      "expect fontmaps Cells[0,2] odd\n"
      "expect fontmaps Cells[1,2] Garbage\n"
      "expect fontmaps Row 1\n"
      "expect TfrmFonts Left 768\n"  // (1920 - 384) / 2 on the one monitor
      "cell fontmaps 1 2\n"
      "choose fontmaps DosEnglishR\n"
      "expect fontmaps Cells[1,2] DosEnglishR\n"
      "key Escape\n");
  EXPECT_TRUE(report.ok()) << failures();
}

TEST_F(FontsDefinitionFormTest, TheButtonsEditTheRowsAndOkWritesThem) {
  struct Case {
    const char* what;
    std::string script;  // then OK
    std::vector<FontMapRow> rows;
    std::size_t selected;
  };
  const std::string picked = (dir / "some" / "Picked.SHX").string();
  const Case cases[] = {
      {"new row, named and mapped",
       "click btnNew\nexpect fontmaps Row 4\nset fontmaps added\n"
       "cell fontmaps 1 4\nchoose fontmaps Windows\n",
       {{u"hebrew1", u"DosHebrew"},
        {u"odd", u"Garbage"},
        {u"winfont", u"Windows"},
        {u"added", u"Windows"}},
       4},
      {"delete keeps the place",
       "cell fontmaps 0 2\nclick btnDelete\nexpect fontmaps Cells[0,2] winfont\n",
       {{u"hebrew1", u"DosHebrew"}, {u"winfont", u"Windows"}},
       2},
      {"delete the last row selects the one above",
       "cell fontmaps 0 3\nclick btnDelete\n",
       {{u"hebrew1", u"DosHebrew"}, {u"odd", u"Garbage"}},
       2},
      {"new from file at the selected row, then mapped",
       "cell fontmaps 0 2\nclick Button1\nfile " + picked +
           "\nexpect fontmaps Col 1\nchoose fontmaps DosEnglish\n",
       {{u"hebrew1", u"DosHebrew"},
        {u"Picked", u"DosEnglish"},
        {u"odd", u"Garbage"},
        {u"winfont", u"Windows"}},
       2},
      {"new from file of a mapped font selects it",
       "click Button1\nfile /fonts/WINFONT.shx\nexpect fontmaps Row 3\n",
       {{u"hebrew1", u"DosHebrew"}, {u"odd", u"Garbage"}, {u"winfont", u"Windows"}},
       3},
      {"a cancelled font dialog adds nothing",
       "click Button1\nanswer Cancel\n",
       {{u"hebrew1", u"DosHebrew"}, {u"odd", u"Garbage"}, {u"winfont", u"Windows"}},
       1},
  };
  const std::string original = readFile(dataDir / "VrnFonts.txt");
  // OK by a click: Enter would press the button that has the focus.
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(dataDir / "VrnFonts.txt", original);
    fonts.loadFontMap(dataDir / "VrnFonts.txt");
    EXPECT_EQ(run(c.script + "click btnOk\n"), ui::ModalResult::OK);
    EXPECT_TRUE(report.ok()) << failures();
    EXPECT_EQ(rows(), c.rows);
    EXPECT_EQ(fonts.fontmaps.selectedRow(), c.selected);
    auto written = platform::openIniFile(dataDir / "VrnFonts.txt");
    EXPECT_EQ(written->readSection(u"Fonts").size(), c.rows.size());
    for (const FontMapRow& row : c.rows) {
      EXPECT_EQ(written->readString(u"Fonts", row.key, u"?"), row.mapping) << utf16ToUtf8(row.key);
    }
    EXPECT_EQ(written->readString(u"symb1", u"b1", u""), u"65") << "the symbol fonts stay";
  }
}

// Closing writes the map as edited, whichever way the window closes.
TEST_F(FontsDefinitionFormTest, CancelWritesTheMapAsEditedLikeOk) {
  EXPECT_EQ(run("click btnNew\nset fontmaps added\nkey Escape\n"), ui::ModalResult::Cancel);
  EXPECT_TRUE(report.ok()) << failures();
  EXPECT_TRUE(fonts.fontmaps.findKey(u"added").has_value());
  EXPECT_NE(readFile(dataDir / "VrnFonts.txt").find("\nadded=\n"), std::string::npos);
}

TEST_F(FontsDefinitionFormTest, DeleteAndNewOnAnEmptyMap) {
  fonts.setFontMap({}, fonts.fileName);
  run("click btnDelete\nexpect fontmaps RowCount 1\nclick btnNew\nclick btnDelete\n"
      "expect fontmaps RowCount 1\nclick btnDelete\nclick btnOk\n");
  EXPECT_TRUE(report.ok()) << failures();
  EXPECT_EQ(fonts.fontmaps.rowCount(), 1u);
  EXPECT_EQ(fonts.fontmaps.selectedRow(), 0u);
}

TEST_F(FontsDefinitionFormTest, LoadShowsAnotherMapThatOkMakesTheMapInUse) {
  const fs::path other = dir / "maps" / "other.txt";
  writeFile(other, "[Fonts]\nzeta=Windows\nalpha=DosEnglish\n");
  run("click SpeedButton1\nfile " + other.string() + "\nexpect Edit1 Text " + other.string() +
      "\nexpect fontmaps Cells[0,1] alpha\nexpect fontmaps RowCount 3\nkey Enter\n");
  EXPECT_TRUE(report.ok()) << failures();
  EXPECT_EQ(toolkit.transcript().lines()[1],
            "open file \"Font Definitio Files(*.txt)|*.txt\" -> " + other.string());
  EXPECT_EQ(rows(), (std::vector<FontMapRow>{{u"alpha", u"DosEnglish"}, {u"zeta", u"Windows"}}));
  EXPECT_EQ(fonts.fileName, other);
  EXPECT_EQ(fonts.dialogFolder, dir / "maps");
  EXPECT_NE(fonts.symbolFont(u"symb1"), nullptr) << "the symbol fonts stay";
}

TEST_F(FontsDefinitionFormTest, SaveAsWritesTheChosenFileAndMakesItTheMapInUse) {
  const fs::path target = dir / "saved.txt";
  writeFile(target, "[Fonts]\nstale=Windows\n[Keep]\nk=1\n");
  const fs::path unwritable = dir / "no" / "such" / "map.txt";
  const std::string showsTarget = "expect Edit1 Text " + target.string() + "\n";
  run("click btnNew\nclick SpeedButton2\nfile " + target.string() + "\n" + showsTarget +
      "click SpeedButton2\nfile " + unwritable.string() + "\nanswer OK\n" + showsTarget +
      "key Escape\n");
  EXPECT_TRUE(report.ok()) << failures();
  EXPECT_EQ(toolkit.transcript().lines()[3],
            "message \"Unable to write to " + unwritable.string() + "\" [vrn] OK -> OK");
  // The map saved as is the map in use; closing wrote it again, without the
  // row that has no name. The other sections stay.
  EXPECT_EQ(readFile(target),
            "[Keep]\nk=1\n[Fonts]\nhebrew1=DosHebrew\nodd=Garbage\nwinfont=Windows\n");
  EXPECT_EQ(fonts.fileName, target);
}

}  // namespace
}  // namespace vrn::editing
