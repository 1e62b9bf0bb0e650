// The font converter's window (Cmd "hfont_convert") on the sample drawing:
// each case a script of the user, the resulting drawing checked; then the
// faults of a walk: a click and a close arriving while it runs, a walk that
// fails, a text that fails halfway.

#include "drawing_ops/tfrm_font_convert.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "../support/scenario.h"
#include "encoding/tfrm_fonts.h"
#include "host/host_error.h"
#include "host/object.h"
#include "ui/owned_form.h"

namespace vrn::drawing_ops {
namespace {

using test::Scenario;

// The sample's texts in the font hebrew1.shx (styles HEB-DOS and HEB-DOS-BACK).
const std::vector<std::u16string> kDosTexts = {u"9F", u"A4", u"A5", u"A7", u"D5"};
constexpr char16_t kKeysText[] = u"A0";  // "jcyn" in HEB-KEYS (hebeng.shx): מטבח

std::u16string styleOf(const Scenario& s, const std::u16string& handle) {
  return s.entity(handle).get("StyleName").toString();
}
std::u16string stored(const Scenario& s, const std::u16string& handle) {
  return s.entity(handle).get("TextString").toString();
}
bool showed(const Scenario& s, const std::string& line) {
  return s.toolkit.transcript().text().find(line) != std::string::npos;
}
bool drawingUnchanged(const Scenario& s) { return s.doc.get("Saved").toBool(); }

struct Case {
  const char* name;
  const char* script;
  std::function<void(Scenario&)> check;
  std::function<void(Scenario&)> setup = nullptr;
};

host::Ref textLayer(const Scenario& s) {
  return s.doc.obj("Layers").call("Item", u"A-TEXT").toObject();
}

const Case kCases[] = {
    {"Convert moves the ticked font's texts to the chosen style; they read as before",
     "check lstFonts hebrew1.shx\n"
     "choose cbStyles HEB-WIN\n"
     "click btnConvert\n"
     "answer OK\n"
     "expect lstFonts Checked[3] false\n"
     "expect cbStyles ItemIndex -1\n"
     "click btnClose\n",
     [](Scenario& s) {
       EXPECT_TRUE(showed(s, "message \"Conversion finished\" [vrn] OK -> OK"));
       const std::vector<std::u16string> reading = {u"סלון", u"מחסן", u"מסדרון", u"שטח 24.5",
                                                    u"תוכנית קומה"};
       for (std::size_t i = 0; i < kDosTexts.size(); ++i) {
         SCOPED_TRACE(utf16ToUtf8(kDosTexts[i]));
         EXPECT_EQ(styleOf(s, kDosTexts[i]), u"HEB-WIN");
         EXPECT_EQ(s.readingText(kDosTexts[i]), reading[i]);
       }
       EXPECT_EQ(styleOf(s, kKeysText), u"HEB-KEYS");
     }},
    {"texts on a frozen, locked layer are converted; the layer stays frozen and locked",
     "check lstFonts hebrew1.shx\nchoose cbStyles HEB-WIN\nclick btnConvert\nanswer OK\n"
     "click btnClose\n",
     [](Scenario& s) {
       EXPECT_EQ(styleOf(s, u"9F"), u"HEB-WIN");
       EXPECT_TRUE(textLayer(s).get("Freeze").toBool());
       EXPECT_TRUE(textLayer(s).get("Lock").toBool());
     },
     [](Scenario& s) {
       textLayer(s).put("Freeze", true);
       textLayer(s).put("Lock", true);
     }},
    {"Convert to a TrueType style stores the texts in display order; they read as before",
     "check lstFonts hebrew1.shx\nchoose cbStyles HEB-TTF\nclick btnConvert\nanswer OK\n"
     "click btnClose\n",
     [](Scenario& s) {
       EXPECT_EQ(styleOf(s, u"A7"), u"HEB-TTF");
       EXPECT_EQ(s.readingText(u"A7"), u"שטח 24.5");
       EXPECT_EQ(s.readingText(u"A4"), u"מחסן");
     }},
    {"with Change Right to Left order they are stored in reading order, for a renderer that "
     "orders them itself",
     "check lstFonts hebrew1.shx\nchoose cbStyles HEB-TTF\ncheck cbRightToLeft\n"
     "click btnConvert\nanswer OK\nclick btnClose\n",
     [](Scenario& s) { EXPECT_EQ(stored(s, u"A7"), u"שטח 24.5"); }},
    {"Convert with no font ticked says so and changes nothing",
     "choose cbStyles HEB-WIN\nclick btnConvert\nanswer OK\nclick btnClose\n",
     [](Scenario& s) {
       EXPECT_TRUE(showed(s, "message \"Fonts to convert not checked.\""));
       EXPECT_TRUE(drawingUnchanged(s));
     }},
    {"Convert with no style chosen says so and keeps the ticks",
     "check lstFonts hebrew1.shx\nclick btnConvert\nanswer OK\n"
     "expect lstFonts Checked[3] true\nclick btnClose\n",
     [](Scenario& s) {
       EXPECT_TRUE(showed(s, "message \"Style to convert not defined.\""));
       EXPECT_TRUE(drawingUnchanged(s));
     }},
    {"Remap with no font ticked says so",
     "choose PageControl1 \"Convert Font's Mapping\"\nclick btnRemap\nanswer OK\nclick btnClose2\n",
     [](Scenario& s) {
       EXPECT_TRUE(showed(s, "message \"Fonts to remap not checked.\""));
       EXPECT_TRUE(drawingUnchanged(s));
     }},
    {"Remap to None without Reverse has nothing to do",
     "check lstFonts hebeng.shx\nchoose PageControl1 \"Convert Font's Mapping\"\n"
     "expect rgMapping ItemIndex 3\nclick btnRemap\nanswer OK\nclick btnClose2\n",
     [](Scenario& s) {
       EXPECT_TRUE(showed(s, "message \"No Action selected\""));
       EXPECT_TRUE(drawingUnchanged(s));
     }},
    {"Remap to Windows changes the letter codes and keeps the style and order",
     "check lstFonts hebeng.shx\nchoose PageControl1 \"Convert Font's Mapping\"\n"
     "choose rgMapping Windows\nclick btnRemap\nanswer OK\nclick btnClose2\n",
     [](Scenario& s) {
       EXPECT_TRUE(showed(s, "message \"Remapping finished\" [vrn] OK -> OK"));
       EXPECT_EQ(stored(s, kKeysText), u"חבטמ");
       EXPECT_EQ(styleOf(s, kKeysText), u"HEB-KEYS");
       EXPECT_EQ(stored(s, u"9F"), u"\u008F\u2026\u008C\u2018");  // another font: untouched
     }},
    {"Remap to None with Reverse only reverses",
     "check lstFonts hebeng.shx\nchoose PageControl1 \"Convert Font's Mapping\"\n"
     "check cbReverse\nclick btnRemap\nanswer OK\nclick btnClose2\n",
     [](Scenario& s) { EXPECT_EQ(stored(s, kKeysText), u"nycj"); }},
    {"Selct All and Unselect All tick and clear every font",
     "click btnSelectAll\nexpect lstFonts Checked[0] true\nexpect lstFonts Checked[5] true\n"
     "click btnUnselectAll\nexpect lstFonts Checked[0] false\nclick btnClose\n",
     [](Scenario& s) { EXPECT_TRUE(drawingUnchanged(s)); }},
    {"Close leaves the drawing alone", "check lstFonts hebrew1.shx\nclick btnClose\n",
     [](Scenario& s) {
       EXPECT_TRUE(showed(s, "form TfrmFontConvert closed Cancel"));
       EXPECT_TRUE(drawingUnchanged(s));
     }},
};

TEST(FontConverterForm, RunOnTheSampleDrawing) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Scenario s(test::sampleDrawing());
    if (c.setup) c.setup(s);
    const automation::CallResult result = s.run("Cmd", {u"hfont_convert", u"", u""}, c.script);
    EXPECT_EQ(result.hr, host::hr::kOk) << utf16ToUtf8(result.error.description);
    EXPECT_TRUE(s.report().ok()) << s.failures();
    c.check(s);
  }
}

