// Entity kinds, their names and bounding boxes.

#include <functional>
#include <numbers>

#include "drawing/header_variables.h"
#include "drawing/new_drawing.h"
#include "drawing_fixture.h"
#include "host/host_error.h"

namespace vrn::drawing::testing {
namespace {

constexpr double kEps = 1e-9;
constexpr double kPi = std::numbers::pi;

EntityPtr entity(std::vector<Group> groups) {
  auto e = std::make_shared<Entity>();
  e->record = Record(std::move(groups));
  return e;
}

// A drawing as a file would bring it: a block reference with two
// attributes, one without, a dimension and a line.
class ReadDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DrawingData data = makeEmptyDrawing();
    auto insert = entity({{0, "INSERT"},
                          {5, "100"},
                          {100, "AcDbEntity"},
                          {8, "0"},
                          {100, "AcDbBlockReference"},
                          {66, "1"},
                          {2, "TAGS"},
                          {10, "5.0"},
                          {20, "5.0"},
                          {30, "0.0"}});
    for (const char* tag : {"NO", "NAME"}) {
      insert->children.push_back(entity({{0, "ATTRIB"},
                                         {5, tag[1] == 'O' ? "101" : "102"},
                                         {100, "AcDbEntity"},
                                         {8, "0"},
                                         {100, "AcDbText"},
                                         {10, "5.0"},
                                         {20, "5.0"},
                                         {30, "0.0"},
                                         {40, "1.0"},
                                         {1, "value"},
                                         {100, "AcDbAttribute"},
                                         {2, tag},
                                         {70, "0"}}));
    }
    insert->children.setSeqend(Record({{0, "SEQEND"}, {5, "103"}, {100, "AcDbEntity"}, {8, "0"}}));
    data.entities.push_back(insert);
    data.entities.push_back(entity({{0, "INSERT"},
                                    {5, "104"},
                                    {100, "AcDbEntity"},
                                    {8, "0"},
                                    {100, "AcDbBlockReference"},
                                    {2, "PLAIN"},
                                    {10, "0.0"},
                                    {20, "0.0"},
                                    {30, "0.0"}}));
    data.entities.push_back(entity({{0, "DIMENSION"},
                                    {5, "105"},
                                    {100, "AcDbEntity"},
                                    {8, "0"},
                                    {100, "AcDbDimension"},
                                    {2, "*D1"},
                                    {10, "0.0"},
                                    {20, "0.0"},
                                    {30, "0.0"},
                                    {11, "2.0"},
                                    {21, "1.0"},
                                    {31, "0.0"},
                                    {70, "32"},
                                    {1, ""},
                                    {3, "Standard"}}));
    data.entities.push_back(entity({{0, "LINE"},
                                    {5, "106"},
                                    {100, "AcDbEntity"},
                                    {8, "0"},
                                    {100, "AcDbLine"},
                                    {10, "1.0"},
                                    {20, "2.000"},
                                    {30, "0"},
                                    {11, "4.0"},
                                    {21, "-1.0"},
                                    {31, "0.0"}}));
    data.entities.push_back(entity({{0, "HATCH"},
                                    {5, "107"},
                                    {100, "AcDbEntity"},
                                    {8, "0"},
                                    {100, "AcDbHatch"},
                                    {10, "0.0"},
                                    {20, "0.0"},
                                    {30, "0.0"},
                                    {2, "SOLID"}}));
    // A text as the file reader hands it over: with its exact text.
    const std::vector<Group> textGroups{
        {0, "TEXT"}, {5, "108"}, {100, "AcDbEntity"}, {8, "0"},     {100, "AcDbText"},
        {10, "1"},   {20, "1"},  {30, "0"},           {40, "2.50"}, {1, "abc"},
        {72, "2"},   {11, "9"},  {21, "1"},           {31, "0"},    {100, "AcDbText"}};
    std::string text;
    for (const Group& g : textGroups) text += std::to_string(g.code) + "\r\n" + g.value + "\r\n";
    const auto buffer = std::make_shared<const std::string>(text);
    auto readText = std::make_shared<Entity>();
    readText->record = Record(buffer, *buffer);
    data.entities.push_back(readText);
    // A second dimension style whose text style is "HEBREW".
    for (Table& t : data.tables) {
      const std::string name(t.head.value(2));
      if (name == "STYLE") {
        t.entries.push_back(
            Record({{0, "STYLE"}, {5, "110"}, {2, "HEBREW"}, {70, "0"}, {3, "heb.shx"}}));
      } else if (name == "DIMSTYLE") {
        t.entries.push_back(
            Record({{0, "DIMSTYLE"}, {105, "111"}, {2, "HEB"}, {70, "0"}, {340, "110"}}));
      }
    }
    doc = app->openData(std::move(data), "/drawings/read.dxf");
    docRef = Ref(doc);
  }
  Ref byHandle(const char* h) const { return docRef.call("HandleToObject", h).toObject(); }

