// The scripted user end to end, on the demo form.

#include "demo_form.h"

#include <gtest/gtest.h>

#include "host/utf8.h"
#include "scripted_backends.h"
#include "ui/owned_form.h"

namespace vrn::test {
namespace {

class DemoFormTest : public ::testing::TestWithParam<ScriptedBackend> {
 protected:
  SimulatedKeyboardGuard keyboard;
  std::unique_ptr<ui::ScriptedToolkit> toolkit = GetParam().make();

  // Shows the demo form with the script; returns how it closed.
  ui::ModalResult run(ui::OwnedForm<TfrmDemo>& form, const std::string& script) {
    toolkit->play(ui::script::parse(script), nullptr);
    ui::ModalResult result = form->showModal();
    report = toolkit->finish();
    return result;
  }

  ui::RunReport report;
};

TEST_P(DemoFormTest, AScriptTypesClicksAnswersWaitsAndExpects) {
  if (GetParam().realTime)
    GTEST_SKIP() << "timers counted to the millisecond need the virtual clock";
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  ui::ModalResult result = run(form,
                               "layout he\n"
                               "type שלום 12\n"
                               "key Backspace\n"
                               "expect Edit1 Text שלום 1\n"
                               "expect StatusBar1 Panels[1] 6\n"
                               "click btnSave\n"
                               "answer Yes\n"
                               "wait 250\n"
                               "expect StatusBar1 Panels[0] ticks 2\n"
                               "expect TfrmDemo Caption Demo\n"
                               "key Enter\n");
  EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
  EXPECT_EQ(result, ui::ModalResult::OK);
  EXPECT_EQ(form->saved, u"שלום 1");
  EXPECT_EQ(form->ticks, 2);
  EXPECT_EQ(form->Edit1.text(), u"שלום 1") << "controls stay readable after the close";
  EXPECT_EQ(toolkit->transcript().lines(),
            (std::vector<std::string>{"form TfrmDemo \"Demo\" shown",
                                      "message \"Save the text?\" [Demo] Yes/No/Cancel -> Yes",
                                      "form TfrmDemo closed OK"}));
  form.destroy();
}

TEST_P(DemoFormTest, EscapeClosesThroughTheCancelButton) {
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  EXPECT_EQ(run(form, "type abc\nkey Escape\n"), ui::ModalResult::Cancel);
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(form->log,
            (std::vector<std::string>{"FormCreate", "FormShow", "BitBtn2Click", "FormClose"}));
}

TEST_P(DemoFormTest, AFailingHandlerShowsItsErrorAndTheFormStaysOpen) {
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  // OK has the modal result OK, but its handler refuses an empty text.
  ui::ModalResult result = run(form,
                               "key Enter\n"
                               "answer OK\n"
                               "expect TfrmDemo Showing true\n"
                               "expect TfrmDemo ModalResult None\n"
                               "type x\n"
                               "key Enter\n");
  EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
  EXPECT_EQ(result, ui::ModalResult::OK);
  EXPECT_EQ(toolkit->transcript().lines()[1], "message \"Type a text first.\" [vrn] OK -> OK");
}

TEST_P(DemoFormTest, CloseFromAHandlerWaitsForTheHandler) {
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  // Cancel in the box closes the form from inside btnSaveClick.
  EXPECT_EQ(run(form, "click btnSave\nanswer Cancel\n"), ui::ModalResult::Cancel);
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(form->log.back(), "FormClose");
}

TEST_P(DemoFormTest, TimersFireOnlyWhileTheScriptWaits) {
  if (GetParam().realTime)
    GTEST_SKIP() << "timers counted to the millisecond need the virtual clock";
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  run(form,
      "type abcdefgh\n"
      "expect StatusBar1 Panels[0] \"\"\n"
      "wait 99\n"
      "expect StatusBar1 Panels[0] \"\"\n"
      "wait 1\n"
      "expect StatusBar1 Panels[0] ticks 1\n"
      "key Escape\n");
  EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
  EXPECT_EQ(form->ticks, 1);
}

TEST_P(DemoFormTest, TypingHebrewWithTheEnglishLayoutGivesTheLatinOfItsKeys) {
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  run(form, "type שלום ךםןףץת\nlayout he\ntype abc\nkey Escape\n");
  EXPECT_EQ(form->Edit1.text(), u"akuo loi;.,שנב");
}

TEST_P(DemoFormTest, WhenTheScriptRunsOutTheFormClosesByItsCancelPath) {
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  EXPECT_EQ(run(form, "type abc\n"), ui::ModalResult::Cancel);
  EXPECT_EQ(form->log,
            (std::vector<std::string>{"FormCreate", "FormShow", "BitBtn2Click", "FormClose"}));
  EXPECT_EQ(report.failures,
            (std::vector<std::string>{"the script ended while form TfrmDemo was open"}));
}

TEST_P(DemoFormTest, FailuresNameTheirLineAndStopTheScript) {
  struct Case {
    std::string script;
    std::string failure;
  };
  const Case cases[] = {
      {"click btnNope\ntype a", "line 1 (click btnNope): no btnNope on TfrmDemo"},
      {"type é", "line 1 (type é): no key types \"é\""},
      {"answer Yes", "line 1 (answer Yes): no message box is open"},
      {"click btnSave\ntype a",
       "line 2 (type a): message box \"Save the text?\" is open; the script must answer it first"},
      {"click btnSave\nanswer All",
       "line 2 (answer All): message box \"Save the text?\" has no All button"},
      {"click StatusBar1 7",
       "line 1 (click StatusBar1 7): click StatusBar1 needs a panel number below 2"},
      {"choose Edit1 x", "line 1 (choose Edit1 x): Edit1 has nothing to choose from"},
      {"caret 4", "line 1 (caret 4): 4 is past the end of the text (0)"},
      {"menu btnOk", "line 1 (menu btnOk): btnOk is no menu item"},
      {"point 1,2", "line 1 (point 1,2): nothing asks the host's prompts here"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    auto fresh = GetParam().make();
    toolkit = std::move(fresh);
    ui::OwnedForm<TfrmDemo> form(*toolkit);
    EXPECT_EQ(run(form, c.script), ui::ModalResult::Cancel);
    ASSERT_FALSE(report.failures.empty());
    EXPECT_EQ(report.failures.front(), c.failure);
    EXPECT_EQ(report.failures.size(), 1u)
        << "a stopped script closes the form without further failures";
    EXPECT_EQ(form->Edit1.text(), u"") << "nothing after the failing line ran";
  }
}

TEST_P(DemoFormTest, ExpectationsThatFailAreAllReported) {
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  run(form,
      "type ab\n"
      "expect Edit1 Text ax\n"
      "expect Edit1 Colour red\n"
      "expect Edit2 Text ab\n"
      "expect Edit1 SelStart 2\n"
      "key Escape\n");
  EXPECT_EQ(report.failures,
            (std::vector<std::string>{
                "line 2 (expect Edit1 Text ax): expect Edit1 Text: wanted \"ax\", found \"ab\"",
                "line 3 (expect Edit1 Colour red): expect: Edit1 has no property Colour",
                "line 4 (expect Edit2 Text ab): expect: no Edit2 on TfrmDemo"}));
}

TEST_P(DemoFormTest, LinesThatWereNeverReachedFailTheRun) {
  ui::OwnedForm<TfrmDemo> form(*toolkit);
  run(form, "key Escape\ntype late\n");
  EXPECT_EQ(report.failures,
            (std::vector<std::string>{
                "line 2 (type late): the program finished before the script came to this line"}));
}

INSTANTIATE_TEST_SUITE_P(Backends, DemoFormTest, ::testing::ValuesIn(scriptedBackends()),
                         backendName);

}  // namespace
}  // namespace vrn::test