// A drawing object whose member `failing` fails, the result of `wrapped`
// passes through `wrap`, everything else is passed on.
class Failing : public host::Object {
 public:
  Failing(host::Ref inner, std::string failing, std::string wrapped = {},
          std::function<host::Ref(host::Ref)> wrap = {})
      : inner_(std::move(inner)),
        failing_(std::move(failing)),
        wrapped_(std::move(wrapped)),
        wrap_(std::move(wrap)) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override {
    if (name == failing_) throw host::HostError(host::hr::kFail, "refused: " + failing_);
    host::Variant result = inner_.invoke(name, kind, args);
    if (name == wrapped_) return host::Variant(wrap_(result.toObject()).ptr());
    return result;
  }

 private:
  host::Ref inner_;
  std::string failing_;
  std::string wrapped_;
  std::function<host::Ref(host::Ref)> wrap_;
};

class FontConverterFormFaults : public testing::Test {
 protected:
  // Shows the window on `document` to the script; during the walk, `during`
  // acts on the form.
  void show(const host::Ref& document, std::string_view script,
            const std::function<void(TfrmFontConvert&)>& during = {}) {
    encoding::TfrmFonts& fonts = s.module().frmFonts();
    ui::OwnedForm<TfrmFontConvert> form(
        s.toolkit, document, [&](std::u16string_view font) { return fonts.GetFntType(font); },
        false);
    if (during) s.toolkit.onProcessMessages = [&] { during(*form); };
    s.toolkit.play(ui::script::parse(script), nullptr);
    form->showModal();
    s.toolkit.onProcessMessages = nullptr;
    report = s.toolkit.finish();
  }

