#include "library/tdb.h"

#include <gtest/gtest.h>

#include "host/host_error.h"
#include "host/utf8.h"
#include "library/sqlite_error.h"
#include "support/temp_dir.h"

namespace vrn::library {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

namespace fs = std::filesystem;

// The tree as text: caption#data:image/selected, children in brackets.
std::string describe(const std::vector<TreeNode*>& nodes) {
  std::string text;
  for (const TreeNode* n : nodes) {
    if (!text.empty()) text += ',';
    text += utf16ToUtf8(n->caption()) + '#' + std::to_string(n->data()) + ':' +
            std::to_string(n->imageIndex()) + '/' + std::to_string(n->selectedIndex());
    if (n->hasChildren()) text += '[' + describe(n->children()) + ']';
  }
  return text;
}

// A database made by Tdb on a fresh data directory, with a second plain
// connection to look at and prepare its rows.
class TdbTest : public ::testing::Test {
 protected:
  TempDir dir;
  Tdb db{dir.path()};
  SqliteDb raw{db.slDBPath().string()};

  std::string fill(std::int32_t& maxid) {
    Tree tree;
    db.FillTree(tree, "LibTree", maxid);
    EXPECT_FALSE(tree.updating());
    return describe(tree.topLevel());
  }
  std::string rows(const std::string& query) {
    std::string text;
    const SqliteTable table = raw.readTable(query);
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
      for (int c = 0; c < table.columnCount(); ++c) {
        if (c > 0) text += '|';
        text += utf16ToUtf8(table.fieldAsText(r, c));
      }
      text += ';';
    }
    return text;
  }
};

TEST_F(TdbTest, ANewFileHoldsTheSixTablesAndTheRootRow) {
  EXPECT_EQ(db.slDBPath(), dir / "vrn.db");
  EXPECT_EQ(db.fpath(), dir.path() / "");
  EXPECT_EQ(rows("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"),
            "LibTree;LispTree;BlockHistory;Clips;SearchCombo;BlocksAttr;");
  EXPECT_EQ(rows("SELECT sql FROM sqlite_master WHERE name = 'LibTree'"),
            "CREATE TABLE LibTree  ([ID] INTEGER PRIMARY KEY,[nid] INTEGER,[icon] INTEGER,[name] "
            "TEXT ,[id_parent] "
            "INTEGER,[txt] TEXT COLLATE NOCASE);");
  EXPECT_EQ(db.sSQL(),
            "CREATE TABLE BlocksAttr  ([ID] INTEGER PRIMARY KEY,[bname] TEXT COLLATE NOCASE,[json] "
            "TEXT)");
  EXPECT_EQ(rows("SELECT nid, id_parent, name, txt, typeof(icon) FROM LibTree"),
            "0|-1|All Categories||null;");

  std::int32_t maxid = 99;
  EXPECT_EQ(fill(maxid), "All Categories#0:0/1");
  EXPECT_EQ(maxid, 0);
}

struct FillCase {
  const char* name;
  const char* rows;  // (nid, id_parent, icon, name) tuples in ID order
  const char* tree;
  std::int32_t maxid;
};

