// acadtostr and strtoacad by entity handle, on the built-in drawing.

#include <gtest/gtest.h>

#include <functional>

#include "automation_drawing_fixture.h"
#include "encoding/string_conversion.h"
#include "encoding/tfrm_fonts.h"
#include "host/utf8.h"
#include "platform/code_page.h"

namespace vrn::automation::testing {
namespace {

using ByHandleTest = AutomationDrawingTest;

// Bet alef, then "(1)": stored in visual order in DOS letters.
const std::u16string kStored = u"(1) \u0081\u0080";

TEST_F(ByHandleTest, KindTwelveReadsTheStylesBackwardFlag) {
  const auto forward = addText(kStored, u"Forward");
  const auto backward = addText(kStored, u"Backward");
  const auto upsideBack = addText(kStored, u"UpsideBack");
  ASSERT_NE(acadToStr(kStored, true), acadToStr(kStored, false));

  ASSERT_EQ(call("acadtostr", forward, 12).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), acadToStr(kStored, false));
  ASSERT_EQ(call("acadtostr", backward, 12).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), acadToStr(kStored, true));
  EXPECT_TRUE(module->frmFonts().cStBack);
  EXPECT_EQ(module->view().CurStyleName, u"Backward");
  // A flag of 6 (backward and upside down) is not "backward".
  ASSERT_EQ(call("acadtostr", upsideBack, 12).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), acadToStr(kStored, false));
}

TEST_F(ByHandleTest, StrToAcadWritesTheConvertedTextIntoTheEntity) {
  const std::u16string logical = u"\u05D0\u05D1 (1)";
  const auto handle = addText(logical, u"Backward");
  ASSERT_EQ(call("strtoacad", handle, 12).hr, host::hr::kOk);
  const std::u16string stored = textOf(handle);
  EXPECT_EQ(stored, vrnstr());
  EXPECT_NE(stored, logical);
  ASSERT_EQ(call("acadtostr", handle, 12).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), logical);
}

TEST_F(ByHandleTest, KindElevenConvertsBackWithTheSavedPair) {
  // The caller's road: read with 11, edit the logical text, store it, write with 11.
  const auto handle = addText(kStored, u"Backward");
  ASSERT_EQ(call("acadtostr", handle, 11).hr, host::hr::kOk);
  const std::u16string edited = vrnstr() + u" \u05D2";
  Ref(doc.call("HandleToObject", handle).toObject()).put("TextString", edited);

  // Something else classifies a forward style in between; the pair stays.
  const auto other = addText(kStored, u"Forward");
  ASSERT_EQ(call("acadtostr", other, 12).hr, host::hr::kOk);
  EXPECT_FALSE(module->frmFonts().cStBack);

  ASSERT_EQ(call("strtoacad", handle, 11).hr, host::hr::kOk);
  EXPECT_TRUE(module->frmFonts().cStBack);
  ASSERT_EQ(call("acadtostr", handle, 11).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), edited);
}

// Without a saved pair the text would be written with the default type,
// whatever its font: the member fails and changes nothing.
TEST_F(ByHandleTest, KindElevenWithoutASavedPairFailsAndChangesNothing) {
  const auto handle = addText(u"\u05D0\u05D1", u"Backward");
  ASSERT_EQ(call("acadtostr", u"keep", 0).hr, host::hr::kOk);
  const CallResult result = call("strtoacad", handle, 11);
  EXPECT_TRUE(result.failed());
  EXPECT_NE(utf16ToUtf8(result.error.description).find("acadtostr 11"), std::string::npos);
  EXPECT_EQ(vrnstr(), u"keep");
  EXPECT_EQ(textOf(handle), u"\u05D0\u05D1");
  ASSERT_EQ(call("acadtostr", handle, 11).hr, host::hr::kOk);
  EXPECT_EQ(call("strtoacad", handle, 11).hr, host::hr::kOk);
}

