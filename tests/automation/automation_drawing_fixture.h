#pragma once
// A started Module with a built-in drawing handed over by SetApp: text
// styles "Forward", "Backward" (TextGenerationFlag 2) and "UpsideBack" (6),
// each with the DOS Hebrew shape font hebrew.shx.

#include "automation/host_view.h"
#include "automation_fixture.h"
#include "drawing/application.h"
#include "encoding/string_conversion.h"
#include "platform/code_page.h"

namespace vrn::automation::testing {

using host::Ref;

// "Forward" and "Backward" styles with a DOS Hebrew shape font, and texts in
// them; the drawing is handed over with SetApp.
class AutomationDrawingTest : public AutomationTest {
 protected:
  void SetUp() override {
    AutomationTest::SetUp();
    app = drawing::makeApplication(nullptr);
    doc = Ref(app).obj("Documents").call("Add").toObject();
    addStyle(u"Forward", 0);
    addStyle(u"Backward", 2);
    addStyle(u"UpsideBack", 6);
    ASSERT_EQ(call("SetApp", host::ObjectPtr(app)).hr, host::hr::kOk);
  }

  void addStyle(const std::u16string& name, int flag) {
    Ref style = doc.obj("TextStyles").call("Add", name).toObject();
    style.put("FontFile", u"hebrew.shx");
    style.put("TextGenerationFlag", flag);
  }

  std::u16string addText(const std::u16string& text, const std::u16string& style) {
    Ref entity = doc.obj("ModelSpace").call("AddText", text, MakePoint(0, 0), 2.5).toObject();
    entity.put("StyleName", style);
    return entity.get("Handle").toString();
  }
  std::u16string textOf(const std::u16string& handle) {
    return Ref(doc.call("HandleToObject", handle).toObject()).get("TextString").toString();
  }
  static std::u16string acadToStr(const std::u16string& text, bool backward) {
    return platform::fromByteForm(
        encoding::AcadToStr(platform::toByteForm(text), fntType::DosHebrew, backward));
  }

  std::shared_ptr<drawing::Application> app;
  Ref doc;
};

}  // namespace vrn::automation::testing