class FillTreeTest : public TdbTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FillTreeTest, BuildsTheTreeFromTheRowsInIdOrder) {
  raw.execute("DELETE FROM LibTree");
  const FillCase& c = GetParam();
  if (*c.rows != '\0')
    raw.execute(std::string("INSERT INTO LibTree (nid, id_parent, icon, name) VALUES ") + c.rows);
  std::int32_t maxid = 99;
  EXPECT_EQ(fill(maxid), c.tree);
  EXPECT_EQ(maxid, c.maxid);
  EXPECT_EQ(fill(maxid), c.tree) << "a second fill starts from an empty tree";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FillTreeTest,
    ::testing::Values(
        FillCase{"Empty", "", "", -1},
        FillCase{"IconRules", "(0,-1,0,'c'),(1,0,2,'t'),(2,0,NULL,'n')", "c#0:0/1[t#1:2/2,n#2:0/1]",
                 2},
        FillCase{"ChildBeforeParent",
                 "(0,-1,0,'r'),(5,3,2,'c1'),(6,3,2,'c2'),(3,0,0,'p'),(7,3,2,'c3')",
                 "r#0:0/1[p#3:0/1[c1#5:2/2,c2#6:2/2,c3#7:2/2]]", 7},
        FillCase{"ParentAfterItsLaterSiblings", "(0,-1,0,'r'),(5,3,2,'c'),(4,0,0,'q'),(3,0,0,'p')",
                 "r#0:0/1[q#4:0/1,p#3:0/1[c#5:2/2]]", 5},
        FillCase{"OrphansUnderAPlaceholder", "(0,-1,0,'r'),(5,9,2,'x'),(6,9,2,'y')",
                 "r#0:0/1,#-9:0/0[x#5:2/2,y#6:2/2]", 6},
        FillCase{"DuplicateNidMovesTheEarlierNode", "(1,-1,0,'a'),(2,-1,0,'b'),(1,2,2,'a2')",
                 "b#2:0/1[a2#1:2/2]", 2},
        FillCase{"ParentCycleKeepsEveryNode", "(1,2,0,'a'),(2,1,0,'b')", "b#2:0/1[a#1:0/1]", 2},
        FillCase{"OwnParent", "(4,4,0,'self')", "self#4:0/1", 4}),
    [](const ::testing::TestParamInfo<FillCase>& row) { return std::string(row.param.name); });

TEST(TdbCreate, FindsOrMakesTheDatabaseFile) {
  struct Case {
    const char* path;  // below the test directory
    const char* file;
  };
  for (const Case& c :
       {Case{"", "vrn.db"}, Case{"new/data/", "new/data/vrn.db"}, Case{"lib/my.db", "lib/my.db"}}) {
    TempDir dir;
    const fs::path path = dir.path() / c.path;
    {
      Tdb db(path);
      EXPECT_EQ(db.slDBPath(), dir / c.file) << c.path;
      EXPECT_EQ(db.fpath(), (dir / c.file).parent_path() / "") << c.path;
      Tree tree;
      std::int32_t maxid = -1;
      db.FillTree(tree, "LibTree", maxid);
      EXPECT_EQ(tree.count(), 1u) << c.path;
    }
    Tdb again(path);  // opens the same file without adding a second root row
    SqliteDb raw((dir / c.file).string());
    EXPECT_EQ(raw.readTable("SELECT nid FROM LibTree").rowCount(), 1u) << c.path;
  }
}

TEST(TdbCreate, AFolderThatCannotBeMadeIsTheFileSystemsError) {
  TempDir dir;
  writeFile(dir / "plain", "a file, not a folder");
  try {
    Tdb db(dir / "plain/data/");
    FAIL() << "created";
  } catch (const host::HostError&) {
    FAIL() << "a host error, which a walk over the drawing would step over";
  } catch (const std::filesystem::filesystem_error& e) {
    EXPECT_EQ(e.path1(), dir / "plain/data/");
  }
  EXPECT_EQ(readFile(dir / "plain"), "a file, not a folder");
}

TEST(TdbCreate, AnOlderFileGainsBlocksAttrAndKeepsItsRows) {
  TempDir dir;
  {
    SqliteDb old((dir / "vrn.db").string());
    old.execute(
        "CREATE TABLE LibTree  ([ID] INTEGER PRIMARY KEY,[nid] INTEGER,[icon] INTEGER,[name] TEXT "
        ",[id_parent] "
        "INTEGER,[txt] TEXT COLLATE NOCASE);"
        "INSERT INTO LibTree (nid, id_parent, name) VALUES (0, -1, 'old root'), (1, 0, 'kept')");
  }
  Tdb db(dir.path());
  EXPECT_EQ(db.sSQL(),
            "CREATE TABLE IF NOT EXISTS BlocksAttr  ([ID] INTEGER PRIMARY KEY,[bname] TEXT COLLATE "
            "NOCASE,[json] TEXT)");
  Tree tree;
  std::int32_t maxid = -1;
  db.FillTree(tree, "LibTree", maxid);
  EXPECT_EQ(describe(tree.topLevel()), "old root#0:0/1[kept#1:0/1]");
  EXPECT_EQ(db.ReadJson("BlocksAttr", u"any"), u"");
}