  std::shared_ptr<Application> app = makeApplication(nullptr);
  DocumentPtr doc;
  Ref docRef;
};

TEST_F(DrawingTest, EntityNamesAndTypes) {
  const Ref space = modelSpace();
  struct Case {
    Ref entity;
    const char* name;
    int type;
  } cases[] = {
      {addText("t", 0, 0, 1), "AcDbText", 32},
      {space.call("AddMText", pt(0, 0), 5.0, "m").toObject(), "AcDbMText", 21},
      {space.call("AddSolid", pt(0, 0), pt(1, 0), pt(0, 1), pt(1, 1)).toObject(), "AcDbSolid", 30},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf16ToUtf8(c.entity.get("Objectname").toString()), c.name);
    EXPECT_EQ(utf16ToUtf8(c.entity.get("EntityName").toString()), c.name);
    EXPECT_EQ(c.entity.get("EntityType").toInt(), c.type) << c.name;
  }
}

TEST_F(ReadDrawingTest, EntityNamesAndTypes) {
  struct Case {
    const char* handle;
    const char* name;
    int type;
  } cases[] = {{"100", "AcDbBlockReference", 7},
               {"101", "AcDbAttribute", 6},
               {"105", "AcDbRotatedDimension", 15},
               {"106", "AcDbLine", 19}};
  for (const Case& c : cases) {
    const Ref e = byHandle(c.handle);
    EXPECT_EQ(utf16ToUtf8(e.get("ObjectName").toString()), c.name);
    EXPECT_EQ(e.get("EntityType").toInt(), c.type) << c.name;
  }
}

TEST_F(ReadDrawingTest, AttributesOfABlockReference) {
  const Ref insert = byHandle("100");
  EXPECT_TRUE(insert.get("HasAttributes").toBool());
  const Variant attributes = insert.call("GetAttributes");
  ASSERT_EQ(attributes.array().upper(), 1);
  const Ref second = attributes.array().items[1].toObject();
  EXPECT_EQ(second.get("TagString").toString(), u"NAME");
  second.put("TextString", "changed");
  EXPECT_EQ(byHandle("102").get("TextString").toString(), u"changed");

  const Ref plain = byHandle("104");
  EXPECT_FALSE(plain.get("HasAttributes").toBool());
  const Variant none = plain.call("GetAttributes");
  EXPECT_EQ(none.array().lower, 0);
  EXPECT_EQ(none.array().upper(), -1);

  // The attributes go with their block reference.
  insert.call("Move", pt(0, 0), pt(1, 1));
  EXPECT_THAT(pointOf(second, "InsertionPoint"), NearPoint(Point3{6, 6, 0}, kEps));
  insert.call("Erase");
  EXPECT_THROW(byHandle("102"), host::HostError);
}

TEST_F(ReadDrawingTest, DimensionTextOverrideAndStyle) {
  const Ref dim = byHandle("105");
  EXPECT_EQ(dim.get("TextOverride").toString(), u"");
  dim.put("TextOverride", "<> mm");
  EXPECT_EQ(dim.get("TextOverride").toString(), u"<> mm");
  EXPECT_EQ(dim.get("StyleName").toString(), u"Standard");
  EXPECT_THROW(dim.put("StyleName", "missing"), host::HostError);
}

// The editor's way to find a dimension's text style: make the dimension's
// style active, read DIMTXSTY, restore the previous one.
TEST_F(ReadDrawingTest, DimensionTextStyleFollowsTheActiveDimensionStyle) {
  const Ref dim = byHandle("105");
  dim.put("StyleName", "heb");
  const Variant previous = docRef.get("ActiveDimStyle");
  docRef.put("ActiveDimStyle", docRef.obj("DimStyles").call("Item", dim.get("StyleName")));
  EXPECT_EQ(docRef.call("GetVariable", "DIMTXSTY").toString(), u"HEBREW");
  docRef.put("ActiveDimStyle", previous);
  EXPECT_EQ(docRef.call("GetVariable", "DIMTXSTY").toString(), u"Standard");
  EXPECT_EQ(
      Ref(docRef.obj("TextStyles").call("Item", "Hebrew").toObject()).get("FontFile").toString(),
      u"heb.shx");
}

