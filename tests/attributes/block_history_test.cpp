#include "attributes/block_history.h"

#include <gtest/gtest.h>

#include "attributes/history_source.h"
#include "config_folder.h"
#include "host/utf8.h"
#include "library/sqlite_db.h"
#include "library/tdb.h"
#include "support/temp_dir.h"

namespace vrn::attributes {
namespace {

TEST(BlockHistory, ReadsTheListsOfEachTag) {
  const BlockHistory h = BlockHistory::parse(
      uR"({"ROOM": {"A": ["Office", "Lab", "Store"], "B": ["1", "2"], "S": "NAME"},
           "NAME": {"A": ["משרד"]}})");
  const TagHistory* room = h.find(u"ROOM");
  ASSERT_NE(room, nullptr);
  EXPECT_EQ(room->A, (std::vector<std::u16string>{u"Office", u"Lab", u"Store"}));
  EXPECT_EQ(room->S, u"NAME");
  EXPECT_EQ(room->storedValue(1), u"2");
  EXPECT_EQ(room->storedValue(2), u"") << "B shorter than A: the missing entries are empty";
  const TagHistory* name = h.find(u"NAME");
  ASSERT_NE(name, nullptr);
  EXPECT_FALSE(name->B.has_value());
  EXPECT_EQ(name->storedValue(0), u"משרד");
  EXPECT_EQ(h.find(u"room"), nullptr) << "tags match exactly, case included";
}

// Documents that other code or a hand may have written wrongly: each is
// refused whole, saying where it goes wrong.
TEST(BlockHistory, RefusesADocumentOfTheWrongShape) {
  struct Case {
    const char16_t* json;
    const char* says;
  };
  const Case cases[] = {
      {u"", "not valid JSON"},
      {u"{\"ROOM\": {\"A\": [\"x\"]}", "not valid JSON"},
      {u"not json", "not valid JSON"},
      {u"[\"ROOM\"]", "not a JSON object"},
      {u"\"ROOM\"", "not a JSON object"},
      {u"{\"ROOM\": [\"Office\"]}", "\"ROOM\" is not an object"},
      {u"{\"ROOM\": \"Office\"}", "\"ROOM\" is not an object"},
      {u"{\"ROOM\": {\"B\": [\"1\"]}}", "\"ROOM\" has no \"A\" list"},
      {u"{\"ROOM\": {\"A\": \"Office\"}}", "\"ROOM\".A is not an array"},
      {u"{\"ROOM\": {\"A\": [\"Office\", 2]}}", "\"ROOM\".A holds an entry that is not a string"},
      {u"{\"ROOM\": {\"A\": [null]}}", "\"ROOM\".A holds an entry that is not a string"},
      {u"{\"ROOM\": {\"A\": [\"Office\"], \"B\": {\"0\": \"1\"}}}", "\"ROOM\".B is not an array"},
      {u"{\"ROOM\": {\"A\": [\"Office\"], \"B\": [[\"1\"]]}}",
       "\"ROOM\".B holds an entry that is not a string"},
      {u"{\"ROOM\": {\"A\": [\"Office\"], \"S\": 3}}", "\"ROOM\".S is not a string"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf16ToUtf8(c.json));
    try {
      BlockHistory::parse(c.json);
      ADD_FAILURE() << "accepted";
    } catch (const BadHistory& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
    }
  }
}

// The database row first; the registry (on POSIX its INI mirror) only when
// the database has no text for the block.
TEST(HistorySource, TheDatabaseFirstThenTheRegistry) {
  const test::ConfigFolder config;
  config.setBlocksKey("ROOM-TAG={\"r\":1}\nDOOR={\"d\":1}\n");
  const test::TempDir data;
  library::Tdb db(data.path());
  library::SqliteDb(db.slDBPath().string())
      .execute(R"(INSERT INTO BlocksAttr (bname, json) VALUES ('DOOR', '{"db":1}'))");
  EXPECT_EQ(readHistoryText(db, u"DOOR"), u"{\"db\":1}");
  EXPECT_EQ(readHistoryText(db, u"ROOM-TAG"), u"{\"r\":1}");
  EXPECT_EQ(readHistoryText(db, u"room-tag"), u"{\"r\":1}") << "value names ignore case";
  EXPECT_EQ(readHistoryText(db, u"WINDOW"), u"");
}

TEST(HistorySource, NoMirrorFileIsNoHistory) {
  const test::ConfigFolder config;
  const test::TempDir data;
  library::Tdb db(data.path());
  EXPECT_EQ(readHistoryText(db, u"ROOM-TAG"), u"");
}

}  // namespace
}  // namespace vrn::attributes