TEST(TdbCreate, ACorruptFileGivesSqlitesMessageAndStaysAsItWas) {
  TempDir dir;
  const std::string garbage(4096, 'x');
  writeFile(dir / "vrn.db", garbage);
  try {
    Tdb db(dir.path());
    FAIL() << "opened a corrupt file";
  } catch (const SqliteError& e) {
    EXPECT_STREQ(e.what(), "file is not a database");
  }
  EXPECT_EQ(readFile(dir / "vrn.db"), garbage);
}

TEST_F(TdbTest, ALockedFileGivesSqlitesMessageAndLosesNothing) {
  db.WriteList("SearchCombo", {u"kept"});
  raw.execute("BEGIN EXCLUSIVE");
  try {
    db.WriteList("SearchCombo", {u"new"});
    FAIL() << "wrote through a lock";
  } catch (const SqliteError& e) {
    EXPECT_STREQ(e.what(), "database is locked");
  }
  EXPECT_THROW(Tdb{dir.path()}, SqliteError);
  raw.execute("COMMIT");

  StringList list;
  db.ReadList("SearchCombo", list);
  EXPECT_EQ(list, StringList{u"kept"});
  db.WriteList("SearchCombo", {u"new"});  // the failed write left no transaction open
  db.ReadList("SearchCombo", list);
  EXPECT_EQ(list, StringList{u"new"});
}

TEST_F(TdbTest, SearchUsesLikeWildcardsAndAsciiCase) {
  raw.execute(
      "INSERT INTO LibTree (nid, txt) VALUES (1, 'abc'), (2, 'x ABC y'), (3, 'xyz'), (4, 'שלום "
      "עולם'), (5, NULL),"
      "(6, 'aXc')");
  struct Case {
    std::u16string_view pat;
    Tidxarray nids;
  };
  for (const Case& c : {Case{u"a_c", {1, 2, 6}}, Case{u"ABC", {1, 2}}, Case{u"abc", {1, 2}},
                        Case{u"עולם", {4}}, Case{u"none", {}}, Case{u"", {0, 1, 2, 3, 4, 6}}}) {
    EXPECT_EQ(db.Search(c.pat), c.nids) << utf16ToUtf8(c.pat);
  }
}

TEST_F(TdbTest, UpdateTopicInsertsAMissingRowThenUpdatesIt) {
  Tree tree;
  TreeNode* root = tree.add(nullptr, u"All Categories");
  TreeNode* topic = tree.add(root, u"New Topic");
  topic->setData(7);
  topic->setImageIndex(2);

  db.UpdateTopic(*topic, {u"שורה", u"two"}, "LibTree");
  EXPECT_EQ(rows("SELECT nid, id_parent, name, typeof(icon) FROM LibTree WHERE nid = 7"),
            "7|0|New Topic|null;");
  EXPECT_EQ(db.ReadTopic(*topic, "LibTree"), u"שורה\r\ntwo");
  std::int32_t maxid = -1;
  EXPECT_EQ(fill(maxid), "All Categories#0:0/1[New Topic#7:0/1]");

  db.UpdateTopic(*topic, {u"changed"}, "LibTree");
  EXPECT_EQ(rows("SELECT count(*) FROM LibTree WHERE nid = 7"), "1;");
  EXPECT_EQ(db.ReadTopic(*topic, "LibTree"), u"changed");
}

TEST_F(TdbTest, UpdateNodeNameInsertsWithTheIconThenRenames) {
  Tree tree;
  TreeNode* top = tree.add(nullptr, u"");
  TreeNode* category = tree.add(top, u"");
  category->setData(3);
  db.UpdateNodeName(*top, u"renamed root", "LibTree");
  db.UpdateNodeName(*category, u"New Category", "LibTree");
  EXPECT_EQ(rows("SELECT nid, id_parent, name, icon, typeof(txt) FROM LibTree ORDER BY ID"),
            "0|-1|renamed root||text;3|0|New Category|0|null;");
}

TEST_F(TdbTest, ReadTopicGivesEmptyTextOnAnyFailure) {
  Tree tree;
  TreeNode* missing = tree.add(nullptr, u"");
  missing->setData(42);
  EXPECT_EQ(db.ReadTopic(*missing, "LibTree"), u"");
  EXPECT_EQ(db.ReadTopic(*missing, "NoSuchTable"), u"");
}