TEST_F(ReadDrawingTest, OpaqueEntitiesMoveAndMeasureByTheirPoints) {
  const Ref line = byHandle("106");
  line.call("Move", pt(0, 0), pt(1, 0));
  const Box box = boundingBox(line);
  EXPECT_THAT(box.min, NearPoint(Point3{2, -1, 0}, kEps));
  EXPECT_THAT(box.max, NearPoint(Point3{5, 2, 0}, kEps));
  EXPECT_THROW(line.get("TextString"), host::HostError);
  // Coordinates that stay keep their spelling.
  const auto& groups = doc->findEntity("106")->record.groups();
  EXPECT_EQ(groups[5].value, "2.0");
  EXPECT_EQ(groups[6].value, "2.000");
  EXPECT_EQ(groups[7].value, "0");

  // A kind whose point groups the model does not know is refused, untouched.
  const Ref hatch = byHandle("107");
  const auto before = doc->findEntity("107")->record.groups();
  EXPECT_EQ(hatch.get("ObjectName").toString(), u"AcDbHatch");
  EXPECT_THROW(hatch.call("Move", pt(0, 0), pt(1, 0)), host::HostError);
  EXPECT_THROW(boundingBox(hatch), host::HostError);
  EXPECT_EQ(doc->findEntity("107")->record.groups(), before);
}

TEST_F(ReadDrawingTest, ARecordStaysAsReadUntilAValueChanges) {
  const Ref text = byHandle("108");
  const Record& record = doc->findEntity("108")->record;
  (void)text.get("TextString");
  (void)text.get("InsertionPoint");
  (void)text.get("Alignment");
  (void)boundingBox(text);
  text.put("TextString", "abc");
  text.put("Height", 2.5);  // the file's "2.50" is the same number
  text.call("Move", pt(1, 1), pt(1, 1));
  text.put("Alignment", 2);
  const Ref set = docRef.obj("SelectionSets").call("Add", "S").toObject();
  set.call("Select", 5);
  EXPECT_FALSE(record.changed());

  text.put("TextString", "abcd");
  EXPECT_TRUE(record.changed());
  EXPECT_EQ(record.value(40), "2.50");
  EXPECT_EQ(record.value(11), "9") << "the anchor of a right-justified text stays";
  // The first point the file holds for "abc", moved by one character's width.
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{-1.5, 1, 0}, kEps));
}

// The file's first point of a right-justified text (1, 1) is not where the
// estimated width would put it (1.5, 1): writing the string leaves both
// points as they are, and only a change of the geometry fits them anew.
TEST_F(ReadDrawingTest, WritingTheStringOfAJustifiedTextMovesNoPoint) {
  const Ref text = byHandle("108");
  const Record& record = doc->findEntity("108")->record;
  text.put("TextString", "xyz");
  EXPECT_EQ(record.value(10), "1");
  EXPECT_EQ(record.value(11), "9");
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{1, 1, 0}, kEps));
  text.put("TextString", "x");
  EXPECT_EQ(record.value(10), "1");
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{6, 1, 0}, kEps));
  // The box is the estimate, anchored at the alignment point.
  EXPECT_THAT(boundingBox(text).min, NearPoint(Point3{6.5, 1, 0}, kEps));
  docRef.call("SendCommand", "U ");
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{1, 1, 0}, kEps));

  text.put("Height", 1.0);
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{6, 1, 0}, kEps));
  EXPECT_EQ(record.value(11), "9");
}

TEST_F(ReadDrawingTest, NothingChangesUntilSomethingIsWritten) {
  for (const char* h : {"100", "101", "105", "106"}) {
    const Ref e = byHandle(h);
    (void)boundingBox(e);
    (void)e.get("Layer");
  }
  EXPECT_TRUE(docRef.get("Saved").toBool());
  EXPECT_EQ(docRef.get("Name").toString(), u"read.dxf");
  EXPECT_EQ(docRef.get("Path").toString(), u"/drawings");
  byHandle("106").put("Layer", "0");
  EXPECT_TRUE(docRef.get("Saved").toBool()) << "the same value is no change";
  byHandle("106").put("Color", 1);
  EXPECT_FALSE(docRef.get("Saved").toBool());
}