// The pair saved by acadtostr of kind 11 holds even when the entity's style
// is no longer what it was: the text went out under that pair.
TEST_F(ByHandleTest, KindElevenConvertsBackWithTheSavedPairAfterTheStyleChanged) {
  const auto setBackwardStylesFlag = [this](int flag) {
    Ref(doc.obj("TextStyles").call("item", u"Backward").toObject()).put("TextGenerationFlag", flag);
  };
  struct Case {
    const char* what;
    std::function<void(Ref& entity)> change;
  };
  const Case cases[] = {
      {"the entity takes another style", [](Ref& entity) { entity.put("StyleName", u"Forward"); }},
      {"its style draws forward now", [&](Ref&) { setBackwardStylesFlag(0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setBackwardStylesFlag(2);
    const auto handle = addText(kStored, u"Backward");
    ASSERT_EQ(call("acadtostr", handle, 11).hr, host::hr::kOk);
    const std::u16string logical = vrnstr();
    Ref entity = doc.call("HandleToObject", handle).toObject();
    entity.put("TextString", logical);
    c.change(entity);

    ASSERT_EQ(call("strtoacad", handle, 11).hr, host::hr::kOk);
    // Back as it was stored, letter codes and all.
    EXPECT_EQ(platform::toByteForm(textOf(handle)), platform::toByteForm(kStored));
    EXPECT_TRUE(module->frmFonts().cStBack);
  }
}

TEST_F(ByHandleTest, OtherEntitiesChangeNothing) {
  const auto mtext =
      Ref(doc.obj("ModelSpace").call("AddMText", MakePoint(0, 0), 10.0, u"\u0081\u0080").toObject())
          .get("Handle")
          .toString();
  const auto solid =
      Ref(doc.obj("ModelSpace")
              .call("AddSolid", MakePoint(0, 0), MakePoint(1, 0), MakePoint(0, 1), MakePoint(1, 1))
              .toObject())
          .get("Handle")
          .toString();
  ASSERT_EQ(call("acadtostr", u"keep", 0).hr, host::hr::kOk);
  for (const auto& handle : {mtext, solid}) {
    for (const char* member : {"acadtostr", "strtoacad"}) {
      SCOPED_TRACE(member);
      EXPECT_EQ(call(member, handle, 11).hr, host::hr::kOk);
      EXPECT_EQ(vrnstr(), u"keep");
    }
  }
  EXPECT_EQ(textOf(mtext), u"\u0081\u0080");
}

// TrueType fonts draw every character: one Windows-1255 lacks (a diameter
// sign, e-acute, Zhe, an emoji) must not turn into another or into "?".
TEST_F(ByHandleTest, TrueTypeTextsKeepCharactersTheCodePageLacks) {
  ASSERT_EQ(call("acadtostr", u"\u00D812 \u05E6\u05D9\u05E0\u05D5\u05E8", 4).hr, host::hr::kOk);
  EXPECT_EQ(vrnstr(), u" \u00D812\u05E6\u05D9\u05E0\u05D5\u05E8");

  Ref style = doc.obj("TextStyles").call("Add", u"Arial").toObject();
  style.put("FontFile", u"arial.ttf");
  const auto handle = addText(u"caf\u00E9 \u0416 \U0001F600 \u05D0\u05D1", u"Arial");
  ASSERT_EQ(call("strtoacad", handle, 12).hr, host::hr::kOk);
  for (const std::u16string kept : {u"\u00E9", u"\u0416", u"\U0001F600"}) {
    EXPECT_NE(textOf(handle).find(kept), std::u16string::npos);
  }
}

TEST_F(ByHandleTest, AHandleOfNoEntityFailsAndKeepsVrnstr) {
  ASSERT_EQ(call("acadtostr", u"keep", 0).hr, host::hr::kOk);
  const CallResult result = call("acadtostr", u"FFFFF", 12);
  EXPECT_TRUE(result.failed());
  EXPECT_NE(result.hr, host::hr::kUnexpected);  // the host's own HRESULT
  EXPECT_FALSE(result.error.description.empty());
  EXPECT_EQ(vrnstr(), u"keep");
}

TEST_F(ByHandleTest, TheNextRefreshingMemberWorksOnTheActiveDocument) {
  const Ref second = Ref(app).obj("Documents").call("Add").toObject();
  EXPECT_EQ(call("replace").hr, host::hr::kNotImpl);
  EXPECT_EQ(module->view().AcadDoc.ptr(), second.ptr());
  app->activate(app->documents().front());
  EXPECT_EQ(call("replace").hr, host::hr::kNotImpl);
  EXPECT_EQ(module->view().AcadDoc.ptr(), doc.ptr());
}

}  // namespace
}  // namespace vrn::automation::testing
