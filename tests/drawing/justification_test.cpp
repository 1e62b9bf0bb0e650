// Single-line text justification: a left, baseline text is anchored at its
// insertion point, any other at its alignment point; the insertion point
// follows from the extent (4 characters of height 2: 8 units wide).

#include <numbers>

#include "drawing_fixture.h"

namespace vrn::drawing::testing {
namespace {

constexpr double kEps = 1e-9;

struct JustifyCase {
  int alignment;  // AutoCAD's combined code
  int horizontal;
  int vertical;
  Point3 insertion;  // of "ABCD", height 2, anchored at (10, 20)
};

const JustifyCase kCases[] = {
    {0, 0, 0, {10, 20, 0}}, {1, 1, 0, {6, 20, 0}},  {2, 2, 0, {2, 20, 0}},   {4, 4, 0, {6, 19, 0}},
    {6, 0, 3, {10, 18, 0}}, {7, 1, 3, {6, 18, 0}},  {8, 2, 3, {2, 18, 0}},   {9, 0, 2, {10, 19, 0}},
    {10, 1, 2, {6, 19, 0}}, {11, 2, 2, {2, 19, 0}}, {12, 0, 1, {10, 20, 0}}, {13, 1, 1, {6, 20, 0}},
    {14, 2, 1, {2, 20, 0}},
};

void PrintTo(const JustifyCase& c, std::ostream* os) { *os << "alignment " << c.alignment; }

class Justify : public DrawingTest, public ::testing::WithParamInterface<JustifyCase> {};

TEST_P(Justify, KeepsTheAnchorAndDerivesTheInsertionPoint) {
  const JustifyCase& c = GetParam();
  const Ref text = addText("ABCD", 10, 20, 2);
  text.put("HorizontalAlignment", c.horizontal);
  text.put("VerticalAlignment", c.vertical);
  EXPECT_EQ(text.get("Alignment").toInt(), c.alignment);
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(c.insertion, kEps));
  EXPECT_THAT(pointOf(text, "TextAlignmentPoint"), NearPoint(Point3{10, 20, 0}, kEps));

  // The same through the combined code, from a text justified otherwise.
  const Ref other = addText("ABCD", 10, 20, 2);
  other.put("Alignment", c.alignment);
  EXPECT_EQ(other.get("HorizontalAlignment").toInt(), c.horizontal);
  EXPECT_EQ(other.get("VerticalAlignment").toInt(), c.vertical);
  EXPECT_THAT(pointOf(other, "InsertionPoint"), NearPoint(c.insertion, kEps));
}

// The editors' way of changing a justification without moving the text:
// p0 := InsertionPoint; set the codes; p1 := InsertionPoint; Move(p1, p0).
TEST_P(Justify, EditorFlowLeavesTheTextWhereItStood) {
  const JustifyCase& c = GetParam();
  const Ref text = addText("ABCD", 10, 20, 2);
  text.put("Rotation", 0.3);
  const Box before = boundingBox(text);
  const Variant p0 = text.get("InsertionPoint");
  text.put("HorizontalAlignment", c.horizontal);
  text.put("VerticalAlignment", c.vertical);
  text.call("Move", text.get("InsertionPoint"), p0);
  const Box after = boundingBox(text);
  EXPECT_THAT(after.min, NearPoint(before.min, kEps));
  EXPECT_THAT(after.max, NearPoint(before.max, kEps));
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(host::toPoint(p0), kEps));
}

INSTANTIATE_TEST_SUITE_P(EveryAlignment, Justify, ::testing::ValuesIn(kCases));

TEST_F(DrawingTest, AJustifiedTextGrowsAwayFromItsAnchor) {
  const Ref text = addText("ABCD", 10, 20, 2);
  text.put("HorizontalAlignment", 2);  // right
  text.put("TextString", "AB");
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{6, 20, 0}, kEps));
  text.put("Height", 1.0);
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{8, 20, 0}, kEps));
  text.put("Rotation", std::numbers::pi / 2);
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{10, 18, 0}, kEps));
  EXPECT_THAT(pointOf(text, "TextAlignmentPoint"), NearPoint(Point3{10, 20, 0}, kEps));
  // Setting the insertion point of a justified text moves the whole text.
  text.put("InsertionPoint", pt(0, 0));
  EXPECT_THAT(pointOf(text, "TextAlignmentPoint"), NearPoint(Point3{0, 2, 0}, kEps));
  // Back to left: the anchor (the alignment point) becomes the insertion point.
  text.put("Alignment", 0);
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{0, 2, 0}, kEps));
}

TEST_F(DrawingTest, AlignedTextSpansItsTwoPoints) {
  const Ref text = addText("ABCD", 10, 20, 2);
  text.put("HorizontalAlignment", 3);
  EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(Point3{10, 20, 0}, kEps));
  EXPECT_THAT(pointOf(text, "TextAlignmentPoint"), NearPoint(Point3{18, 20, 0}, kEps));

  text.put("TextAlignmentPoint", pt(0, 10));
  text.put("InsertionPoint", pt(0, 0));
  EXPECT_NEAR(text.get("Rotation").toDouble(), std::numbers::pi / 2, kEps);
  const Box box = boundingBox(text);
  EXPECT_THAT(box.min, NearPoint(Point3{-2, 0, 0}, kEps));
  EXPECT_THAT(box.max, NearPoint(Point3{0, 10, 0}, kEps));
}

// Real drawings hold the first points that their programs computed with
// real fonts: changing the string of a justified text for one of the same
// length leaves every group but the string as it was.
TEST(RealDrawing, JustifiedTextsKeepTheirPointsWhenTheirStringChanges) {
  for (const char* name : {"ezdxf__issues__20190829_gerber_file__JR-3099-V2-LTCSL-4X-S.DXF",
                           "dxf-vuer__public__samples__floorplan.dxf"}) {
    const auto app = fileApplication();
    const DocumentPtr doc = openCorpusDrawing(*app, name);
    if (!doc) GTEST_SKIP() << "no DXF corpus on this machine";
    int justified = 0;
    for (const EntityPtr& e : doc->allEntities()) {
      const Record& r = e->record;
      if (r.type() != "TEXT" || (r.integer(72) == 0 && r.integer(73) == 0)) continue;
      if (r.integer(72) == 3 || r.integer(72) == 5) continue;
      const Ref text(doc->objectOf(e));
      const Point3 insertion = pointOf(text, "InsertionPoint");
      std::vector<Group> expected = r.groups();
      const std::u16string before = text.get("TextString").toString();
      const std::u16string after(before.size(), before.front() == u'x' ? u'y' : u'x');
      text.put("TextString", after);
      for (Group& g : expected) {
        if (g.code == 1) g.value = utf16ToUtf8(after);
      }
      EXPECT_EQ(r.groups(), expected) << name << " " << utf16ToUtf8(before);
      EXPECT_THAT(pointOf(text, "InsertionPoint"), NearPoint(insertion, 1e-12));
      ++justified;
    }
    EXPECT_GT(justified, 10) << name;
  }
}

TEST_F(DrawingTest, InvalidJustificationCodesAreRefused) {
  const Ref text = addText("ABCD", 10, 20, 2);
  EXPECT_THROW(text.put("HorizontalAlignment", 6), host::HostError);
  EXPECT_THROW(text.put("VerticalAlignment", -1), host::HostError);
  EXPECT_THROW(text.put("Alignment", 15), host::HostError);
  EXPECT_EQ(text.get("Alignment").toInt(), 0);
}

}  // namespace
}  // namespace vrn::drawing::testing