// Text extents: each character a square of the height (width factor 1),
// turned about the insertion point.
struct BoxCase {
  double rotation;
  Point3 min;
  Point3 max;
};

const BoxCase kBoxes[] = {
    {0, {1, 2, 0}, {7, 4, 0}},
    {kPi / 2, {-1, 2, 0}, {1, 8, 0}},
    {kPi, {-5, 0, 0}, {1, 2, 0}},
    {3 * kPi / 2, {1, -4, 0}, {3, 2, 0}},
    {kPi / 4, {1 - std::sqrt(2.0), 2, 0}, {1 + 3 * std::sqrt(2.0), 2 + 4 * std::sqrt(2.0), 0}},
};

class RotatedBox : public DrawingTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(RotatedBox, FollowsTheRotation) {
  const BoxCase& c = GetParam();
  const Ref text = addText("ABC", 1, 2, 2);
  text.put("Rotation", c.rotation);
  const Box box = boundingBox(text);
  EXPECT_THAT(box.min, NearPoint(c.min, 1e-9));
  EXPECT_THAT(box.max, NearPoint(c.max, 1e-9));
  // Rotate about the insertion point gives the same box.
  const Ref other = addText("ABC", 1, 2, 2);
  other.call("Rotate", pt(1, 2), c.rotation);
  EXPECT_THAT(boundingBox(other).min, NearPoint(c.min, 1e-9));
  EXPECT_THAT(boundingBox(other).max, NearPoint(c.max, 1e-9));
}

INSTANTIATE_TEST_SUITE_P(Rotations, RotatedBox, ::testing::ValuesIn(kBoxes));

TEST_F(DrawingTest, WidthFactorWidensTheBox) {
  const Ref text = addText("AB", 0, 0, 1);
  text.put("ScaleFactor", 0.5);
  EXPECT_THAT(boundingBox(text).max, NearPoint(Point3{1, 1, 0}, kEps));
}

TEST_F(DrawingTest, MTextBoxFromItsLinesAndAttachment) {
  // Two lines, the longest 3 characters: 3 wide, 1 + 5/3 tall, hanging
  // from its top-left corner.
  const Ref m = modelSpace().call("AddMText", pt(0, 10), 0.0, "ab\\Pcde").toObject();
  m.put("Height", 1.0);
  Box box = boundingBox(m);
  EXPECT_THAT(box.min, NearPoint(Point3{0, 10 - 8.0 / 3, 0}, kEps));
  EXPECT_THAT(box.max, NearPoint(Point3{3, 10, 0}, kEps));
  m.put("AttachmentPoint", 3);  // top right
  m.put("Width", 4.0);
  box = boundingBox(m);
  EXPECT_THAT(box.min, NearPoint(Point3{-4, 10 - 8.0 / 3, 0}, kEps));
  EXPECT_THAT(box.max, NearPoint(Point3{0, 10, 0}, kEps));
}

// New entities take the current layer and colour, in R12 and later files.
TEST(NewEntities, TakeTheCurrentLayerAndColour) {
  const Record layer({{0, "LAYER"}, {2, "NOTES"}, {70, "0"}, {62, "3"}, {6, "CONTINUOUS"}});
  struct Color {
    const char* cecolor;
    int color;
    const char* group;  // the group 62 written, or null
  } colors[] = {{"BYLAYER", 256, nullptr}, {"BYBLOCK", 0, "0"}, {"1", 1, "1"}, {"250", 250, "250"}};
  for (const char* version : {"AC1032", "AC1009"}) {
    DrawingData data = makeEmptyDrawing();
    setHeaderValue(data.header, "$ACADVER", 1, version);
    for (Table& t : data.tables) {
      if (t.head.value(2) == "LAYER") t.entries.push_back(layer);
    }
    auto app = makeApplication(nullptr);
    const DocumentPtr doc = app->openData(std::move(data), "colours.dxf");
    const Ref docRef(doc);
    const Ref space = docRef.obj("ModelSpace");
    docRef.call("SetVariable", "CLAYER", "notes");
    for (const Color& c : colors) {
      docRef.call("SetVariable", "CECOLOR", c.cecolor);
      const Ref made[] = {
          space.call("AddText", "t", pt(0, 0), 1.0).toObject(),
          space.call("AddMText", pt(0, 0), 5.0, "m").toObject(),
          space.call("AddSolid", pt(0, 0), pt(1, 0), pt(0, 1), pt(1, 1)).toObject(),
      };
      for (const Ref& e : made) {
        const std::string what = std::string(version) + " " + c.cecolor + " " +
                                 utf16ToUtf8(e.get("ObjectName").toString());
        EXPECT_EQ(e.get("Layer").toString(), u"notes") << what;
        EXPECT_EQ(e.get("Color").toInt(), c.color) << what;
        const Record& r = doc->findEntity(utf16ToUtf8(e.get("Handle").toString()))->record;
        EXPECT_EQ(r.value(62, "none"), c.group ? c.group : "none") << what;
      }
    }
  }
}

