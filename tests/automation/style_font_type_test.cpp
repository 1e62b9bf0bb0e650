// ActiveStyleFontType and NamedStyleFontType on the built-in drawing.

#include <gtest/gtest.h>

#include "automation_drawing_fixture.h"
#include "encoding/tfrm_fonts.h"
#include "host/utf8.h"

namespace vrn::automation::testing {
namespace {

class StyleFontTypeTest : public AutomationDrawingTest {
 protected:
  void SetUp() override {
    AutomationDrawingTest::SetUp();
    module->frmFonts().changefnt(u"BIGHEB", fntType::DosEnglish);
    module->view().RefreshAcad();
  }
  HostView& view() { return module->view(); }
  encoding::TfrmFonts& fonts() { return module->frmFonts(); }
};

TEST_F(StyleFontTypeTest, TheActiveStyleSetsTypeAndBackwardFlag) {
  struct Case {
    const char16_t* style;
    bool backward;
  };
  for (const Case c :
       {Case{u"Backward", true}, Case{u"UpsideBack", false}, Case{u"Forward", false}}) {
    SCOPED_TRACE(utf16ToUtf8(c.style));
    doc.put("ActiveTextStyle", doc.obj("TextStyles").call("item", c.style));
    fonts().cStType = fntType::TrueType;
    view().ActiveStyleFontType();
    EXPECT_EQ(view().CurStyleName, c.style);
    EXPECT_EQ(fonts().cStBack, c.backward);
    EXPECT_EQ(fonts().cStType, fntType::DosHebrew);
  }
}

TEST_F(StyleFontTypeTest, AnEmptyFontFileFallsBackToTheBigFont) {
  Ref style = doc.obj("TextStyles").call("Add", u"Big").toObject();
  style.put("FontFile", u"");
  style.put("BigFontFile", u"bigheb.shx");
  view().CurStyleName = u"Big";
  view().NamedStyleFontType();
  EXPECT_EQ(fonts().cStType, fntType::DosEnglish);
  EXPECT_EQ(view().CurStyle.get("Name").toString(), u"Big");
}

TEST_F(StyleFontTypeTest, AStyleTheDrawingLacksRaisesTheHostsError) {
  view().CurStyleName = u"NoSuchStyle";
  EXPECT_THROW(view().NamedStyleFontType(), host::HostError);
  EXPECT_EQ(view().CurStyleName, u"NoSuchStyle");
}

TEST_F(StyleFontTypeTest, AStoredTextIsClassifiedByItsStyleAndItsLetters) {
  module->frmFonts().changefnt(u"WINHEB", fntType::WindowsHeb);
  Ref style = doc.obj("TextStyles").call("Add", u"Win").toObject();
  style.put("FontFile", u"winheb.shx");
  style.put("TextGenerationFlag", 2);
  struct Case {
    const char16_t* stored;
    fntType type;
  };
  // A font mapped "Windows" whose text holds DOS letters stores DOS Hebrew.
  for (const Case c :
       {Case{u"\u05E9", fntType::WindowsHeb}, Case{u"\u0081\u0080", fntType::DosHebrew}}) {
    const StyleFontType found = view().classifyTextByStyle(u"Win", c.stored);
    EXPECT_EQ(found.font, u"winheb.shx");
    EXPECT_TRUE(found.backward);
    EXPECT_EQ(found.type, c.type);
    EXPECT_EQ(fonts().cStType, c.type);
    EXPECT_TRUE(fonts().cStBack);
    EXPECT_EQ(view().CurStyleName, u"Win");
    EXPECT_EQ(view().CurStyle.get("Name").toString(), u"Win");
  }
}

TEST_F(StyleFontTypeTest, AStyleTheDrawingLacksMayClassifyByTheTextAlone) {
  EXPECT_THROW(view().classifyTextByStyle(u"NoSuchStyle", u"abc"), host::HostError);
  fonts().cStBack = true;
  const StyleFontType found =
      view().classifyTextByStyle(u"NoSuchStyle", u"abc", MissingStyle::ClassifyByTextAlone);
  EXPECT_EQ(found.font, u"");
  EXPECT_FALSE(found.backward);
  EXPECT_EQ(found.type, fntType::TrueType);  // an empty font name
  EXPECT_FALSE(fonts().cStBack);
  EXPECT_FALSE(view().CurStyle);
  EXPECT_EQ(view().CurStyleName, u"NoSuchStyle");
}

}  // namespace
}  // namespace vrn::automation::testing
