// The modal loop, the forms' life, timers on the virtual clock, placement
// and the host's prompts, on every scripted backend.

#include <gtest/gtest.h>

#include "demo_form.h"
#include "host/silent_abort.h"
#include "scripted_backends.h"
#include "ui/headless/headless_toolkit.h"
#include "ui/hourglass.h"
#include "ui/owned_form.h"

namespace vrn::test {
namespace {

using Log = std::vector<std::string>;

class ModalLoopTest : public ::testing::TestWithParam<ScriptedBackend> {
 protected:
  SimulatedKeyboardGuard keyboard;
  std::unique_ptr<ui::ScriptedToolkit> toolkit = GetParam().make();

  ui::RunReport play(ui::Form& form, const std::string& script) {
    toolkit->play(ui::script::parse(script), nullptr);
    form.showModal();
    return toolkit->finish();
  }
};

TEST_P(ModalLoopTest, OwnedFormsRunCreateAndDestroyOnEveryWayOut) {
  std::vector<std::string> log;
  {
    ui::OwnedForm<TfrmDemo> form(*toolkit);
    form->onDestroy = [&] { log.push_back("destroyed"); };
  }
  EXPECT_EQ(log, (Log{"destroyed"}));

  struct FailingCreate : TfrmDemo {
    FailingCreate(ui::Toolkit& kit, Log& events) : TfrmDemo(kit) {
      onCreate = [] { throw std::runtime_error("no data directory"); };
      onDestroy = [&events] { events.push_back("destroyed after a failed create"); };
    }
  };
  EXPECT_THROW(ui::OwnedForm<FailingCreate>(*toolkit, log), std::runtime_error);
  EXPECT_EQ(log.back(), "destroyed after a failed create");

  ui::OwnedForm<TfrmDemo> failing(*toolkit);
  failing->onDestroy = [] { throw std::runtime_error("cannot write Hebrew.ini"); };
  EXPECT_THROW(failing.destroy(), std::runtime_error) << "destroy() hands the error over";
}

TEST_P(ModalLoopTest, AnErrorOfDestroyAtTheEndOfAScopeIsShownNotLost) {
  {
    ui::OwnedForm<TfrmDemo> form(*toolkit);
    form->onDestroy = [] { throw std::runtime_error("cannot write Hebrew.ini"); };
  }
  EXPECT_EQ(toolkit->transcript().lines(),
            (Log{"message \"cannot write Hebrew.ini\" [vrn] OK -> OK"}));
}

TEST_P(ModalLoopTest, CloseInsideAHandlerTakesEffectAfterItReturns) {
  TfrmDemo form(*toolkit);
  form.btnSave.onClick = [&] {
    form.close();
    form.log.push_back("still in the handler, showing=" + std::to_string(form.showing()));
  };
  ui::RunReport report = play(form, "click btnSave");
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(form.log, (Log{"FormShow", "still in the handler, showing=1", "FormClose"}));
  EXPECT_EQ(form.modalResult(), ui::ModalResult::Cancel);
}

TEST_P(ModalLoopTest, AHandlerMayTakeBackTheModalResultOfItsButton) {
  TfrmDemo form(*toolkit);
  form.btnOk.onClick = [&] { form.setModalResult(ui::ModalResult::None); };
  ui::RunReport report = play(form, "click btnOk\nexpect TfrmDemo Showing true\nkey Escape");
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(form.modalResult(), ui::ModalResult::Cancel);
}

TEST_P(ModalLoopTest, ASilentAbortShowsNothingAndTheFormStaysOpen) {
  TfrmDemo form(*toolkit);
  form.btnOk.onClick = [] { throw host::SilentAbort(); };
  ui::RunReport report = play(form, "click btnOk\nexpect TfrmDemo Showing true\nkey Escape");
  EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
  EXPECT_EQ(toolkit->transcript().lines().size(), 2u) << "no message box";
}

TEST_P(ModalLoopTest, AnErrorInOnCloseIsShownAndTheFormClosesAllTheSame) {
  TfrmDemo form(*toolkit);
  form.onClose = [] { throw std::runtime_error("cannot save the position"); };
  ui::RunReport report = play(form, "key Escape\nanswer OK");
  EXPECT_TRUE(report.ok());
  EXPECT_FALSE(form.showing());
}

TEST_P(ModalLoopTest, AnErrorInOnShowLeavesTheFormClosed) {
  TfrmDemo form(*toolkit);
  form.onShow = [] { throw std::runtime_error("no entity"); };
  toolkit->play(ui::script::parse("key Escape"), nullptr);
  EXPECT_THROW(form.showModal(), std::runtime_error);
  EXPECT_FALSE(form.showing());
}

TEST_P(ModalLoopTest, AFormShownAgainKeepsItsState) {
  TfrmDemo form(*toolkit);
  toolkit->play(ui::script::parse(
                    "type abc\nkey Enter\nexpect Edit1 SelLength 3\nkey End\ntype d\nkey Enter"),
                nullptr);
  EXPECT_EQ(form.showModal(), ui::ModalResult::OK);
  EXPECT_EQ(form.showModal(), ui::ModalResult::OK);
  EXPECT_TRUE(toolkit->finish().ok());
  EXPECT_EQ(form.Edit1.text(), u"abcd");
}

TEST_P(ModalLoopTest, AFormOpenedFromAHandlerTakesTheLinesUntilItCloses) {
  TfrmDemo outer(*toolkit);
  TfrmDemo inner(*toolkit);
  inner.setCaption(u"Inner");
  outer.btnSave.onClick = [&] {
    outer.Edit1.setText(inner.showModal() == ui::ModalResult::OK ? inner.Edit1.text() : u"-");
  };
  ui::RunReport report =
      play(outer, "click btnSave\ntype inner\nkey Enter\nexpect Edit1 Text inner\nkey Escape");
  EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
  EXPECT_EQ(toolkit->transcript().lines(),
            (Log{"form TfrmDemo \"Demo\" shown", "form TfrmDemo \"Inner\" shown",
                 "form TfrmDemo closed OK", "form TfrmDemo closed Cancel"}));
}

TEST_P(ModalLoopTest, TimersFireInTimeOrderAndOnlyWhileRunning) {
  if (GetParam().realTime)
    GTEST_SKIP() << "timers counted to the millisecond need the virtual clock";
  TfrmDemo form(*toolkit);
  ui::Timer fast(form, "fast", 100, false);
  ui::Timer slow(form, "slow", 150, false);
  ui::Timer never(form, "never", 0, true);
  Log fired;
  fast.onTimer = [&] { fired.push_back("fast"); };
  slow.onTimer = [&] {
    fired.push_back("slow");
    if (fired.size() > 3) slow.setEnabled(false);
  };
  never.onTimer = [&] { fired.push_back("never"); };
  form.onShow = [&] {
    fast.setEnabled(true);
    slow.setEnabled(true);
  };
  ui::RunReport report = play(form, "wait 300\nwait 200\nkey Escape");
  EXPECT_TRUE(report.ok());
  // 100 fast, 150 slow, 200 fast, 300 fast and slow (started first: fast), 400 fast, 500 fast.
  EXPECT_EQ(fired, (Log{"fast", "slow", "fast", "fast", "slow", "fast", "fast"}));
}

TEST_P(ModalLoopTest, ATimerMayAskAndCloseWhileTheScriptWaits) {
  TfrmDemo form(*toolkit);
  form.Timer1.onTimer = [&] {
    if (ui::messageBox(form.toolkit(), {u"Time is up. Close?",
                                        u"Demo",
                                        ui::MessageButtons::YesNo,
                                        ui::MessageIcon::Question,
                                        {}}) == ui::ModalResult::Yes) {
      form.close();
    }
  };
  ui::RunReport report = play(form, "wait 100\nanswer No\nwait 1000\nanswer Yes");
  EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
  EXPECT_FALSE(form.showing());
}

TEST_P(ModalLoopTest, FormsArePlacedOnTheMonitorUnderThePointer) {
  auto* headless = dynamic_cast<ui::headless::HeadlessToolkit*>(toolkit.get());
  if (!headless) GTEST_SKIP() << "the monitors are the headless backend's";
  headless->screen().setMonitors({{0, 0, 1920, 1040}, {1920, 0, 1280, 984}});
  headless->screen().setPointer({2000, 500});
  ui::OwnedForm<TfrmDemo> form(*toolkit);  // FormCreate centres it
  EXPECT_EQ(form->bounds().left, 1920 + (1280 - 400) / 2);
  form->setBounds({3100, -20, 400, 150});
  form->keepOnMonitor();
  EXPECT_EQ(form->bounds(), (ui::Rect{3200 - 400, 0, 400, 150}));
  form->setBounds({1920, 900, 400, 1200});
  form->keepOnMonitor();
  EXPECT_EQ(form->bounds().top, 0) << "a form taller than the monitor keeps its top on it";
}

TEST_P(ModalLoopTest, ResizingRunsOnResize) {
  TfrmDemo form(*toolkit);
  int resized = 0;
  form.onResize = [&] {
    ++resized;
    form.setHeight(150);  // the form only widens or narrows
  };
  ui::RunReport report =
      play(form, "resize 500 300\nexpect TfrmDemo Height 150\nexpect TfrmDemo Width 500\nclose");
  EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
  EXPECT_EQ(resized, 2);
}

TEST_P(ModalLoopTest, TheHourglassShowsWhileAnyHourglassLives) {
  auto* headless = dynamic_cast<ui::headless::HeadlessToolkit*>(toolkit.get());
  if (!headless) GTEST_SKIP() << "the cursor is the headless backend's";
  {
    ui::Hourglass outer(*toolkit);
    { ui::Hourglass inner(*toolkit); }
    EXPECT_TRUE(headless->busy());
  }
  EXPECT_FALSE(headless->busy());
}

// The host's prompts: records what it is given.
class RecordingPrompts : public ui::HostPrompts {
 public:
  Log given;
  void point(const host::Point3& p) override {
    given.push_back("point " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  void distance(double d) override { given.push_back("distance " + std::to_string(d)); }
  void pick(const std::vector<std::u16string>& handles) override {
    given.push_back("pick " + std::to_string(handles.size()));
  }
  void enter() override { given.push_back("enter"); }
  void escape() override { given.push_back("escape"); }
};

TEST_P(ModalLoopTest, PromptAnswersWaitInTheHostsQueueBeforeTheLineThatLeadsToThem) {
  RecordingPrompts prompts;
  TfrmDemo form(*toolkit);
  Log seenByClick;
  form.btnSave.onClick = [&] { seenByClick = prompts.given; };
  toolkit->play(ui::script::parse(
                    "point 1,2\ndistance 3\nclick btnSave\npick A1 B2\nenter\nkey Escape\nescape"),
                &prompts);
  EXPECT_EQ(prompts.given, (Log{"point 1.000000,2.000000", "distance 3.000000"}))
      << "the leading answers at once";
  form.showModal();
  EXPECT_TRUE(toolkit->finish().ok());
  EXPECT_EQ(seenByClick, (Log{"point 1.000000,2.000000", "distance 3.000000", "pick 2", "enter"}));
  EXPECT_EQ(prompts.given.back(), "escape");
}

class RecordingPeer : public ui::Peer {
 public:
  std::vector<ui::Aspect> changes;
  void changed(ui::Aspect aspect) override { changes.push_back(aspect); }
};

TEST_P(ModalLoopTest, PeersHearOfEveryChangeToShow) {
  TfrmDemo form(*toolkit);
  RecordingPeer peer;
  form.Edit1.setPeer(&peer);
  form.Edit1.setText(u"ab");
  form.Edit1.setSelStart(1);
  form.Edit1.setVisible(false);
  using A = ui::Aspect;
  EXPECT_EQ(peer.changes, (std::vector<A>{A::Selection, A::Text, A::Selection, A::Visible}));
}

INSTANTIATE_TEST_SUITE_P(Backends, ModalLoopTest, ::testing::ValuesIn(scriptedBackends()),
                         backendName);

}  // namespace
}  // namespace vrn::test
