#include "drawing/handles.h"

#include "drawing/header_variables.h"
#include "drawing_fixture.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
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

// The last handles of the 64-bit range: $HANDSEED is never wrapped round
// below a handle in use, new objects take the handles left, and once none
// is left adding one is refused with the drawing unchanged.
TEST(LastHandles, NeverWrapTheSeed) {
  const struct {
    const char* highest;
    const char* seedAfterRead;
    std::vector<const char*> added;  // handles of texts added until one is refused
  } cases[] = {
      {"FFFFFFFFFFFFFFFD", "FFFFFFFFFFFFFFFE", {"FFFFFFFFFFFFFFFE", "FFFFFFFFFFFFFFFF"}},
      {"FFFFFFFFFFFFFFFE", "FFFFFFFFFFFFFFFF", {"FFFFFFFFFFFFFFFF"}},
      {"FFFFFFFFFFFFFFFF", "40", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.highest);
    const std::string text = std::string(
                                 "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n"
                                 "  9\n$HANDSEED\n  5\n40\n  0\nENDSEC\n"
                                 "  0\nSECTION\n  2\nENTITIES\n"
                                 "  0\nTEXT\n  5\n2A\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\na\n"
                                 "  0\nTEXT\n  5\n") +
                             c.highest +
                             "\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\nb\n"
                             "  0\nENDSEC\n  0\nEOF\n";
    auto app = makeApplication(nullptr);
    const DocumentPtr doc = app->openData(
        dxf::readDxf(std::make_shared<const std::string>(text), "last.dxf"), "last.dxf");
    EXPECT_EQ(headerValue(doc->data().header, "$HANDSEED", 5), c.seedAfterRead);
    const Ref model = Ref(doc).obj("ModelSpace");
    for (const char* handle : c.added) {
      EXPECT_EQ(
          Ref(model.call("AddText", "new", pt(0, 0), 1.0).toObject()).get("Handle").toString(),
          utf8ToUtf16(handle));
    }
    const std::int32_t count = model.get("Count").toInt();
    EXPECT_THROW(model.call("AddText", "one too many", pt(0, 0), 1.0), host::HostError);
    EXPECT_EQ(model.get("Count").toInt(), count);
    EXPECT_EQ(headerValue(doc->data().header, "$HANDSEED", 5),
              c.added.empty() ? c.seedAfterRead : c.added.back());
    EXPECT_EQ(dxf::dxfText(doc->data()).find("$HANDSEED\n  5\n0\n"), std::string::npos);
  }
}

// A read drawing maps its handles only once they are looked up often: the
// first lookups walk the entities, later ones use the map. Both must find
// what was read, what was added and copied since, and attributes, and
// neither what was erased.
TEST(ReadDrawingHandles, LookupsFindTheSameBeforeAndAfterMapping) {
  const std::string text =
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$HANDSEED\n  5\n40\n"
      "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n"
      "  0\nTEXT\n  5\n2A\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\na\n"
      "  0\nINSERT\n  5\n2B\n  8\n0\n 66\n1\n  2\nB\n 10\n0\n 20\n0\n"
      "  0\nATTRIB\n  5\n2C\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\nv\n  2\nTAG\n"
      "  0\nSEQEND\n  5\n2D\n  8\n0\n"
      "  0\nTEXT\n  5\n2E\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\ngone\n"
      "  0\nENDSEC\n  0\nEOF\n";
  auto app = makeApplication(nullptr);
  const DocumentPtr doc = app->openData(
      dxf::readDxf(std::make_shared<const std::string>(text), "read.dxf"), "read.dxf");
  const Ref model = Ref(doc).obj("ModelSpace");
  const std::u16string added =
      Ref(model.call("AddText", "new", pt(0, 0), 1.0).toObject()).get("Handle").toString();
  const Ref original = Ref(doc).call("HandleToObject", "2A").toObject();
  const std::u16string copied = Ref(original.call("Copy").toObject()).get("Handle").toString();
  Ref(Ref(doc).call("HandleToObject", "2E").toObject()).call("Delete");
  const std::vector<std::string> found = {"2A", "2B", "2C", utf16ToUtf8(added),
                                          utf16ToUtf8(copied)};
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    for (const std::string& h : found) {
      ASSERT_NE(doc->findEntity(h), nullptr) << h;
      EXPECT_EQ(doc->findEntity(h)->handle, *parseHandle(h)) << h;
    }
    EXPECT_EQ(doc->findEntity("2E"), nullptr);
    EXPECT_EQ(doc->findEntity("99"), nullptr);
  }
}

}  // namespace
}  // namespace vrn::drawing::testing
