#include "automation/host_view.h"

#include <gtest/gtest.h>

#include "automation_fixture.h"
#include "encoding/tfrm_fonts.h"
#include "fake_host.h"
#include "host/point.h"
#include "platform/keyboard_layouts.h"

namespace vrn::automation::testing {
namespace {

class HostViewTest : public AutomationTest {
 protected:
  HostView& view() { return module->view(); }
  void setApp(const std::shared_ptr<FakeObject>& app) { view().AcadApp = host::ObjectPtr(app); }
};

TEST_F(HostViewTest, RefreshRenewsTheViewOfTheActiveDocument) {
  FakeAcad acad;
  setApp(acad.app);
  view().RefreshAcad();
  EXPECT_EQ(view().AcadDoc.ptr(), acad.doc);
  EXPECT_EQ(view().AcadDocCopy.ptr(), acad.doc);
  EXPECT_EQ(view().AcadSpace.ptr(), acad.modelSpace);
  EXPECT_EQ(view().AcadStyles.ptr(), acad.styles);
  EXPECT_EQ(view().CurLayerName, u"WALLS");
  EXPECT_EQ(acad.app->log.front(), "version");
}

TEST_F(HostViewTest, PaperSpaceReceivesNewEntitiesWhenItIsActive) {
  for (int space : {0, 2}) {
    FakeAcad acad;
    acad.doc->set("ActiveSpace", space);
    setApp(acad.app);
    view().RefreshAcad();
    EXPECT_EQ(view().AcadSpace.ptr(), acad.paperSpace) << space;
  }
}

TEST_F(HostViewTest, AnUnreadableActiveLayerCountsAsLayerZero) {
  FakeAcad acad;
  acad.doc->fail("ActiveLayer", [] { throw host::HostError(host::hr::kFail, "no layer"); });
  setApp(acad.app);
  view().RefreshAcad();
  EXPECT_EQ(view().CurLayerName, u"0");
  EXPECT_EQ(view().AcadSpace.ptr(), acad.modelSpace);
}

TEST_F(HostViewTest, WithoutAnActiveDocumentTheLastOneStays) {
  FakeAcad acad;
  setApp(acad.app);
  view().RefreshAcad();
  acad.app->fail("ActiveDocument", [] { throw host::HostError(host::hr::kFail, "none"); });
  view().RefreshAcad();
  EXPECT_EQ(view().AcadDoc.ptr(), acad.doc);
}

TEST_F(HostViewTest, UnprotectedStepsFailTheRefreshWithTheStateRenewedSoFar) {
  EXPECT_THROW(view().RefreshAcad(), std::runtime_error);  // no application object

  FakeAcad acad;
  acad.doc->fail("TextStyles", [] { throw host::HostError(host::hr::kFail, "gone"); });
  setApp(acad.app);
  view().CurLayerName = u"old";
  EXPECT_THROW(view().RefreshAcad(), host::HostError);
  EXPECT_EQ(view().AcadSpace.ptr(), acad.modelSpace);
  EXPECT_EQ(view().CurLayerName, u"old");

  FakeAcad gone;
  gone.app->fail("version",
                 [] { throw host::HostError(host::hr::kFail, "RPC server unavailable"); });
  setApp(gone.app);
  EXPECT_THROW(view().RefreshAcad(), host::HostError);
  EXPECT_EQ(view().AcadDoc.ptr(), acad.doc);
}

TEST_F(HostViewTest, KeyboardLayoutsComeFromTheSystem) {
  FakeAcad acad;
  setApp(acad.app);
  view().RefreshAcad();
  ASSERT_EQ(view().LanguageCount, 2);
  ASSERT_EQ(view().Languages.size(), 2u);
  EXPECT_EQ(view().Languages[0].LanguageID, 0x0409);
  EXPECT_EQ(view().Languages[1].LanguageID, 0x040D);
  EXPECT_FALSE(view().Languages[1].CountryName.empty());
  EXPECT_EQ(view().Languages[1].ISOCode.size(), 3u);
  EXPECT_FALSE(view().KeyboardIsHebrew);

  platform::activateKeyboardLayout(platform::kHebrewLayout);
  view().LoadKeyboardLayouts();
  EXPECT_TRUE(view().KeyboardIsHebrew);
}

TEST_F(HostViewTest, StyleAndLayerNamesKeepTheHostsOrder) {
  FakeAcad acad;
  std::vector<std::shared_ptr<FakeObject>> keep;
  auto named = [&](const char* name) {
    keep.push_back(fake());
    keep.back()->set("name", name);
    return host::Variant(host::ObjectPtr(keep.back()));
  };
  auto styles = std::make_shared<FakeCollection>();
  styles->items = {named("Standard"), named("HEB-DOS"), named("ARIAL")};
  auto layers = std::make_shared<FakeCollection>();
  layers->items = {named("0"), named("WALLS")};
  acad.doc->set("TextStyles", host::ObjectPtr(styles)).set("Layers", host::ObjectPtr(layers));
  setApp(acad.app);
  view().RefreshAcad();
  EXPECT_EQ(view().StyleNames(), (std::vector<std::u16string>{u"Standard", u"HEB-DOS", u"ARIAL"}));
  EXPECT_EQ(view().LayerNames(), (std::vector<std::u16string>{u"0", u"WALLS"}));
}

TEST(MakePoint, ThreeDoublesWithBoundsZeroToTwo) {
  const host::Variant p = MakePoint(1.5, 2);
  EXPECT_EQ(p.array().lower, 0);
  EXPECT_EQ(p.array().upper(), 2);
  EXPECT_EQ(host::toPoint(p), (host::Point3{1.5, 2, 0}));
  EXPECT_EQ(host::toPoint(MakePoint(1, 2, 3)), (host::Point3{1, 2, 3}));
}

}  // namespace
}  // namespace vrn::automation::testing
