// The library browser's user flows: scripts played through Hlib on the
// sample drawing with a real vrn.db in the scenario's data directory, which
// must pass SQLite's integrity check after every run.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../support/scenario.h"

namespace vrn::library {
namespace {

using test::Scenario;

// Runs one SQL query on the scenario's vrn.db; each row's columns joined by "|".
std::vector<std::string> query(const Scenario& s, const std::string& sql) {
  sqlite3* db = nullptr;
  const std::string file = (s.dataDir() / "vrn.db").string();
  EXPECT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  std::vector<std::string> rows;
  sqlite3_stmt* statement = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK);
  while (statement != nullptr && sqlite3_step(statement) == SQLITE_ROW) {
    std::string row;
    for (int i = 0; i < sqlite3_column_count(statement); ++i) {
      const unsigned char* text = sqlite3_column_text(statement, i);
      row += (i > 0 ? "|" : "") + std::string(text ? reinterpret_cast<const char*>(text) : "");
    }
    rows.push_back(row);
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return rows;
}

void runHlib(Scenario& s, const std::string& script) {
  const auto result = s.run("Hlib", {}, script);
  EXPECT_EQ(result.hr, host::hr::kOk) << utf16ToUtf8(result.error.description);
  EXPECT_TRUE(s.report().ok()) << s.failures();
  EXPECT_EQ(query(s, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
}

// Every row but the top one has a parent row.
void expectParentsResolve(const Scenario& s) {
  EXPECT_TRUE(query(s,
                    "select name from LibTree where id_parent <> -1 and id_parent not in "
                    "(select nid from LibTree)")
                  .empty());
}

TEST(HlibScenario, CancelledNamesOfNewNodesStayStoredWithTheirChildrenAndText) {
  Scenario s(test::sampleDrawing());
  runHlib(s,
          "choose TreeView1 All Categories\n"
          "click tbAddCat\n"
          "key Escape\n"
          "click tbAddTitle\n"
          "key Escape\n"
          "focus Memo1\n"
          "type hello\n"
          "click BitBtn1\n");
  expectParentsResolve(s);
  runHlib(s,
          "choose TreeView1 All Categories/New Category/New Topic\n"
          "expect Memo1 Text hello\n"
          "click BitBtn1\n");
}

TEST(HlibScenario, SearchWalksPastBothEndsAndAfterNotFound) {
  Scenario s(test::sampleDrawing());
  runHlib(s,
          "choose TreeView1 All Categories\n"
          "click tbAddCat\n"
          "type Docs\n"
          "key Enter\n"
          "click tbAddTitle\n"
          "type wild\n"
          "key Enter\n"
          "focus Memo1\n"
          "type abc\n"
          "choose TreeView1 All Categories/Docs\n"
          "click tbAddTitle\n"
          "type plain\n"
          "key Enter\n"
          "focus Memo1\n"
          "type x a_c y a_c\n"
          // "a_c" matches "abc" only through the wildcard: nothing selected there.
          "set cbxSearch a_c\n"
          "click btnSearch\n"
          "expect TreeView1 Selected All Categories/Docs/wild\n"
          "expect Memo1 SelLength 0\n"
          "click btnSearchUp\n"
          "expect TreeView1 Selected All Categories/Docs/wild\n"
          "click btnSearchDown\n"
          "expect TreeView1 Selected All Categories/Docs/plain\n"
          "expect Memo1 SelStart 2\n"
          "click btnSearchDown\n"
          "expect Memo1 SelStart 8\n"
          "click btnSearchDown\n"
          "expect Memo1 SelStart 8\n"
          "click btnSearchUp\n"
          "expect Memo1 SelStart 2\n"
          "click btnSearchUp\n"
          "expect TreeView1 Selected All Categories/Docs/wild\n"
          "click btnSearchUp\n"
          "expect TreeView1 Selected All Categories/Docs/wild\n"
          "set cbxSearch %\n"
          "click btnSearch\n"
          "click btnSearchDown\n"
          "click btnSearchDown\n"
          "click btnSearchUp\n"
          "click btnSearchUp\n"
          "click btnSearchUp\n"
          "set cbxSearch zzz\n"
          "click btnSearch\n"
          "answer OK\n"
          "click btnSearch\n"
          "click btnSearchDown\n"
          "click btnSearchUp\n"
          "expect cbxSearch Items zzz|%|a_c\n"
          "click BitBtn1\n");
  runHlib(s,
          "expect cbxSearch Items zzz|%|a_c\n"
          "click BitBtn1\n");
}

TEST(HlibScenario, EscapedPickThenAPickOfTwoTextsThenPutTheTwoLines) {
  Scenario s(test::sampleDrawing());
  const int before = s.doc.obj("ModelSpace").get("Count").toInt();
  runHlib(s,
          "choose TreeView1 All Categories\n"
          "click tbAddTitle\n"
          "choose TreeView1 All Categories\n"
          "click tbAddCat\n"
          "key Escape\n"
          "click tbAddTitle\n"
          "key Escape\n"
          "click Button1\n"
          "escape\n"
          "expect Memo1 Text \"\"\n"
          "click Button1\n"
          "pick 9F A2\n"
          "expect Memo1 LineCount 3\n"
          "expect Memo1 Lines[0] סלון\n"
          "expect Memo1 Lines[1] אמבטיה\n"
          "focus Memo1\n"
          "select 0 11\n"
          "click btnMt\n"
          "point 100,100\n"
          "distance 4\n"
          "click BitBtn1\n");
  EXPECT_EQ(query(s, "select txt from LibTree where name = 'New Topic'"),
            std::vector<std::string>{"סלון\r\nאמבטיה"});
  const host::Ref model = s.doc.obj("ModelSpace");
  ASSERT_EQ(model.get("Count").toInt(), before + 2);
  const host::Ref second = model.call("Item", before + 1).toObject();
  EXPECT_DOUBLE_EQ(host::toPoint(second.get("InsertionPoint")).y, 100 - 1.5 * 4);
}

TEST(HlibScenario, SearchHistoryKeepsAtMostNineteenEntriesNewestFirst) {
  Scenario s(test::sampleDrawing());
  std::string script;
  for (int i = 1; i <= 21; ++i) {
    script += "set cbxSearch w" + std::to_string(i) + "\nclick btnSearch\nanswer OK\n";
  }
  // Known again regardless of case: not added twice.
  script += "set cbxSearch W21\nclick btnSearch\nanswer OK\n";
  runHlib(s, script +
                 "expect cbxSearch Count 19\n"
                 "expect cbxSearch Items[0] w21\n"
                 "expect cbxSearch Items[18] w3\n"
                 "click BitBtn1\n");
  EXPECT_EQ(query(s, "select count(*) from SearchCombo"), std::vector<std::string>{"19"});
}

TEST(HlibScenario, DragsAreStoredAndUpAfterADragKeepsEveryNodeInItsCategory) {
  Scenario s(test::sampleDrawing());
  const std::string build =
      "choose TreeView1 All Categories\n"
      "click tbAddCat\ntype A\nkey Enter\n"
      "click tbAddTitle\ntype a1\nkey Enter\n"
      "choose TreeView1 All Categories/A\n"
      "click tbAddTitle\ntype a2\nkey Enter\n"
      "choose TreeView1 All Categories\n"
      "click tbAddCat\ntype B\nkey Enter\n"
      "click tbAddTitle\ntype b1\nkey Enter\n";
  runHlib(s, build +
                 // Dropped on a category's label: its last child.
                 "drag TreeView1 \"All Categories/A/a2\" \"All Categories/B\"\n"
                 // A drop on empty space or below itself is ignored.
                 "drag TreeView1 \"All Categories/A\" \"\"\n"
                 "drag TreeView1 \"All Categories/A\" \"All Categories/A/a1\" indent\n"
                 "choose TreeView1 All Categories/B/a2\n"
                 "click btUp\n"
                 "click BitBtn1\n");
  expectParentsResolve(s);
  runHlib(s,
          "choose TreeView1 All Categories/A/a1\n"
          "choose TreeView1 All Categories/B/a2\n"
          "expect TreeView1 Selected All Categories/B/a2\n"
          "click btDown\n"
          "click BitBtn1\n");
  // Siblings come back in ID order; a child's row may come before its parent's.
  EXPECT_EQ(
      query(s,
            "select p.name, c.name from LibTree c join LibTree p on c.id_parent = p.nid "
            "order by p.name, c.ID"),
      (std::vector<std::string>{"A|a1", "All Categories|A", "All Categories|B", "B|b1", "B|a2"}));
}

std::string bytesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A put after a pick gives the entity the picked text's style; the text is
// converted for that style, so the drawing reads back what the editor shows.
TEST(HlibScenario, PutConvertsForTheStyleTheEntityReceives) {
  Scenario s(test::sampleDrawing());
  s.doc.obj("ActiveTextStyle").put("Height", 0.0);
  const double textSize = s.doc.call("GetVariable", u"TEXTSIZE").toDouble();
  runHlib(s,
          "choose TreeView1 All Categories\n"
          "click Button1\n"
          "pick A2\n"
          "focus Memo1\n"
          "caret 0\n"
          "click Button2\n"
          "point 50,50\n"
          "enter\n"
          "click BitBtn1\n");
  const host::Ref model = s.doc.obj("ModelSpace");
  const host::Ref put = model.call("Item", model.get("Count").toInt() - 1).toObject();
  EXPECT_EQ(put.get("StyleName").toString(), u"HEB-WIN");
  EXPECT_DOUBLE_EQ(put.get("Height").toDouble(), textSize);
  EXPECT_EQ(s.readingText(put.get("Handle").toString()), u"אמבטיה");
}

TEST(HlibScenario, FilesLoadByTheirMarkAndSaveAsUtf8WithAMark) {
  Scenario s(test::sampleDrawing());
  const std::filesystem::path in = s.dataDir() / "in.txt";
  const std::filesystem::path out = s.dataDir() / "out.txt";
  // A check mark has no Windows-1255 byte.
  const std::string text = "\xEF\xBB\xBF\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xE2\x9C\x93\r\nline";
  std::ofstream(in, std::ios::binary) << text;
  runHlib(s,
          "choose TreeView1 All Categories\n"
          "click tbAddCat\n"
          "key Escape\n"
          "click ToolButton1\n"
          "file " +
              in.string() +
              "\n"
              "expect Memo1 Lines[0] שלום ✓\n"
              "click ToolButton2\n"
              "file " +
              out.string() +
              "\n"
              "click BitBtn1\n");
  EXPECT_EQ(bytesOf(out), text + "\r\n");  // every line ends with CR LF
  EXPECT_EQ(query(s, "select txt from LibTree where name = 'New Category'"),
            std::vector<std::string>{"שלום ✓\r\nline"});
}

TEST(HlibScenario, DeleteAsksAndRefusesACategoryWithChildren) {
  Scenario s(test::sampleDrawing());
  runHlib(s,
          "choose TreeView1 All Categories\n"
          "click tbAddCat\ntype A\nkey Enter\n"
          "click tbAddTitle\ntype a1\nkey Enter\n"
          "choose TreeView1 All Categories/A\n"
          "focus TreeView1\n"
          "click bttrash\n"
          "answer OK\n"
          "choose TreeView1 All Categories/A/a1\n"
          "click bttrash\n"
          "answer No\n"
          "expect TreeView1 Count 3\n"
          "click bttrash\n"
          "answer Yes\n"
          "expect TreeView1 Count 2\n"
          "click BitBtn1\n");
  EXPECT_EQ(query(s, "select name from LibTree order by ID"),
            (std::vector<std::string>{"All Categories", "A"}));
}

TEST(HlibScenario, PropertiesShowTheActiveStyleAndLayer) {
  Scenario s(test::sampleDrawing());
  const std::string style = utf16ToUtf8(s.doc.obj("ActiveTextStyle").get("Name").toString());
  runHlib(s,
          "choose PageControl1 Properties\n"
          "expect vleProps Cells[1,0] " +
              style +
              "\n"
              "expect vleProps Cells[1,1] \"\"\n"
              "expect vleProps Cells[1,3] No\n"
              "choose PageControl1 Categories\n"
              "expect TreeView1 Selected All Categories\n"
              "click BitBtn1\n");
}

TEST(HlibScenario, PropertiesAreEditedByTypingOrPicking) {
  Scenario s(test::sampleDrawing());
  runHlib(s,
          "choose PageControl1 Properties\n"
          "cell vleProps 1 3\n"
          "choose vleProps Yes\n"
          "expect vleProps Cells[1,3] Yes\n"
          "cell vleProps 1 1\n"
          "set vleProps 12.5\n"
          "expect vleProps Cells[1,1] 12.5\n"
          "click BitBtn1\n");
}

}  // namespace
}  // namespace vrn::library