TEST_F(TdbTest, SwapNodeExchangesNidNameTextAndIcon) {
  raw.execute(
      "INSERT INTO LibTree (nid, id_parent, icon, name, txt) VALUES (1, 0, 0, 'cat', 'c text'), "
      "(2, 0, 2, 'top', "
      "'t text')");
  Tree tree;
  std::int32_t maxid = -1;
  db.FillTree(tree, "LibTree", maxid);
  const std::vector<TreeNode*> children = tree.first()->children();
  ASSERT_EQ(children.size(), 2u);
  db.SwapNode(*children[0], *children[1], "LibTree");
  EXPECT_EQ(fill(maxid), "All Categories#0:0/1[top#2:2/2,cat#1:0/1]");
  EXPECT_EQ(db.ReadTopic(*children[1], "LibTree"), u"t text");
  EXPECT_EQ(rows("SELECT ID, nid, id_parent FROM LibTree ORDER BY ID"), "1|0|-1;2|2|0;3|1|0;");

  Tree unstored;
  TreeNode* ghost = unstored.add(nullptr, u"ghost");
  ghost->setData(9);
  db.SwapNode(*children[0], *ghost, "LibTree");
  EXPECT_EQ(fill(maxid), "All Categories#0:0/1[top#2:2/2,cat#1:0/1]") << "no half swap";

  raw.execute("INSERT INTO LibTree (nid, id_parent, name) VALUES (3, 0, 'no icon')");
  db.FillTree(tree, "LibTree", maxid);
  const std::vector<TreeNode*> three = tree.first()->children();
  db.SwapNode(*three[1], *three[2], "LibTree");
  EXPECT_EQ(rows("SELECT nid, typeof(icon) FROM LibTree ORDER BY ID"),
            "0|null;2|integer;3|null;1|integer;");
}

TEST_F(TdbTest, DeleteNodeRemovesOnlyItsRow) {
  raw.execute(
      "INSERT INTO LibTree (nid, id_parent, icon, name) VALUES (1, 0, 2, 'a'), (2, 0, 2, 'b')");
  Tree tree;
  std::int32_t maxid = -1;
  db.FillTree(tree, "LibTree", maxid);
  db.DeleteNode(*tree.first()->firstChild(), "LibTree");
  EXPECT_EQ(fill(maxid), "All Categories#0:0/1[b#2:2/2]");
}

TEST_F(TdbTest, ListsRoundTripInOrder) {
  StringList list{u"stale"};
  db.ReadList("NoSuchList", list);
  EXPECT_TRUE(list.empty());

  const StringList written{u"zeta", u"alpha", u"שלום", u""};
  db.WriteList("SearchCombo", written);
  db.ReadList("searchcombo", list);
  EXPECT_EQ(list, written);

  db.WriteList("SearchCombo", {});
  EXPECT_EQ(rows("SELECT count(*) FROM SearchCombo"), "0;");
  db.ReadList("SearchCombo", list);
  EXPECT_TRUE(list.empty());
  EXPECT_THROW(db.WriteList("NoSuchList", {u"x"}), SqliteError);
}

TEST_F(TdbTest, ReadJsonMatchesOnlyTheNamedBlock) {
  raw.execute(
      R"(INSERT INTO BlocksAttr (bname, json) VALUES ('Door', '{"d":1}'), ('a"b', '{"q":2}'), ('json', '{"j":3}'))");
  struct Case {
    std::u16string_view bname;
    std::u16string_view json;
  };
  for (const Case& c :
       {Case{u"Door", u"{\"d\":1}"}, Case{u"DOOR", u"{\"d\":1}"}, Case{u"a\"b", u"{\"q\":2}"},
        Case{u"json", u"{\"j\":3}"}, Case{u"bname", u""}, Case{u"ID", u""}, Case{u"Window", u""}}) {
    EXPECT_EQ(db.ReadJson("BlocksAttr", c.bname), c.json) << utf16ToUtf8(c.bname);
  }
  EXPECT_EQ(db.ReadJson("NoSuchTable", u"Door"), u"");
}

}  // namespace
}  // namespace vrn::library
