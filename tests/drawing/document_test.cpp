// The document's tables, system variables and files.

#include <map>

#include "../support/temp_dir.h"
#include "drawing/header_variables.h"
#include "drawing/new_drawing.h"
#include "drawing_fixture.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "host/host_error.h"

namespace vrn::drawing::testing {
namespace {

TEST_F(DrawingTest, ANewDrawingHasItsStandardTablesAndSpaces) {
  EXPECT_EQ(docRef.get("Name").toString(), u"Drawing1.dwg");
  EXPECT_EQ(docRef.get("ActiveSpace").toInt(), 1);
  EXPECT_EQ(docRef.obj("ActiveLayer").get("Name").toString(), u"0");
  EXPECT_EQ(docRef.obj("ActiveTextStyle").get("Name").toString(), u"Standard");
  EXPECT_EQ(docRef.obj("ActiveDimStyle").get("Name").toString(), u"Standard");
  const Ref blocks = docRef.obj("Blocks");
  ASSERT_EQ(blocks.get("Count").toInt(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(Ref(blocks.call("Item", i).toObject()).get("IsLayout").toBool());
  }
  EXPECT_EQ(Ref(blocks.call("Item", "*model_space").toObject()).get("Name").toString(),
            u"*Model_Space");
  EXPECT_THROW(blocks.call("Item", 2), host::HostError);
}

TEST_F(DrawingTest, PaperSpaceEntitiesAreMarkedAndCountedApart) {
  docRef.put("ActiveSpace", 0);
  const Ref paper = docRef.obj("PaperSpace");
  const Ref text = paper.call("AddText", "p", pt(0, 0), 1.0).toObject();
  EXPECT_EQ(doc->findEntity(utf16ToUtf8(handle(text)))->record.integer(67), 1);
  EXPECT_EQ(paper.get("Count").toInt(), 1);
  EXPECT_EQ(modelSpace().get("Count").toInt(), 0);
  EXPECT_EQ(docRef.get("ActiveSpace").toInt(), 0);
}

// A space's list is the drawing's own while every entity of it belongs, a
// filtered copy otherwise; either way Count and Item follow each change.
TEST_F(DrawingTest, SpacesListTheirOwnEntitiesThroughEveryChange) {
  const auto handles = [](const Ref& space) {
    std::vector<std::u16string> out;
    for (std::int32_t i = 0; i < space.get("Count").toInt(); ++i) {
      out.push_back(Ref(space.call("Item", i).toObject()).get("Handle").toString());
    }
    return out;
  };
  const Ref paper = docRef.obj("PaperSpace");
  const Ref a = addText("a", 0, 0, 1);
  const Ref b = addText("b", 0, 0, 1);
  EXPECT_EQ(handles(modelSpace()), (std::vector{handle(a), handle(b)}));
  const Ref p = paper.call("AddText", "p", pt(0, 0), 1.0).toObject();
  EXPECT_EQ(handles(modelSpace()), (std::vector{handle(a), handle(b)}));
  EXPECT_EQ(handles(paper), (std::vector{handle(p)}));
  a.call("Delete");
  EXPECT_EQ(handles(modelSpace()), (std::vector{handle(b)}));
  const Ref c = b.call("Copy").toObject();
  EXPECT_EQ(handles(modelSpace()), (std::vector{handle(b), handle(c)}));
  p.call("Delete");
  EXPECT_EQ(handles(paper), std::vector<std::u16string>{});
  docRef.call("SendCommand", "U ");  // takes the deletion back
  EXPECT_EQ(handles(paper), (std::vector{handle(p)}));
}

// Routines choose the space to draw in by TILEMODE and CVPORT.
TEST_F(DrawingTest, CurrentViewportFollowsTheActiveSpace) {
  EXPECT_EQ(docRef.call("GetVariable", "CVPORT").toInt(), 2);
  docRef.put("ActiveSpace", 0);
  EXPECT_EQ(docRef.call("GetVariable", "TILEMODE").toInt(), 0);
  EXPECT_EQ(docRef.call("GetVariable", "CVPORT").toInt(), 1);
}

TEST_F(DrawingTest, SystemVariables) {
  EXPECT_EQ(docRef.call("GetVariable", "TEXTSIZE").toDouble(), 2.5);
  docRef.call("SetVariable", "textsize", 4.0);
  EXPECT_EQ(docRef.call("GetVariable", "TEXTSIZE").toDouble(), 4.0);
  EXPECT_EQ(docRef.call("GetVariable", "CECOLOR").toString(), u"BYLAYER");
  docRef.call("SetVariable", "CECOLOR", "1");
  EXPECT_EQ(docRef.call("GetVariable", "CECOLOR").toString(), u"1");
  EXPECT_THROW(docRef.call("SetVariable", "TextStyle", "missing"), host::HostError);
  docRef.obj("TextStyles").call("Add", "HEB");
  docRef.call("SetVariable", "TextStyle", "heb");
  EXPECT_EQ(docRef.obj("ActiveTextStyle").get("Name").toString(), u"HEB");
  EXPECT_EQ(Ref(addText("x", 0, 0, 1)).get("StyleName").toString(), u"heb");

  // Names the host does not know are kept as set.
  docRef.call("SetVariable", "USERI1", 7);
  EXPECT_EQ(docRef.call("GetVariable", "useri1").toInt(), 7);
  EXPECT_THROW(docRef.call("GetVariable", "NOSUCHVAR"), host::HostError);
  EXPECT_EQ(docRef.call("GetVariable", "SCREENSIZE").array().items.size(), 2u);
  host::Ref(app).call("ZoomCenter", pt(3, 4), 50.0);
  EXPECT_EQ(host::toPoint(docRef.call("GetVariable", "VIEWCTR")), (Point3{3, 4, 0}));
  EXPECT_EQ(docRef.call("GetVariable", "VIEWSIZE").toDouble(), 50.0);
}

TEST_F(DrawingTest, DimensionTextStyleFollowsTheActiveDimensionStyle) {
  EXPECT_EQ(docRef.call("GetVariable", "DIMTXSTY").toString(), u"Standard");
  docRef.obj("TextStyles").call("Add", "DIMTEXT");
  docRef.call("SetVariable", "DIMTXSTY", "DIMTEXT");
  EXPECT_EQ(docRef.call("GetVariable", "DIMTXSTY").toString(), u"DIMTEXT");
  // The style is the dimension style's own: its record points at it.
  const Record* dimstyle = doc->tableEntry("DIMSTYLE", u"Standard");
  EXPECT_EQ(dimstyle->value(340), doc->tableEntry("STYLE", u"DIMTEXT")->value(5));
  const Ref styles = docRef.obj("DimStyles");
  docRef.put("ActiveDimStyle", styles.call("Item", 0));
  EXPECT_THROW(docRef.put("ActiveDimStyle", docRef.obj("ActiveLayer").ptr()), host::HostError);
}

TEST_F(DrawingTest, TextStylesAndLayers) {
  const Ref styles = docRef.obj("TextStyles");
  const Ref style = styles.call("Add", "ARIALREVIT").toObject();
  EXPECT_EQ(Ref(styles.call("Add", "arialrevit").toObject()).get("Name").toString(), u"ARIALREVIT");
  EXPECT_EQ(styles.get("Count").toInt(), 2);
  EXPECT_THROW(styles.call("Add", "bad:name"), host::HostError);
  style.call("SetFont", "Arial", false, false, 0, 34);
  EXPECT_EQ(style.get("FontFile").toString(), u"Arial.ttf");
  style.put("Width", 0.8);
  style.put("TextGenerationFlag", 2);
  EXPECT_EQ(style.get("Width").toDouble(), 0.8);
  EXPECT_EQ(style.get("TextGenerationFlag").toInt(), 2);
  EXPECT_EQ(style.get("BigFontFile").toString(), u"");

  const Ref layer = Ref(docRef.obj("Layers").call("Item", 0).toObject());
  EXPECT_THROW(layer.put("Freeze", true), host::HostError) << "the current layer";
  const Ref text = addText("on layer 0", 0, 0, 2.5);
  text.put("Height", 3.0);  // asked of the layer while it was open
  layer.put("Lock", true);
  EXPECT_TRUE(layer.get("Lock").toBool());
  EXPECT_FALSE(layer.get("Freeze").toBool());
  EXPECT_THROW(text.put("Height", 4.0), host::HostError) << "on a locked layer";
  docRef.call("SendCommand", "U ");
  EXPECT_FALSE(layer.get("Lock").toBool());
  text.put("Height", 4.0);
  EXPECT_EQ(text.get("Height").toDouble(), 4.0);
}

// A minimal R12 drawing: no header, no tables, one text.
constexpr const char* kMinimalR12 =
    "  0\nSECTION\n  2\nENTITIES\n"
    "  0\nTEXT\n  8\n0\n 10\n1.0\n 20\n2.0\n 40\n1.0\n  1\nabc\n"
    "  0\nENDSEC\n  0\nEOF\n";

DocumentPtr openText(Application& app, const std::string& text) {
  return app.openData(dxf::readDxf(std::make_shared<const std::string>(text), "minimal.dxf"),
                      "minimal.dxf");
}

// Blocks walked by index as the text walk does, in a generated drawing of
// many blocks: every block once, in file order, with its own entities; the
// model and paper space blocks of the file are not listed twice.
TEST(ManyBlocks, WalkedByIndexAndFoundByName) {
  constexpr int kBlocks = 20000;
  std::string text = "  0\nSECTION\n  2\nBLOCKS\n";
  const auto block = [&](const std::string& name, const std::string& content) {
    text += "  0\nBLOCK\n  8\n0\n  2\n" + name + "\n 70\n0\n 10\n0\n 20\n0\n 30\n0\n  3\n" + name +
            "\n";
    text += "  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\n" + content + "\n";
    text += "  0\nENDBLK\n  8\n0\n";
  };
  block("*MODEL_SPACE", "model");
  block("*PAPER_SPACE", "paper");
  for (int i = 0; i < kBlocks; ++i) block("B" + std::to_string(i), "t" + std::to_string(i));
  text += "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n";
  auto app = makeApplication(nullptr);
  const Ref blocks = Ref(openText(*app, text)).obj("Blocks");
  ASSERT_EQ(blocks.get("Count").toInt(), kBlocks + 2);
  for (int i = 2; i < kBlocks + 2; ++i) {
    const Ref b = blocks.call("Item", i).toObject();
    const std::u16string number = utf8ToUtf16(std::to_string(i - 2));
    ASSERT_EQ(b.get("Name").toString(), u"B" + number);
    ASSERT_EQ(b.get("Count").toInt(), 1);
    ASSERT_EQ(Ref(b.call("Item", 0).toObject()).get("TextString").toString(), u"t" + number);
  }
  EXPECT_EQ(Ref(blocks.call("Item", "b19999").toObject()).get("Name").toString(), u"B19999");
  EXPECT_EQ(Ref(blocks.call("Item", 1).toObject()).get("Name").toString(), u"*Paper_Space");
  EXPECT_THROW(blocks.call("Item", "B20000"), host::HostError);
  EXPECT_THROW(blocks.call("Item", kBlocks + 2), host::HostError);
}

// AutoCAD always has the text style Standard; a drawing without a STYLE
// table shows it, and writes it only once something is written to it.
TEST(ImplicitStandardStyle, ServesReadersAndTextWritesWithoutChangingTheFile) {
  auto app = makeApplication(nullptr);
  const DocumentPtr doc = openText(*app, kMinimalR12);
  const Ref docRef(doc);
  const Ref styles = docRef.obj("TextStyles");
  EXPECT_EQ(styles.get("Count").toInt(), 1);
  EXPECT_EQ(docRef.obj("ActiveTextStyle").get("Name").toString(), u"STANDARD");
  const Ref text = docRef.obj("ModelSpace").call("Item", 0).toObject();
  // The way the string conversions classify a text before writing it.
  const Ref style = styles.call("Item", text.get("StyleName")).toObject();
  EXPECT_EQ(style.get("FontFile").toString(), u"txt");
  EXPECT_EQ(style.get("TextGenerationFlag").toInt(), 0);
  text.put("TextString", "xyz");
  docRef.call("SetVariable", "TEXTSTYLE", "standard");
  style.put("Width", 1.0);  // the value it has: no change
  std::string expected = kMinimalR12;
  expected.replace(expected.find("abc"), 3, "xyz");
  EXPECT_EQ(dxf::dxfText(doc->data()), expected);
  EXPECT_NO_THROW(text.put("StyleName", "Standard"));
}

TEST(ImplicitStandardStyle, BecomesPartOfTheDrawingWhenWrittenTo) {
  auto app = makeApplication(nullptr);
  const DocumentPtr doc = openText(*app, kMinimalR12);
  const Ref docRef(doc);
  const Ref style = docRef.obj("ActiveTextStyle");
  style.put("FontFile", "heb.shx");
  const std::string saved = dxf::dxfText(doc->data());
  EXPECT_LT(saved.find("TABLES"), saved.find("ENTITIES"));
  const Ref reread(openText(*app, saved));
  EXPECT_EQ(
      Ref(reread.obj("TextStyles").call("Item", "Standard").toObject()).get("FontFile").toString(),
      u"heb.shx");
  EXPECT_EQ(reread.obj("TextStyles").get("Count").toInt(), 1);

  // A second style goes into the same table; undo takes both back.
  docRef.obj("TextStyles").call("Add", "HEB");
  EXPECT_EQ(docRef.obj("TextStyles").get("Count").toInt(), 2);
  docRef.call("SendCommand", "U ");
  docRef.call("SendCommand", "U ");
  EXPECT_EQ(dxf::dxfText(doc->data()), kMinimalR12);
  EXPECT_EQ(style.get("FontFile").toString(), u"txt");
}

// The same on a real R12 drawing without tables: every text of it can be
// classified by its style and rewritten.
TEST(ImplicitStandardStyle, RealDrawingWithoutAStyleTable) {
  const auto app = fileApplication();
  const DocumentPtr doc =
      openCorpusDrawing(*app, "ezdxf__issues__20190829_gerber_file__JR-3099-V2-LTCSL-4X-S.DXF");
  if (!doc) GTEST_SKIP() << "no DXF corpus on this machine";
  const Ref styles = Ref(doc).obj("TextStyles");
  int texts = 0;
  for (const EntityPtr& e : doc->allEntities()) {
    if (e->record.type() != "TEXT") continue;
    const Ref text(doc->objectOf(e));
    EXPECT_EQ(Ref(styles.call("Item", text.get("StyleName")).toObject()).get("FontFile").toString(),
              u"txt");
    text.put("TextString", text.get("TextString"));
    ++texts;
  }
  EXPECT_GT(texts, 10);
  EXPECT_EQ(doc->table("STYLE"), nullptr);
}

TEST(DamagedHeader, ActiveEntriesFallBackToTheFirst) {
  DrawingData data = makeEmptyDrawing();
  setHeaderValue(data.header, "$TEXTSTYLE", 7, "GONE");
  setHeaderValue(data.header, "$CLAYER", 8, "GONE");
  auto app = makeApplication(nullptr);
  const Ref doc(app->openData(std::move(data), "damaged.dxf"));
  EXPECT_EQ(doc.obj("ActiveTextStyle").get("Name").toString(), u"Standard");
  EXPECT_EQ(doc.obj("ActiveLayer").get("Name").toString(), u"0");
}

TEST_F(DrawingTest, SavingNeedsDrawingFilesAndAName) {
  EXPECT_THROW(docRef.call("Save"), host::HostError);
  EXPECT_THROW(docRef.call("SaveAs", "/tmp/x.dxf"), host::HostError);
  EXPECT_THROW(app->open("/tmp/x.dxf"), host::HostError);
}

class MemoryFiles final : public DrawingFiles {
 public:
  DrawingData load(const std::string& path, FileClaim&) const override {
    if (path != "in.dxf") throw host::HostError(host::hr::kFail, "Cannot open " + path);
    return saved.empty() ? DrawingData{} : saved.begin()->second;
  }
  void save(const DrawingData& data, const std::string& path, FileClaim&) const override {
    saved[path] = data;
  }
  mutable std::map<std::string, DrawingData> saved;
};

TEST(DrawingFilesTest, SaveAsWritesDxfFilesOnly) {
  auto files = std::make_shared<MemoryFiles>();
  auto app = makeApplication(files);
  const Ref doc(host::Ref(app).obj("Documents").call("Add").toObject());
  for (const char* name :
       {"/work/out.dwg", "/work/out.dxf.bak", "/work/out", "C:\\work\\out.DWG"}) {
    try {
      doc.call("SaveAs", name);
      ADD_FAILURE() << name << " was written";
    } catch (const host::HostError& e) {
      EXPECT_THAT(e.what(), ::testing::HasSubstr("DXF")) << name;
    }
  }
  EXPECT_TRUE(files->saved.empty());
  EXPECT_EQ(doc.get("Name").toString(), u"Drawing1.dwg");
  doc.call("SaveAs", "/work/OUT.DXF");
  EXPECT_EQ(files->saved.size(), 1u);
}

// AutoCAD-side code names a drawing Windows' way: Path & "\" & Name.
TEST(DrawingFilesTest, OpensAWindowsStyleFullName) {
  const test::TempDir dir;
  auto app = fileApplication();
  const Ref doc(host::Ref(app).obj("Documents").call("Add").toObject());
  doc.obj("ModelSpace").call("AddText", "saved", pt(0, 0), 1.0);
  doc.call("SaveAs", (dir.path().string() + "\\plan.dxf").c_str());
  EXPECT_TRUE(std::filesystem::exists(dir / "plan.dxf"));
  EXPECT_EQ(doc.get("Name").toString(), u"plan.dxf");
  EXPECT_EQ(doc.get("Path").toString(), utf8ToUtf16(dir.path().string()));

  const std::u16string fullName = doc.get("Path").toString() + u"\\" + doc.get("Name").toString();
  const Ref opened(host::Ref(app).obj("Documents").call("Open", fullName).toObject());
  EXPECT_EQ(opened.get("Name").toString(), u"plan.dxf");
  EXPECT_EQ(Ref(opened.obj("ModelSpace").call("Item", 0).toObject()).get("TextString").toString(),
            u"saved");
}

TEST(DrawingFilesTest, SaveAsRenamesAndMarksSaved) {
  auto files = std::make_shared<MemoryFiles>();
  auto app = makeApplication(files);
  const Ref doc(host::Ref(app).obj("Documents").call("Add").toObject());
  const Ref text = doc.obj("ModelSpace").call("AddText", "a", pt(0, 0), 1.0).toObject();
  EXPECT_FALSE(doc.get("Saved").toBool());
  doc.call("SaveAs", "/work/out.dxf");
  EXPECT_TRUE(doc.get("Saved").toBool());
  EXPECT_EQ(doc.get("Name").toString(), u"out.dxf");
  EXPECT_EQ(files->saved.at("/work/out.dxf").entities.size(), 1u);
  EXPECT_THROW(host::Ref(app).call("Open", "missing.dxf"), host::HostError);

  // Opening makes the drawing the active one; the collection finds it by name.
  const Ref documents = host::Ref(app).obj("Documents");
  const Ref opened = documents.call("Open", "in.dxf").toObject();
  EXPECT_EQ(documents.get("Count").toInt(), 2);
  EXPECT_EQ(host::Ref(app).obj("ActiveDocument").ptr(), opened.ptr());
  EXPECT_EQ(Ref(documents.call("Item", "IN.DXF").toObject()).ptr(), opened.ptr());
  host::Ref(app).put("ActiveDocument", doc.ptr());
  EXPECT_EQ(host::Ref(app).obj("ActiveDocument").ptr(), doc.ptr());
}

}  // namespace
}  // namespace vrn::drawing::testing