// AutoCAD refuses every change to an entity on a locked layer, with its
// own error, and changes nothing; the layer's lock itself can be lifted.
TEST_F(DrawingTest, EntitiesOnALockedLayerRefuseChanges) {
  const Ref text = addText("a", 0, 0, 1);
  const Ref mtext = modelSpace().call("AddMText", pt(0, 5), 4.0, "m").toObject();
  const Ref layer = docRef.obj("Layers").call("Item", "0").toObject();
  layer.put("Lock", true);
  struct Case {
    const char* what;
    std::function<void()> change;
  } cases[] = {
      {"TextString", [&] { text.put("TextString", "b"); }},
      {"Height", [&] { text.put("Height", 2.0); }},
      {"Alignment", [&] { text.put("Alignment", 2); }},
      {"InsertionPoint", [&] { text.put("InsertionPoint", pt(1, 1)); }},
      {"Layer", [&] { text.put("Layer", "0"); }},
      {"Color", [&] { text.put("Color", 1); }},
      {"Move", [&] { text.call("Move", pt(0, 0), pt(1, 1)); }},
      {"Rotate", [&] { text.call("Rotate", pt(0, 0), 1.0); }},
      {"Erase", [&] { text.call("Erase"); }},
      {"Delete", [&] { text.call("Delete"); }},
      {"MText TextString", [&] { mtext.put("TextString", "n"); }},
      {"SelectionSet Erase",
       [&] {
         const Ref set = docRef.obj("SelectionSets").call("Add", "ALL").toObject();
         set.call("Select", 5);
         set.call("Erase");
       }},
  };
  const std::vector<Group> before = doc->findEntity(utf16ToUtf8(handle(text)))->record.groups();
  for (const Case& c : cases) {
    try {
      c.change();
      ADD_FAILURE() << c.what << " was not refused";
    } catch (const host::HostError& e) {
      EXPECT_EQ(e.code(), kOnLockedLayer) << c.what;
      EXPECT_STREQ(e.what(), "On locked layer") << c.what;
    }
  }
  EXPECT_EQ(doc->findEntity(utf16ToUtf8(handle(text)))->record.groups(), before);
  EXPECT_TRUE(exists(handle(text)));
  EXPECT_TRUE(exists(handle(mtext)));

  // Reading, copying and adding stay possible, as in AutoCAD.
  EXPECT_EQ(text.get("TextString").toString(), u"a");
  (void)boundingBox(text);
  EXPECT_NO_THROW(text.call("Copy"));
  EXPECT_NO_THROW(addText("new", 0, 0, 1));

  layer.put("Lock", false);
  text.put("TextString", "b");
  EXPECT_EQ(text.get("TextString").toString(), u"b");
}

TEST_F(DrawingTest, NewLineCopyMovesDownOnTheYAxis) {
  const Ref text = addText("ABC", 0, 0, 2.5);
  text.put("Rotation", 0.5);
  const Ref next = text.call("Copy").toObject();
  next.call("Move", pt(0, 0), pt(0, -3.75));
  EXPECT_THAT(pointOf(next, "InsertionPoint"), NearPoint(Point3{0, -3.75, 0}, kEps));
  EXPECT_EQ(next.get("TextString").toString(), u"ABC");
  EXPECT_NEAR(next.get("Rotation").toDouble(), 0.5, kEps);
  EXPECT_NE(handle(next), handle(text));
}

}  // namespace
}  // namespace vrn::drawing::testing
