// ActiveStyleFontType and NamedStyleFontType on the built-in drawing.

#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "encoding/tfrm_fonts.h"
#include "host/utf8.h"

namespace vrn::automation::testing {
namespace {

class StyleFontTypeTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
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
  for (const Case c : {Case{u"Backward", true}, Case{u"UpsideBack", false}, Case{u"Forward", false}}) {
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

}  // namespace
}  // namespace vrn::automation::testing
