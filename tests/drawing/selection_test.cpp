// Selection sets, their filters, and the scripted input that stands in for
// the user's picks, points and distances.

#include "drawing/entity_filter.h"
#include "drawing/new_drawing.h"
#include "drawing_fixture.h"
#include "host/host_error.h"

namespace vrn::drawing::testing {
namespace {

Variant filterTypes() { return host::makeArray({Variant(std::int16_t{0})}); }
Variant filterValues(const char* names) { return host::makeArray({Variant(names)}); }

class SelectionTest : public DrawingTest {
 protected:
  void SetUp() override {
    text = addText("t", 0, 0, 1);
    mtext = modelSpace().call("AddMText", pt(0, 5), 4.0, "m").toObject();
    solid = modelSpace().call("AddSolid", pt(0, 0), pt(1, 0), pt(0, 1), pt(1, 1)).toObject();
  }
  Ref newSet(const char* name) const {
    return docRef.obj("SelectionSets").call("Add", name).toObject();
  }
  static std::vector<std::u16string> namesIn(const Ref& set) {
    std::vector<std::u16string> out;
    for (int i = 0; i < set.get("Count").toInt(); ++i) {
      out.push_back(Ref(set.call("Item", i).toObject()).get("ObjectName").toString());
    }
    return out;
  }

  Ref text, mtext, solid;
};

TEST_F(SelectionTest, SelectAllPassesTheFilterIgnoringCase) {
  struct Case {
    const char* filter;
    std::vector<std::u16string> names;
  } cases[] = {
      {"Text,MTEXT", {u"AcDbText", u"AcDbMText"}},
      {"Text,INSERT", {u"AcDbText"}},
      {"Text", {u"AcDbText"}},
      {"text", {u"AcDbText"}},
      {"*TEXT", {u"AcDbText", u"AcDbMText"}},
      {"LINE", {}},
  };
  for (const Case& c : cases) {
    const Ref set = newSet("ALL");
    set.call("Select", 5, Variant(), Variant(), filterTypes(), filterValues(c.filter));
    EXPECT_EQ(namesIn(set), c.names) << c.filter;
    set.call("Delete");
  }
  const Ref unfiltered = newSet("ANY");
  unfiltered.call("Select", 5);
  EXPECT_EQ(unfiltered.get("Count").toInt(), 3);
}

// "All" is every layout's entities: model space, the active paper space and
// the layouts kept in their *Paper_SpaceN blocks; other blocks are no layout.
TEST(SelectAll, CoversEveryLayout) {
  DrawingData data = makeEmptyDrawing();
  for (const char* name : {"*Paper_Space0", "DOOR"}) {
    Block block;
    block.begin = Record({{0, "BLOCK"}, {8, "0"}, {2, name}, {70, "0"}});
    auto text = std::make_shared<Entity>();
    text->record = Record({{0, "TEXT"}, {8, "0"}, {10, "0"}, {20, "0"}, {40, "1"}, {1, name}});
    block.entities.push_back(text);
    block.end = Record({{0, "ENDBLK"}});
    data.blocks.push_back(std::move(block));
  }
  auto app = makeApplication(nullptr);
  const Ref doc(app->openData(std::move(data), "layouts.dxf"));
  doc.obj("ModelSpace").call("AddText", "model", pt(0, 0), 1.0);
  doc.put("ActiveSpace", 0);
  doc.obj("PaperSpace").call("AddText", "paper", pt(0, 0), 1.0);
  const Ref set = doc.obj("SelectionSets").call("Add", "ALL").toObject();
  set.call("Select", 5);
  std::vector<std::u16string> texts;
  for (int i = 0; i < set.get("Count").toInt(); ++i) {
    texts.push_back(Ref(set.call("Item", i).toObject()).get("TextString").toString());
  }
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"model", u"paper", u"*Paper_Space0"}));
}

TEST(SelectAll, CoversEveryLayoutOfARealDrawing) {
  const auto app = fileApplication();
  const DocumentPtr doc = openCorpusDrawing(*app, "ezdxf__issues__EntitiesOnLayouts_2004.dxf");
  if (!doc) GTEST_SKIP() << "no DXF corpus on this machine";
  const Ref set = Ref(doc).obj("SelectionSets").call("Add", "ALL").toObject();
  set.call("Select", 5);
  // Layout1 holds 6 entities, Layout2 (the active one) and Layout3 3 each.
  EXPECT_EQ(set.get("Count").toInt(), 12);
}