  Scenario s{test::sampleDrawing()};
  ui::RunReport report;
};

constexpr char kConvertDos[] =
    "check lstFonts hebrew1.shx\nchoose cbStyles HEB-WIN\nclick btnConvert\n";

TEST_F(FontConverterFormFaults, AClickAndACloseDuringTheWalkAreIgnored) {
  int walksStarted = 0;  // texts met, in every walk
  show(s.doc,
       std::string(kConvertDos) + "answer OK\nexpect TfrmFontConvert Showing true\n" +
           "click btnClose\n",
       [&](TfrmFontConvert& form) {
         if (++walksStarted > 1) return;  // once: a nested walk would come here again
         form.btnConvert.userClick();
         form.btnRemap.userClick();
         form.btnClose.userClick();
         form.userClose();
       });
  EXPECT_TRUE(report.ok()) << report.failures.front();
  EXPECT_GT(walksStarted, 0);
  // One walk, one message: the clicks inside it started nothing.
  const std::string transcript = s.toolkit.transcript().text();
  EXPECT_EQ(transcript.find("finished"), transcript.rfind("finished"));
  EXPECT_EQ(s.entity(u"9F").get("StyleName").toString(), u"HEB-WIN");
}

TEST_F(FontConverterFormFaults, AFailedWalkShowsItsErrorInsteadOfFinished) {
  const host::Ref failing(std::make_shared<Failing>(s.doc, "Regen"));
  show(failing, std::string(kConvertDos) + "answer OK\nexpect lstFonts Checked[3] false\n" +
                    "click btnClose\n");
  EXPECT_TRUE(report.ok()) << report.failures.front();
  const std::string transcript = s.toolkit.transcript().text();
  EXPECT_NE(transcript.find("message \"refused: Regen\""), std::string::npos) << transcript;
  EXPECT_EQ(transcript.find("Conversion finished"), std::string::npos);
}

TEST_F(FontConverterFormFaults, ATextFailingHalfwayIsPutBackAndCounted) {
  const std::u16string before = s.entity(u"A5").get("TextString").toString();
  // Model space hands out A5 as a text that refuses its alignment point.
  const auto rejectA5 = [](host::Ref item) {
    if (item.get("Handle").toString() != u"A5") return item;
    return host::Ref(std::make_shared<Failing>(item, "TextAlignmentPoint"));
  };
  const auto space = [&](host::Ref model) {
    return host::Ref(std::make_shared<Failing>(model, "", "item", rejectA5));
  };
  const host::Ref document(std::make_shared<Failing>(s.doc, "", "ModelSpace", space));
  show(document, std::string(kConvertDos) + "answer OK\nclick btnClose\n");
  EXPECT_TRUE(report.ok()) << report.failures.front();
  EXPECT_NE(s.toolkit.transcript().text().find(
                "Conversion finished\r\n1 text was left unchanged: the drawing refused a change "
                "to it."),
            std::string::npos)
      << s.toolkit.transcript().text();
  EXPECT_EQ(s.entity(u"A5").get("TextString").toString(), before);
  EXPECT_EQ(s.entity(u"A5").get("StyleName").toString(), u"HEB-DOS");
  EXPECT_EQ(s.entity(u"9F").get("StyleName").toString(), u"HEB-WIN");
}

}  // namespace
}  // namespace vrn::drawing_ops
