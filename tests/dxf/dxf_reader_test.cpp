#include "dxf/dxf_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "drawing/handles.h"
#include "dxf/code_page_codec.h"
#include "dxf/dxf_writer.h"
#include "dxf_text.h"
#include "host/host_error.h"

namespace vrn::dxf {
namespace {

using drawing::formatHandle;
using drawing::Handle;
using drawing::Section;
using test::dxf;
using test::smallDrawing;
using ::testing::HasSubstr;

drawing::DrawingData read(std::string text) {
  return readDxf(std::make_shared<const std::string>(std::move(text)), "plan.dxf");
}

drawing::DrawingData readWith(std::string text, std::size_t readInTwoFrom) {
  auto owned = std::make_shared<const std::string>(std::move(text));
  const std::string_view view(*owned);
  return readDxf(std::move(owned), view, "plan.dxf", readInTwoFrom);
}

std::string errorOf(std::string text, std::size_t readInTwoFrom = kEntitiesReadInTwoFrom) {
  try {
    readWith(std::move(text), readInTwoFrom);
  } catch (const host::HostError& error) {
    return error.what();
  }
  return "no error";
}

TEST(DxfReader, ReadsTheStructure) {
  const auto data = read(smallDrawing());
  ASSERT_EQ(data.sections.size(), 5u);
  EXPECT_EQ(data.sections[0].kind, Section::Kind::Header);
  EXPECT_EQ(data.sections[4].kind, Section::Kind::Opaque);
  EXPECT_EQ(data.sections[4].records.at(0).type(), "DICTIONARY");
  EXPECT_EQ(data.header.value(1), "AC1015");
  ASSERT_EQ(data.tables.size(), 1u);
  EXPECT_EQ(data.tables[0].entries.at(0).value(2), "0");
  EXPECT_EQ(data.tables[0].end.type(), "ENDTAB");
  ASSERT_EQ(data.blocks.size(), 1u);
  EXPECT_EQ(data.blocks[0].entities.at(0)->record.type(), "ATTDEF");
  EXPECT_EQ(data.blocks[0].end.value(5), "22");

  ASSERT_EQ(data.entities.size(), 3u);
  const auto& text = data.entities[0]->record;
  EXPECT_EQ(text.value(1), "\x99\x8C\x85\x8D");
  EXPECT_EQ(text.value(1000), "note");
  EXPECT_EQ(data.codec, codePageCodec("ANSI_1255"));
  EXPECT_EQ(data.codec->decode(text.value(1)),
            u"\u2122\u008C\u2026\u008D");  // DOS bytes as 1255 reads them

  const auto& insert = *data.entities[1];
  ASSERT_EQ(insert.children.size(), 2u);
  EXPECT_EQ(insert.children[1]->record.value(1), "B");
  ASSERT_TRUE(insert.children.seqend());
  EXPECT_EQ(insert.children.seqend()->value(5), "34");
  const auto& polyline = *data.entities[2];
  EXPECT_EQ(polyline.children.size(), 1u);
  EXPECT_TRUE(polyline.children.seqend());
  EXPECT_EQ(data.lineEnd, "\n");
  // The comment before the first section stays with it.
  EXPECT_EQ(data.sections[0].begin.groups().front().code, 999);
}

TEST(DxfReader, KeepsEachRecordsText) {
  const std::string text = smallDrawing();
  const auto data = read(text);
  EXPECT_FALSE(data.entities[0]->record.changed());
  EXPECT_EQ(data.entities[0]->record.original(),
            dxf("0=TEXT\n5=30\n8=0\n1=\x99\x8C\x85\x8D\n1001=VRN\n1000=note"));
  EXPECT_EQ(dxfText(data), text);
}

// A record read from a file knows which codes it lacks without reading its
// text; every code it holds must still be found, and codes that share its
// codes' bits (3 and 67, 7 and 71) must not be.
TEST(DxfReader, ARecordFindsEachCodeItHoldsAndNoOther) {
  const auto data =
      read(dxf("0=SECTION\n2=ENTITIES\n0=TEXT\n5=30\n-1=x\n8=0\n3=prompt\n71=2\n1071=7\n1=a\n1=b\n"
               "0=ENDSEC\n0=EOF"));
  const drawing::Record unsplit = data.entities.at(0)->record;  // copied before the split
  const drawing::Record split(data.entities.at(0)->record.groups());
  ASSERT_FALSE(unsplit.changed());
  for (int code = -2; code <= 1100; ++code) {
    EXPECT_EQ(unsplit.find(code), split.find(code)) << code;
    EXPECT_EQ(unsplit.value(code, "none"), split.value(code, "none")) << code;
  }
}

TEST(DxfReader, BadInputNamesTheLine) {
  const std::string header = "0=SECTION\n2=HEADER\n9=$ACADVER\n1=AC1015\n0=ENDSEC\n";
  struct Case {
    const char* what;
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      {"code not a number", dxf("0=SECTION\n2=ENTITIES\nXY=TEXT"),
       "line 5: group code \"XY\" is not a number"},
      {"truncated in a group", dxf("0=SECTION\n2=ENTITIES") + "  0\n",
       "line 5: the file ends after group code 0"},
      {"truncated in a section", dxf("0=SECTION\n2=ENTITIES\n0=TEXT\n8=0"),
       "line 1: section ENTITIES has no ENDSEC"},
      {"section without ENDSEC", dxf("0=SECTION\n2=ENTITIES\n0=SECTION\n2=BLOCKS\n0=ENDSEC\n0=EOF"),
       "line 5: section ENTITIES (line 1) has no ENDSEC before SECTION"},
      {"table without ENDTAB",
       dxf("0=SECTION\n2=TABLES\n0=TABLE\n2=LAYER\n0=LAYER\n0=ENDSEC\n0=EOF"),
       "line 11: table LAYER (line 5) has no ENDTAB before ENDSEC"},
      {"block without ENDBLK",
       dxf("0=SECTION\n2=BLOCKS\n0=BLOCK\n2=A\n0=LINE\n0=BLOCK\n2=B\n0=ENDBLK\n0=ENDSEC\n0=EOF"),
       "line 11: block A (line 5) has no ENDBLK"},
      {"handle used twice",
       dxf("0=SECTION\n2=ENTITIES\n0=TEXT\n5=1F\n0=LINE\n5=1f\n0=ENDSEC\n0=EOF"),
       "line 11: handle 1F is used twice (lines 7 and 11)"},
      {"handle not hex", dxf("0=SECTION\n2=ENTITIES\n0=TEXT\n5=XYZ\n0=ENDSEC\n0=EOF"),
       "line 7: handle \"XYZ\" is not a hexadecimal number"},
      {"unknown code page",
       dxf(header.substr(0, header.size() - 9) + "9=$DWGCODEPAGE\n3=ANSI_9999\n0=ENDSEC\n0=EOF"),
       "line 12: the code page \"ANSI_9999\" ($DWGCODEPAGE) is not supported"},
      {"section twice", dxf("0=SECTION\n2=ENTITIES\n0=ENDSEC\n0=SECTION\n2=ENTITIES\n0=ENDSEC"),
       "line 7: the ENTITIES section appears twice"},
      {"no section", dxf("0=LINE\n8=0"), "line 1: expected a SECTION, found \"LINE\""},
      {"section without name", dxf("0=SECTION\n0=ENDSEC"), "line 1: SECTION without a name"},
      {"stray record in TABLES", dxf("0=SECTION\n2=TABLES\n0=LAYER\n0=ENDSEC"),
       "line 5: expected a TABLE"},
      {"stray record in BLOCKS", dxf("0=SECTION\n2=BLOCKS\n0=LINE\n0=ENDSEC"),
       "line 5: expected a BLOCK"},
      {"binary DXF", "AutoCAD Binary DXF\r\n\x1a", "plan.dxf: binary DXF files are not supported"},
      {"DWG", std::string("AC1015\0\0\0\0", 10), "plan.dxf: DWG drawings are not supported"},
      {"empty file", "", "plan.dxf: the file is empty"},
      {"blank file", " \r\n\n", "plan.dxf: the file is empty"},
  };
  for (const auto& c : cases) {
    EXPECT_THAT(errorOf(c.text), HasSubstr(c.message)) << c.what;
    EXPECT_THAT(errorOf(c.text), HasSubstr("plan.dxf")) << c.what;
  }
}

TEST(DxfReader, Recoveries) {
  // No EOF after the last ENDSEC: the drawing is complete; saving adds it.
  const std::string noEof = dxf("0=SECTION\n2=ENTITIES\n0=LINE\n0=ENDSEC");
  EXPECT_EQ(dxfText(read(noEof)), noEof + dxf("0=EOF"));
  // Blank lines at the end of a file without EOF are no group.
  EXPECT_EQ(dxfText(read(noEof + "\n\n  \n")), noEof + dxf("0=EOF"));
  const std::string drawing = dxf("0=SECTION\n2=ENTITIES\n0=LINE\n0=ENDSEC\n0=EOF");
  // Without $DWGCODEPAGE a drawing before AC1021 is AutoCAD's default, ANSI_1252.
  EXPECT_EQ(read(drawing).codec, codePageCodec("ANSI_1252"));
  // A POLYLINE without SEQEND stays as it was.
  const std::string open =
      dxf("0=SECTION\n2=ENTITIES\n0=POLYLINE\n0=VERTEX\n0=LINE\n0=ENDSEC\n0=EOF");
  const auto data = read(open);
  ASSERT_EQ(data.entities.size(), 2u);
  EXPECT_FALSE(data.entities[0]->children.seqend());
  EXPECT_EQ(dxfText(data), open);
}

// Handles reach the duplicate check in whatever order the file has them:
// a few ascending runs (merged) or no order at all (sorted whole).
TEST(DxfReader, FindsAHandleUsedTwiceInAnyOrder) {
  const auto entities = [](const std::vector<int>& handles) {
    std::string text = "0=SECTION\n2=ENTITIES\n";
    for (int h : handles) text += "0=LINE\n5=" + formatHandle(static_cast<Handle>(h)) + "\n";
    return dxf(text + "0=ENDSEC\n0=EOF");
  };
  std::vector<int> descending;
  for (int h = 300; h > 100; --h) descending.push_back(h);
  std::vector<int> runs;
  for (int run = 0; run < 5; ++run) {
    for (int h = 0; h < 20; ++h) runs.push_back(1000 - run * 100 + h);
  }
  struct Case {
    const char* what;
    std::vector<int> handles;
    int twice;  // 0: none
  };
  std::vector<Case> cases = {{"descending", descending, 0}, {"runs", runs, 0}};
  cases.push_back({"descending, last twice", descending, 101});
  cases.back().handles.insert(cases.back().handles.begin() + 7, 101);
  cases.push_back({"runs, across runs", runs, 0x3F5});  // first run's 1013, again in the last
  cases.back().handles.push_back(1013);
  cases.push_back({"runs, inside another run", runs, 0x25A});  // the last run's 602
  cases.back().handles.insert(cases.back().handles.begin() + 65, 602);
  for (const auto& c : cases) {
    const std::string text = entities(c.handles);
    if (c.twice == 0) {
      const auto data = read(text);
      EXPECT_EQ(data.entities.size(), c.handles.size()) << c.what;
    } else {
      EXPECT_THAT(errorOf(text), HasSubstr("handle " + formatHandle(static_cast<Handle>(c.twice)) +
                                           " is used twice"))
          << c.what;
    }
  }
}

// In an R12 DIMSTYLE group 5 is the arrow block's name, often empty; the
// handle is group 105.
// A large ENTITIES section is read in two halves by two threads; whatever
// stands where the second half begins, the drawing read and any error are
// those of one reader. Each fixture is read in two (the threshold at 0) and
// by one reader.
TEST(DxfReader, ReadsTheEntitiesInTwoHalvesAsOneReaderDoes) {
  const auto entities = [](int count, const std::string& entity, const std::string& after = "",
                           std::string_view lineEnd = "\n") {
    std::string text = "0=SECTION\n2=ENTITIES\n";
    for (int i = 1; i <= count; ++i) {
      std::string record = entity;
      for (auto at = record.find('#'); at != std::string::npos; at = record.find('#'))
        record.replace(at, 1, formatHandle(static_cast<Handle>(i * 16)));
      text += record;
    }
    return dxf(text + "0=ENDSEC\n" + after + "0=EOF", lineEnd);
  };
  const std::string line = "0=LINE\n5=#\n8=0\n10=1.5\n20=2.5\n";
  // Every value "  0" looks like the start of a record from the middle on.
  const std::string zeros = "0=TEXT\n5=#\n1=  0\n1001=APP\n1000=  0\n1000=  0\n1000=  0\n";
  const std::string insert =
      "0=INSERT\n5=#\n66=1\n0=ATTRIB\n5=#1\n0=ATTRIB\n5=#2\n0=SEQEND\n5=#3\n";
  std::string objects = "0=SECTION\n2=OBJECTS\n";
  for (int i = 0; i < 300; ++i) objects += "0=DICTIONARY\n5=" + std::to_string(90000 + i) + "\n";
  objects += "0=ENDSEC\n";
  std::string badCode = entities(200, line);
  badCode.replace(badCode.find("\n 20\n", badCode.size() * 3 / 4), 5, "\n 2X\n");
  std::string twice = entities(200, line);
  twice.replace(twice.find("\nC80\n"), 5, "\n10\n");  // the last LINE takes the first one's handle
  const std::string whole = entities(200, line);
  struct Case {
    const char* what;
    std::string text;
  };
  const Case cases[] = {
      {"lines", entities(200, line)},
      {"values that look like records", entities(200, zeros)},
      {"inserts with attributes", entities(200, insert)},
      {"lines, CR LF", entities(200, line, "", "\r\n")},
      {"the middle in a later section", entities(3, line, objects)},
      {"a code that is not a number in the second half", badCode},
      {"a handle in both halves", twice},
      {"no ENDSEC", whole.substr(0, whole.rfind("  0\nENDSEC"))},
      {"an error in a later section",
       entities(200, line, "0=SECTION\n2=OBJECTS\n0=DICTIONARY\n5=FFFF0\n")},
  };
  for (const auto& c : cases) {
    const std::string alone = errorOf(c.text, std::numeric_limits<std::size_t>::max());
    EXPECT_EQ(errorOf(c.text, 0), alone) << c.what;
    if (alone != "no error") continue;
    const auto one = readWith(c.text, std::numeric_limits<std::size_t>::max());
    const auto two = readWith(c.text, 0);
    EXPECT_EQ(dxfText(two), dxfText(one)) << c.what;
    ASSERT_EQ(two.entities.size(), one.entities.size()) << c.what;
    for (std::size_t i = 0; i < one.entities.size(); ++i) {
      EXPECT_EQ(two.entities[i]->handle, one.entities[i]->handle) << c.what << ", entity " << i;
      EXPECT_EQ(two.entities[i]->children.size(), one.entities[i]->children.size()) << c.what;
    }
  }
}

// The same for every drawing of the corpus, whose ENTITIES sections hold
// what real programs write.
TEST(DxfReader, EveryCorpusDrawingReadsInTwoHalvesAsOneReaderDoes) {
  const std::filesystem::path corpus = VRN_DXF_CORPUS_DIR;
  if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no DXF corpus at " << corpus;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (entry.path().extension() != ".dxf") continue;
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t never = std::numeric_limits<std::size_t>::max();
    const std::string alone = errorOf(text, never);
    EXPECT_EQ(errorOf(text, 0), alone);
    if (alone == "no error") {
      EXPECT_EQ(dxfText(readWith(text, 0)), dxfText(readWith(text, never)));
    }
  }
}

TEST(DxfReader, DimStyleHandleIsGroup105) {
  const auto data =
      read(dxf("0=SECTION\n2=TABLES\n0=TABLE\n2=DIMSTYLE\n5=A\n0=DIMSTYLE\n105=1A\n2=STANDARD\n5=\n"
               "0=DIMSTYLE\n105=1B\n2=ARCH\n5=\n0=ENDTAB\n0=ENDSEC\n0=EOF"));
  EXPECT_EQ(data.tables.at(0).entries.size(), 2u);
  EXPECT_THAT(
      errorOf(
          dxf("0=SECTION\n2=TABLES\n0=TABLE\n2=DIMSTYLE\n0=DIMSTYLE\n105=1A\n0=DIMSTYLE\n105=1A\n"
              "0=ENDTAB\n0=ENDSEC\n0=EOF")),
      HasSubstr("handle 1A is used twice"));
}

// The highest handle of the small drawing is its POLYLINE's SEQEND, 37: a
// seed at or below it would hand out a handle in use.
TEST(DxfReader, KeepsTheHandSeedAboveEveryHandle) {
  const struct {
    const char* seed;
    const char* read;
  } cases[] = {{"36", "38"}, {"37", "38"}, {"38", "38"}, {"40", "40"}, {"ZZ", "38"}};
  for (const auto& c : cases) {
    auto text = smallDrawing();
    const std::string seed = "$HANDSEED\n  5\n40";
    text.replace(text.find(seed), seed.size(), std::string("$HANDSEED\n  5\n") + c.seed);
    const auto data = read(text);
    EXPECT_EQ(data.header.value(5), c.read) << c.seed;
    EXPECT_EQ(data.header.changed(), std::string(c.seed) != c.read) << c.seed;
  }
}

// What the file holds from its EOF group on, and a byte-order mark before
// its first group, are no part of the drawing: they stay as read, even when
// the drawing changes.
TEST(DxfReader, KeepsTheBytesAroundTheGroups) {
  const std::string body = dxf("0=SECTION\n2=ENTITIES\n0=TEXT\n5=2A\n1=a\n0=ENDSEC");
  const std::string ends[] = {
      "0\nEOF",
      " 0\nEOF\n",
      "  0\nEOF",
      "  0\r\nEOF\r\n",
      "  0\nEOF\n\n\n  \n",
      "  0\nEOF\n\x1a junk\n  0\nEOF\n",
      " 0 \n EOF \nbeyond",
  };
  for (const std::string& end : ends) {
    for (const std::string start : {"", "\xEF\xBB\xBF"}) {
      SCOPED_TRACE(::testing::PrintToString(start + end));
      const std::string text = start + body + end;
      EXPECT_EQ(dxfText(read(text)), text);
      auto changed = read(text);
      changed.entities.at(0)->record.set(1, "b");
      EXPECT_EQ(dxfText(changed),
                start + dxf("0=SECTION\n2=ENTITIES\n0=TEXT\n5=2A\n1=b\n0=ENDSEC") + end);
    }
  }
}

TEST(DxfReader, CrLfDrawings) {
  const std::string text = dxf("0=SECTION\n2=ENTITIES\n0=TEXT\n1=a \n0=ENDSEC\n0=EOF", "\r\n");
  const auto data = read(text);
  EXPECT_EQ(data.lineEnd, "\r\n");
  EXPECT_EQ(data.entities.at(0)->record.value(1), "a ");  // trailing space kept, CR not
  EXPECT_EQ(dxfText(data), text);
}

// A record splits its groups out of its text only when they are read; the
// split must see the same groups the reader checked, whatever the layout
// of the lines.
TEST(DxfReader, RecordsSplitTheirTextAsTheReaderDid) {
  const std::string text = std::string("  0\nSECTION\n  2\nENTITIES\n") +
                           " 0 \r\nTEXT\r\n\t5\t\n2A\n 10\r\n1.5\r\n100\nAcDbText\n  7 \nS\n40\n2\n"
                           "   1\n a b \n1000\n\r\n-3\nx\r\n  0\nENDSEC\n  0\nEOF\n";
  const std::vector<drawing::Group> groups{{0, "TEXT"},       {5, "2A"},  {10, "1.5"},
                                           {100, "AcDbText"}, {7, "S"},   {40, "2"},
                                           {1, " a b "},      {1000, ""}, {-3, "x"}};
  const auto data = read(text);
  const auto& record = data.entities.at(0)->record;
  // Read without splitting, then split.
  EXPECT_EQ(record.type(), "TEXT");
  EXPECT_EQ(record.value(1), " a b ");
  EXPECT_EQ(record.find(1000), 7u);
  EXPECT_EQ(record.value(7), "S");
  EXPECT_EQ(record.value(40), "2");
  EXPECT_EQ(record.find(5, 2), drawing::Record::npos);
  EXPECT_EQ(record.value(-3), "x");
  EXPECT_EQ(record.value(72, "fallback"), "fallback");
  EXPECT_EQ(record.groups(), groups);
  EXPECT_FALSE(record.changed());
  EXPECT_EQ(dxfText(data), text);

  // Changing a record that was never read splits it first.
  auto changed = read(text);
  auto& edited = changed.entities.at(0)->record;
  edited.set(1, " a b ");  // the same value: still unchanged
  EXPECT_FALSE(edited.changed());
  edited.set(1, "c");
  EXPECT_TRUE(edited.changed());
  auto expected = groups;
  expected[6].value = "c";
  EXPECT_EQ(edited.groups(), expected);
}

}  // namespace
}  // namespace vrn::dxf