TEST_F(SelectionTest, SelectOnScreenTakesTheScriptedPicks) {
  const Ref set = newSet("SSText");
  app->pushSelection({text.ptr(), mtext.ptr(), solid.ptr()});
  set.call("SelectOnScreen", filterTypes(), filterValues("Text,INSERT"));
  EXPECT_EQ(namesIn(set), std::vector<std::u16string>{u"AcDbText"});

  app->pushEnter();  // Enter ends a selection with nothing picked
  set.call("SelectOnScreen", filterTypes(), filterValues("Text"));
  EXPECT_EQ(set.get("Count").toInt(), 1);
  app->pushEscape();
  EXPECT_THROW(set.call("SelectOnScreen"), host::HostError);
}

TEST_F(SelectionTest, ACOMClientQueuesPicksByHandle) {
  const Ref set = newSet("SSText");
  Ref(app).call("QueueSelection", u" " + text.get("Handle").toString() + u"  " +
                                      mtext.get("Handle").toString() + u" ");
  set.call("SelectOnScreen");
  EXPECT_EQ(namesIn(set), (std::vector<std::u16string>{u"AcDbText", u"AcDbMText"}));
  EXPECT_THROW(Ref(app).call("QueueSelection", u"FFFFF"), host::HostError);
}

TEST_F(SelectionTest, NamedSetsAreUniqueAndCanBeDeletedAndErased) {
  const Ref set = newSet("SSText");
  EXPECT_THROW(newSet("sstext"), host::HostError);
  EXPECT_EQ(
      Ref(docRef.obj("SelectionSets").call("Item", "SSTEXT").toObject()).get("Name").toString(),
      u"SSText");
  set.call("Select", 5, Variant(), Variant(), filterTypes(), filterValues("MText,Solid"));
  set.call("Highlight", true);
  set.call("Erase");
  EXPECT_EQ(set.get("Count").toInt(), 0);
  EXPECT_EQ(doc->allEntities().size(), 1u);
  set.call("Delete");
  EXPECT_EQ(docRef.obj("SelectionSets").get("Count").toInt(), 0);
  EXPECT_NO_THROW(newSet("SSText"));
}

TEST_F(SelectionTest, WindowAndCrossing) {
  const Ref window = newSet("W");
  window.call("Select", 0, pt(-1, -1), pt(2, 2));  // holds the text and the solid whole
  EXPECT_EQ(window.get("Count").toInt(), 2);
  const Ref crossing = newSet("C");
  crossing.call("Select", 1, pt(0.5, 4), pt(0.6, 4.5));  // touches the multi-line text only
  EXPECT_EQ(namesIn(crossing), std::vector<std::u16string>{u"AcDbMText"});
}

TEST_F(SelectionTest, FilterArraysMustMatch) {
  const Ref set = newSet("S");
  const Variant two = host::makeArray({Variant(std::int16_t{0}), Variant(std::int16_t{8})});
  EXPECT_THROW(set.call("Select", 5, Variant(), Variant(), two, filterValues("Text")),
               host::HostError);
  const Variant unknown = host::makeArray({Variant(std::int16_t{62})});
  EXPECT_THROW(set.call("Select", 5, Variant(), Variant(), unknown, filterValues("1")),
               host::HostError);
}

TEST_F(DrawingTest, InteractiveInputComesFromTheScript) {
  const Ref utility = docRef.obj("Utility");
  app->pushPoint({1, 2, 0});
  app->pushDistance(2.5);
  app->pushPoint({4, 6, 0});  // a distance picked as a second point
  EXPECT_EQ(host::toPoint(utility.call("GetPoint", Variant(), ">Start point:")), (Point3{1, 2, 0}));
  EXPECT_EQ(utility.call("GetDistance", pt(1, 2)).toDouble(), 2.5);
  EXPECT_EQ(utility.call("GetDistance", pt(1, 2)).toDouble(), 5.0);
  EXPECT_EQ(app->input().prompts(), std::vector<std::u16string>{u">Start point:"});

  app->pushEnter();
  app->pushEscape();
  try {
    utility.call("GetPoint");
    FAIL() << "Enter must raise";
  } catch (const host::HostError& e) {
    EXPECT_THAT(e.what(), ::testing::HasSubstr("keyword"));
  }
  try {
    utility.call("GetDistance");
    FAIL() << "Escape must raise";
  } catch (const host::HostError& e) {
    EXPECT_THAT(e.what(), ::testing::Not(::testing::HasSubstr("keyword")));
  }
  EXPECT_THROW(utility.call("GetPoint"), host::HostError) << "nothing left in the script";
}

TEST(Pattern, Wildcards) {
  EXPECT_TRUE(matchesPattern(u"mtext", u"*text"));
  EXPECT_TRUE(matchesPattern(u"text", u"t*t"));
  EXPECT_FALSE(matchesPattern(u"text", u"tex"));
  EXPECT_TRUE(matchesPattern(u"", u"*"));
}

}  // namespace
}  // namespace vrn::drawing::testing
