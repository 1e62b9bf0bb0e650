// The font converter's walks on the sample sheet: layers frozen or locked
// before stay so, one text failing halfway is put back and counted, and one
// "U" takes the whole walk back.
#include "drawing_ops/font_converter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "drawing/application.h"
#include "drawing_ops/revit_copy.h"
#include "dxf/dxf_files.h"
#include "host/host_error.h"
#include "host/object.h"
#include "host/point.h"
#include "host/utf8.h"
#include "support/temp_dir.h"

namespace vrn::drawing_ops {
namespace {

using host::EntityType;
using host::Ref;

// The sample's font map, as far as these tests need it.
fntType sampleFontType(std::u16string_view font) {
  if (font == u"hebrew1.shx") return fntType::DosHebrew;
  if (font == u"hebeng.shx") return fntType::DosEnglish;
  if (font == u"hebengr.shx") return fntType::DosEnglishR;
  if (font == u"vornel1.shx") return fntType::WindowsHeb;
  return fntType::TrueType;
}

// A text whose host rejects one property being written.
class RejectingText : public host::Object {
 public:
  RejectingText(Ref inner, std::string rejected)
      : inner_(std::move(inner)), rejected_(std::move(rejected)) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override {
    if (kind == host::Invoke::Put && name == rejected_) {
      throw host::HostError(host::hr::kFail, "rejected " + rejected_);
    }
    return inner_.invoke(name, kind, args);
  }

 private:
  Ref inner_;
  std::string rejected_;
};

class FontConverterOnSample : public testing::Test {
 protected:
  FontConverterOnSample()
      : app_(drawing::makeApplication(std::make_shared<dxf::DxfFiles>())),
        document_(Ref(app_)
                      .obj("Documents")
                      .call("Open", VRN_SOURCE_DIR "/examples/sample.dxf")
                      .toObject()) {}

  Ref layer(const char16_t* name) const {
    return document_.obj("Layers").call("Item", std::u16string(name)).toObject();
  }

