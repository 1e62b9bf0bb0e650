#include "drawing/handles.h"

#include "drawing/header_variables.h"
#include "drawing_fixture.h"
#include "host/host_error.h"

namespace vrn::drawing::testing {
namespace {

Handle seedOf(const Document& d) {
  return parseHandle(headerValue(d.data().header, "$HANDSEED", 5)).value_or(0);
}

TEST_F(DrawingTest, NewEntitiesTakeFreshHandlesBelowTheSeed) {
  const Ref a = addText("A", 0, 0, 1);
  const Ref b = modelSpace().call("AddMText", pt(0, 0), 10.0, "B").toObject();
  const Ref c = a.call("Copy").toObject();
  const auto ha = *parseHandle(utf16ToUtf8(handle(a)));
  const auto hb = *parseHandle(utf16ToUtf8(handle(b)));
  const auto hc = *parseHandle(utf16ToUtf8(handle(c)));
  EXPECT_LT(ha, hb);
  EXPECT_LT(hb, hc);
  EXPECT_GT(seedOf(*doc), hc);
  // The handle is written into the record, where a saved file carries it.
  EXPECT_EQ(doc->findEntity(utf16ToUtf8(handle(c)))->record.value(5), utf16ToUtf8(handle(c)));
}

TEST_F(DrawingTest, HandleToObjectFindsTheEntityAndRaisesForOthers) {
  const Ref text = addText("A", 1, 2, 1);
  const Ref found = docRef.call("HandleToObject", handle(text)).toObject();
  EXPECT_EQ(found.get("TextString").toString(), u"A");
  EXPECT_EQ(found.get("Handle").toString(), handle(text));

  // A table record's handle is no entity's; nor is an unused one or garbage.
  const std::string layerHandle(doc->tableEntry("LAYER", u"0")->value(5));
  for (const std::string& h :
       {layerHandle, std::string("FFFFF"), std::string("xyz"), std::string()}) {
    EXPECT_THROW(docRef.call("HandleToObject", h.c_str()), host::HostError) << h;
  }
  text.call("Erase");
  EXPECT_THROW(docRef.call("HandleToObject", handle(text)), host::HostError);
}

TEST_F(DrawingTest, HandlesAreNotReusedAfterUndo) {
  const std::u16string first = handle(addText("A", 0, 0, 1));
  docRef.call("SendCommand", "U ");
  EXPECT_FALSE(exists(first));
  const std::u16string second = handle(addText("B", 0, 0, 1));
  EXPECT_NE(first, second);
  EXPECT_GT(seedOf(*doc), *parseHandle(utf16ToUtf8(second)));
}

// An R12 drawing written without handles: the model finds its entities by
// handles kept in memory and writes none.
TEST(HandlelessDrawing, GetsHandlesInMemoryOnly) {
  DrawingData data;
  data.header = Record({{9, "$ACADVER"}, {1, "AC1009"}});
  Table layers{Record({{0, "TABLE"}, {2, "LAYER"}}),
               {Record({{0, "LAYER"}, {2, "0"}, {70, "0"}})},
               Record({{0, "ENDTAB"}})};
  data.tables.push_back(layers);
  auto text = std::make_shared<Entity>();
  text->record = Record({{0, "TEXT"}, {8, "0"}, {10, "1.0"}, {20, "2.0"}, {40, "1.0"}, {1, "old"}});
  data.entities.push_back(text);
  auto app = makeApplication(nullptr);
  const DocumentPtr doc = app->openData(std::move(data), "old.dxf");
  const Ref docRef(doc);

  EXPECT_EQ(doc->handleOf(*text), "1");
  const Ref found = docRef.call("HandleToObject", "1").toObject();
  EXPECT_EQ(found.get("TextString").toString(), u"old");
  const Ref added = docRef.obj("ModelSpace").call("AddText", "new", pt(0, 0), 1.0).toObject();
  EXPECT_EQ(added.get("Handle").toString(), u"2");
  for (const EntityPtr& e : doc->data().entities) {
    EXPECT_FALSE(e->record.has(5));
    EXPECT_FALSE(e->record.has(100)) << "an R12 record has no subclass markers";
  }
  EXPECT_FALSE(headerVariable(doc->data().header, "$HANDSEED"));
}

TEST(HandleText, ParsesAndFormatsHexadecimal) {
  EXPECT_EQ(parseHandle("2F"), Handle{0x2F});
  EXPECT_EQ(parseHandle(" 2f "), Handle{0x2F});
  EXPECT_EQ(formatHandle(0xABC), "ABC");
  for (const char* bad : {"", "0", "G1", "1 2"}) EXPECT_FALSE(parseHandle(bad)) << bad;
}

}  // namespace
}  // namespace vrn::drawing::testing
