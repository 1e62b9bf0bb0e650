#include "ui/script.h"

#include <gtest/gtest.h>

#include "../support/temp_dir.h"

namespace vrn::ui::script {
namespace {

TEST(ScriptTest, ActionsReadTheirArguments) {
  Script script = parse(
      "# a comment and a blank line\n"
      "\n"
      "type שלום 12\n"
      "type \"  two spaces \\\"quoted\\\"  \"\n"
      "key Alt+5\n"
      "KEY shift+ctrl+F2\n"
      "click StatusBar1 0\n"
      "menu pupSt STANDARD & CO\n"
      "select 2 3\n"
      "set edH \"\"\n"
      "uncheck CheckList1 Arial\n"
      "cell ngrid 2 1\n"
      "drag TreeView1 \"All/Doors\" \"\" indent\n"
      "layout he\n"
      "wait 250\n"
      "answer all\n"
      "file /tmp/a b.txt\n"
      "expect Edit1 Cells[2,1] a b\r\n"
      "point 1.5, -2\n"
      "distance 2.5e1\n"
      "pick A1 2f\n");
  ASSERT_EQ(script.lines.size(), 19u);
  EXPECT_EQ(script.lines[0].number, 3);
  EXPECT_EQ(std::get<Type>(script.lines[0].action).text, u"שלום 12");
  EXPECT_EQ(std::get<Type>(script.lines[1].action).text, u"  two spaces \"quoted\"  ");
  EXPECT_TRUE(std::get<Key>(script.lines[2].action).key.is(vk::digit(5), {.alt = true}));
  EXPECT_TRUE(std::get<Key>(script.lines[3].action).key.is(vk::kF2, {.shift = true, .ctrl = true}));
  EXPECT_EQ(std::get<Click>(script.lines[4].action).part, u"0");
  EXPECT_EQ(std::get<Menu>(script.lines[5].action).caption, u"STANDARD & CO");
  EXPECT_EQ(std::get<Select>(script.lines[6].action).length, 3);
  EXPECT_EQ(std::get<Set>(script.lines[7].action).text, u"");
  EXPECT_FALSE(std::get<Check>(script.lines[8].action).checked);
  EXPECT_EQ(std::get<Cell>(script.lines[9].action).row, 1);
  const auto& drag = std::get<Drag>(script.lines[10].action);
  EXPECT_EQ(drag.from, u"All/Doors");
  EXPECT_EQ(drag.to, u"");
  EXPECT_EQ(drag.part, HitPart::Indent);
  EXPECT_EQ(std::get<Layout>(script.lines[11].action).language, 0x040D);
  EXPECT_EQ(std::get<Wait>(script.lines[12].action).ms, 250);
  EXPECT_EQ(std::get<Answer>(script.lines[13].action).answer, ModalResult::All);
  EXPECT_EQ(std::get<File>(script.lines[14].action).path, std::filesystem::path("/tmp/a b.txt"));
  const auto& expect = std::get<Expect>(script.lines[15].action);
  EXPECT_EQ(expect.property, "Cells[2,1]");
  EXPECT_EQ(expect.value, u"a b");
  EXPECT_EQ(std::get<Point>(script.lines[16].action).point, (host::Point3{1.5, -2, 0}));
  EXPECT_EQ(std::get<Distance>(script.lines[17].action).value, 25);
  EXPECT_EQ(std::get<Pick>(script.lines[18].action).handles,
            (std::vector<std::u16string>{u"A1", u"2f"}));
  EXPECT_TRUE(isHostPrompt(script.lines[18].action));
  EXPECT_FALSE(isHostPrompt(script.lines[15].action));
}

TEST(ScriptTest, EveryBadLineIsReportedWithItsNumber) {
  struct Case {
    const char* line;
    const char* problem;
  };
  const Case cases[] = {
      {"clik btnOk", "unknown action \"clik\""},
      {"type", "missing the text to type"},
      {"key Hyper+A", "unknown key \"Hyper+A\""},
      {"key F13", "unknown key \"F13\""},
      {"caret -1", "the position must not be negative"},
      {"caret x", "the position must be a number, not \"x\""},
      {"select 1", "missing a length"},
      {"wait 10 20", "unexpected \"20\""},
      {"layout fr", "layout must be he or en, not \"fr\""},
      {"answer Maybe", "answer must be Yes, No, Cancel, All or OK, not \"Maybe\""},
      {"point 1", "a point is X,Y or X,Y,Z"},
      {"point 1,2,3,4", "a point is X,Y or X,Y,Z"},
      {"pick A1 zz", "\"zz\" is no entity handle"},
      {"set Edit1", "missing a text (\"\" for none)"},
      {"type \"open", "unterminated quotes"},
      {"type \"a\"b", "a space must follow the closing quote"},
      {"expect Edit1 Cells[1,x] 2", "bad property \"Cells[1,x]\""},
      {"drag TreeView1 a b middle",
       "the drop part must be label, icon, indent, button, right or nowhere, not \"middle\""},
      {"type \xFF", "not valid UTF-8"},
  };
  for (const Case& c : cases) {
    try {
      parse(std::string("wait 1\n") + c.line + "\n");
      ADD_FAILURE() << c.line << " parsed";
    } catch (const ScriptError& error) {
      ASSERT_EQ(error.problems().size(), 1u) << c.line;
      EXPECT_EQ(error.problems()[0], std::string("line 2: ") + c.problem) << c.line;
    }
  }
}

TEST(ScriptTest, AllBadLinesOfAFileAreReportedAtOnce) {
  test::TempDir dir;
  test::writeFile(dir / "s.txt", "\xEF\xBB\xBFtype a\nfly\nwait\n");
  try {
    load(dir / "s.txt");
    FAIL() << "loaded";
  } catch (const ScriptError& error) {
    std::string file = (dir / "s.txt").string();
    EXPECT_EQ(error.problems(),
              (std::vector<std::string>{file + ": line 2: unknown action \"fly\"",
                                        file + ": line 3: missing milliseconds"}));
  }
  EXPECT_THROW(load(dir / "missing.txt"), ScriptError);
}

}  // namespace
}  // namespace vrn::ui::script