  std::string saved(const char* name) const {
    const auto path = dir_ / name;
    document_.call("SaveAs", utf8ToUtf16(path.string()));
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  Ref text(const char16_t* handle) const {
    return document_.call("HandleToObject", std::u16string(handle)).toObject();
  }

  test::TempDir dir_;
  std::shared_ptr<drawing::Application> app_;
  Ref document_;
};

TEST_F(FontConverterOnSample, RestoresLayersAndPutsBackAFailingTextAndOneUndoTakesAllBack) {
  layer(u"A-TEXT").put("Lock", true);
  layer(u"A-TITLE").put("Freeze", true);
  layer(u"A-DIMS").put("Lock", true);
  layer(u"A-DIMS").put("Freeze", true);
  const std::string before = saved("before.dxf");
  const Ref failing = text(u"A5");
  const std::u16string failingText = failing.get("TextString").toString();

  const TextHandler convert = fontConversionHandler(
      document_, sampleFontType, {{u"hebrew1.shx", u"hebeng.shx"}, u"HEB-WIN", false, false});
  const WalkTally tally = walkTexts(document_, [&](const Ref& e, EntityType type) {
    if (e.get("Handle").toString() != u"A5") return convert(e, type);
    return convert(Ref(std::make_shared<RejectingText>(e, "InsertionPoint")), type);
  });

  EXPECT_EQ(tally.failed, 1u);
  EXPECT_GT(tally.converted, 0u);
  EXPECT_EQ(failing.get("TextString").toString(), failingText);
  EXPECT_EQ(failing.get("StyleName").toString(), u"HEB-DOS");
  EXPECT_TRUE(layer(u"A-TEXT").get("Lock").toBool());
  EXPECT_TRUE(layer(u"A-TITLE").get("Freeze").toBool());
  EXPECT_TRUE(layer(u"A-DIMS").get("Lock").toBool());
  EXPECT_TRUE(layer(u"A-DIMS").get("Freeze").toBool());
  EXPECT_EQ(text(u"9F").get("StyleName").toString(), u"HEB-WIN");

  document_.call("SendCommand", u"U ");
  EXPECT_EQ(saved("after.dxf"), before);
}

TEST_F(FontConverterOnSample, AnErrorEndingTheWalkStillRestoresLayersAndEndsTheUndoGroup) {
  layer(u"A-TEXT").put("Lock", true);
  const std::string before = saved("before.dxf");
  EXPECT_THROW(walkTexts(document_,
                         [&](const Ref& e, EntityType) -> TextOutcome {
                           e.put("TextString", u"x");
                           throw std::runtime_error("ends the walk");
                         }),
               std::runtime_error);
  EXPECT_TRUE(layer(u"A-TEXT").get("Lock").toBool());
  document_.call("SendCommand", u"U ");
  EXPECT_EQ(saved("after.dxf"), before);
}

TEST_F(FontConverterOnSample, ConvertedTextsReadAsBefore) {
  const WalkTally tally =
      convertFonts(document_, sampleFontType,
                   {{u"hebrew1.shx", u"hebeng.shx", u"hebengr.shx"}, u"HEB-WIN", false, false});
  EXPECT_EQ(tally.failed, 0u);
  EXPECT_EQ(text(u"9F").get("TextString").toString(),
            u"\u05DF\u05D5\u05DC\u05E1");  // salon, visual
  EXPECT_EQ(text(u"A1").get("TextString").toString(),
            u"\u05D4\u05E0\u05D9\u05E9 \u05E8\u05D3\u05D7");  // from reading order to visual
}

// Living room, storeroom: two paragraphs stored in a DOS style, in visual
// order, under a leading font group.
TEST_F(FontConverterOnSample, RevitCopyConvertsEachParagraphAloneKeepingTheBreak) {
  const std::u16string stored = u"{\\fArial;\u008F\u0085\u008C\u0091\\P\u008F\u0091\u0087\u008E}";
  const std::u16string salon = u"\u05E1\u05DC\u05D5\u05DF";
  const std::u16string storeroom = u"\u05DE\u05D7\u05E1\u05DF";
  for (const bool reverseTTF : {false, true}) {
    const Ref mtext(document_.obj("ModelSpace")
                        .call("AddMText", host::toVariant({0, 0, 0}), 10.0, stored)
                        .toObject());
    mtext.put("StyleName", u"HEB-DOS");
    const WalkTally tally = convertForRevit(document_, sampleFontType, reverseTTF);
    EXPECT_EQ(tally.failed, 0u);
    const auto inOrder = [&](std::u16string s) {
      return reverseTTF ? std::u16string(s.rbegin(), s.rend()) : s;
    };
    EXPECT_EQ(mtext.get("TextString").toString(), inOrder(salon) + u"\\P" + inOrder(storeroom));
    EXPECT_EQ(mtext.get("StyleName").toString(), kRevitStyle);
    mtext.call("Delete");
  }
}

TEST_F(FontConverterOnSample, RevitStyleIsArialEvenWhenItExistedWithAShapeFont) {
  const Ref style(document_.obj("TextStyles").call("Add", u"ARIALREVIT").toObject());
  style.put("FontFile", u"hebrew1.shx");
  style.put("Width", 0.8);
  prepareRevitStyle(document_);
  EXPECT_EQ(style.get("FontFile").toString(), u"Arial.ttf");
  EXPECT_EQ(style.get("Width").toDouble(), 1.0);
}

TEST(RevitCopyName, KeepsTheFolderAndTheExtension) {
  EXPECT_EQ(revitCopyName("dir/plan.dxf"), "dir/plan_Revit.dxf");
  EXPECT_EQ(revitCopyName("plan.DWG"), "plan_Revit.DWG");
}

// A4 is stored in HEB-DOS-BACK (hebrew1.shx, backward). Moving it to the
// forward HEB-DOS, the same font type, must reverse its letters, and its
// text-generation flag keeps the upside-down bit while taking the target's
// backward bit.
TEST_F(FontConverterOnSample, BackwardFlagDecidesWithTheTypeAndComesFromTheTarget) {
  struct Case {
    std::int32_t flagBefore;
    std::int32_t flagAfter;
  };
  for (const Case c : {Case{0, 0}, Case{2, 0}, Case{4, 4}, Case{6, 4}}) {
    document_ =
        Ref(app_).obj("Documents").call("Open", VRN_SOURCE_DIR "/examples/sample.dxf").toObject();
    const Ref a4 = text(u"A4");
    a4.put("TextGenerationFlag", c.flagBefore);
    const std::u16string stored = a4.get("TextString").toString();
    const WalkTally tally =
        convertFonts(document_, sampleFontType, {{u"hebrew1.shx"}, u"HEB-DOS", false, false});
    EXPECT_EQ(tally.failed, 0u);
    EXPECT_EQ(a4.get("StyleName").toString(), u"HEB-DOS");
    EXPECT_EQ(a4.get("TextString").toString(), std::u16string(stored.rbegin(), stored.rend()))
        << c.flagBefore;
    EXPECT_EQ(a4.get("TextGenerationFlag").toInt(), c.flagAfter) << c.flagBefore;
  }
}

TEST(PlainParagraphs, SplitsWithoutLossAndRefusesOtherInlineCodes) {
  struct Case {
    std::u16string stored;
    std::optional<std::vector<std::u16string>> paragraphs;
  };
  const Case cases[] = {
      {u"abc", std::vector<std::u16string>{u"abc"}},
      {u"a\\Pb", std::vector<std::u16string>{u"a", u"b"}},
      {u"{\\fArial|b0;a\\Pb}", std::vector<std::u16string>{u"a", u"b"}},
      {u"a\\P\\Pb", std::vector<std::u16string>{u"a", u"", u"b"}},
      {u"{\\fArial;a}}", std::nullopt},
      {u"a\\Lb", std::nullopt},
      {u"a{b}", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(plainParagraphs(c.stored), c.paragraphs) << utf16ToUtf8(c.stored);
    if (c.paragraphs && !c.stored.starts_with(u"{")) {
      EXPECT_EQ(joinParagraphs(*c.paragraphs), c.stored);
    }
  }
}

}  // namespace
}  // namespace vrn::drawing_ops
