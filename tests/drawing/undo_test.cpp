// The undo journal as callers use it: the editors open a mark, change the
// drawing, close the mark, and take it all back with "U ".

#include <functional>

#include "drawing/command_line.h"
#include "drawing/undo_journal.h"
#include "drawing_fixture.h"
#include "host/host_error.h"
#include "host/utf8.h"

namespace vrn::drawing::testing {
namespace {

TEST_F(DrawingTest, UndoTakesBackAWholeMarkedGroup) {
  const Ref kept = addText("kept", 0, 0, 1);
  const Ref doomed = addText("doomed", 0, 5, 1);
  const std::u16string keptHandle = handle(kept);
  const std::u16string doomedHandle = handle(doomed);

  docRef.call("StartUndoMark");
  kept.put("TextString", "changed");
  kept.put("Height", 3.0);
  kept.call("Move", pt(0, 0), pt(10, 10));
  doomed.call("Erase");
  const std::u16string createdHandle = handle(addText("created", 0, 9, 1));
  docRef.call("SetVariable", "TEXTSIZE", 7.5);
  docRef.obj("TextStyles").call("Add", "NEWSTYLE");
  docRef.call("EndUndoMark");

  docRef.call("SendCommand", "U ");
  EXPECT_EQ(kept.get("TextString").toString(), u"kept");
  EXPECT_EQ(kept.get("Height").toDouble(), 1.0);
  EXPECT_THAT(pointOf(kept, "InsertionPoint"), NearPoint(Point3{0, 0, 0}, 1e-12));
  EXPECT_TRUE(exists(doomedHandle));
  EXPECT_FALSE(exists(createdHandle));
  EXPECT_EQ(docRef.call("GetVariable", "TEXTSIZE").toDouble(), 2.5);
  EXPECT_EQ(docRef.obj("TextStyles").get("Count").toInt(), 1);
  EXPECT_TRUE(exists(keptHandle));
}

// Styles are found by name through an index of the tables, which must
// follow what adding a style and undoing it do to them.
TEST_F(DrawingTest, StylesByNameFollowAnAddAndItsUndo) {
  const Ref styles = docRef.obj("TextStyles");
  styles.call("Add", "Later");
  styles.call("Add", "LATER");  // the same style: nothing new
  EXPECT_EQ(styles.get("Count").toInt(), 2);
  EXPECT_EQ(Ref(styles.call("Item", "later").toObject()).get("Name").toString(), u"Later");
  docRef.call("SendCommand", "U ");
  EXPECT_THROW(styles.call("Item", "Later"), host::HostError);
  styles.call("Add", "Later");
  EXPECT_EQ(styles.get("Count").toInt(), 2);
}

// A new text is created, and fitted out, before the editor's mark; Cancel
// sends "U " twice: the first takes back the typing (nothing, when the user
// typed nothing), the second the text itself, and never the work before it.
TEST_F(DrawingTest, TwoUndosRemoveATextCreatedJustBeforeTheMark) {
  for (const bool typed : {true, false}) {
    const Ref earlier = addText("earlier", 0, 0, 1);
    docRef.call("SendCommand", "_REGEN ");  // the earlier text is finished work
    const Ref text = addText("", 0, 0, 1);
    text.put("Height", 2.0);
    text.put("Rotation", 0.5);
    text.put("StyleName", "Standard");
    text.put("Layer", "0");
    const std::u16string textHandle = handle(text);
    docRef.call("StartUndoMark");
    if (typed) {
      text.put("TextString", "typed");
      text.put("TextString", "typed more");
    }
    docRef.call("EndUndoMark");

    docRef.call("SendCommand", "U ");
    EXPECT_EQ(text.get("TextString").toString(), u"") << typed;
    EXPECT_EQ(text.get("Height").toDouble(), 2.0) << typed;
    docRef.call("SendCommand", "U ");
    EXPECT_FALSE(exists(textHandle)) << typed;
    EXPECT_THROW(text.get("TextString"), host::HostError);
    EXPECT_TRUE(exists(handle(earlier))) << typed;
    EXPECT_EQ(earlier.get("TextString").toString(), u"earlier");
  }
}

TEST_F(DrawingTest, AnEmptyMarkIsAStepOfItsOwn) {
  const Ref text = addText("a", 0, 0, 1);
  docRef.call("SendCommand", "_REGEN ");
  text.put("TextString", "b");
  docRef.call("StartUndoMark");
  docRef.call("EndUndoMark");
  docRef.call("SendCommand", "U ");
  EXPECT_EQ(text.get("TextString").toString(), u"b");
  docRef.call("SendCommand", "U ");
  EXPECT_EQ(text.get("TextString").toString(), u"a");
}

// The set-up of a new entity ends with the first call that changes anything
// else, with a command, or with a mark; what follows is a step of its own.
TEST_F(DrawingTest, ANewEntitysSetUpEndsAtTheFirstOtherWork) {
  struct Case {
    const char* name;
    std::function<void(const Ref& doc)> between;
  } cases[] = {
      {"a change elsewhere", [](const Ref& d) { d.call("SetVariable", "TEXTSIZE", 7.5); }},
      {"another entity",
       [](const Ref& d) { d.obj("ModelSpace").call("AddText", "b", pt(0, 0), 1.0); }},
      {"a command", [](const Ref& d) { d.call("SendCommand", "_REGEN "); }},
      {"a mark",
       [](const Ref& d) {
         d.call("StartUndoMark");
         d.call("EndUndoMark");
       }},
  };
  for (const Case& c : cases) {
    const Ref text = addText("a", 0, 0, 1);
    text.put("Height", 2.0);
    c.between(docRef);
    text.put("Height", 3.0);
    docRef.call("SendCommand", "U ");
    ASSERT_TRUE(exists(handle(text))) << c.name;
    EXPECT_EQ(text.get("Height").toDouble(), 2.0) << c.name;
  }
}

TEST_F(DrawingTest, EachChangeOutsideAMarkIsItsOwnStep) {
  const Ref text = addText("a", 0, 0, 1);
  docRef.call("SendCommand", "_REGEN ");  // the text is no longer being set up
  text.put("TextString", "b");
  text.put("TextString", "c");
  docRef.call("SendCommand", "_U ");
  EXPECT_EQ(text.get("TextString").toString(), u"b");
  // The undo after an alert waits until the user confirms it.
  docRef.call("SendCommand", "(alert \"Press Ok for continue\")(command \"_.u\") ");
  EXPECT_EQ(doc->pendingAlert(), u"Press Ok for continue");
  EXPECT_EQ(text.get("TextString").toString(), u"b");
  doc->answerAlert();
  EXPECT_FALSE(doc->pendingAlert());
  EXPECT_EQ(text.get("TextString").toString(), u"a");
}

TEST_F(DrawingTest, UndoWithNothingToUndoAndUnbalancedMarksAreHarmless) {
  docRef.call("SendCommand", "U ");
  docRef.call("EndUndoMark");
  const Ref text = addText("a", 0, 0, 1);
  docRef.call("StartUndoMark");
  docRef.call("StartUndoMark");  // nested marks make one group
  text.put("TextString", "b");
  docRef.call("EndUndoMark");
  text.put("TextString", "c");
  docRef.call("EndUndoMark");
  docRef.call("SendCommand", "U ");
  EXPECT_EQ(text.get("TextString").toString(), u"a");
}

// Callers skip making a restore for what the open step holds already; a
// save inside the step must not let a later change leave the drawing clean.
TEST(UndoJournal, RemembersWhatTheOpenStepHoldsWhileTheDrawingIsChanged) {
  UndoJournal journal;
  int first = 0;
  int second = 0;
  journal.startMark();
  EXPECT_FALSE(journal.remembers(&first));
  journal.remember(&first, [] {});
  EXPECT_TRUE(journal.remembers(&first));
  EXPECT_FALSE(journal.remembers(&second));
  journal.markClean();
  EXPECT_FALSE(journal.remembers(&first));
  journal.remember(&first, [] {});
  EXPECT_TRUE(journal.dirty());
  journal.endMark();
  EXPECT_FALSE(journal.remembers(&first));
  EXPECT_EQ(journal.steps(), 1u);
}

// A drawing-wide walk changes every text inside one mark; one undo takes
// every change back, each to its state before the mark.
TEST_F(DrawingTest, OneUndoTakesBackAWalkOverManyTexts) {
  std::vector<Ref> texts;
  for (int i = 0; i < 50; ++i) texts.push_back(addText(("t" + std::to_string(i)).c_str(), 0, i, 1));
  docRef.call("StartUndoMark");
  for (int pass = 0; pass < 2; ++pass) {
    for (const Ref& text : texts)
      text.put("TextString", utf8ToUtf16("pass " + std::to_string(pass)));
  }
  docRef.call("EndUndoMark");
  docRef.call("SendCommand", "U ");
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].get("TextString").toString(), utf8ToUtf16("t" + std::to_string(i)));
  }
}

TEST(CommandLine, FindsTheCommandsTyped) {
  struct Case {
    std::u16string text;
    std::vector<std::u16string> commands;
  } cases[] = {
      {u"U ", {u"U"}},
      {u"_PLOT ", {u"_PLOT"}},
      {u"(alert \"Press Ok for continue\")(command \"_.u\") ", {u"_.u"}},
      {u"LINE 0,0 1,1\n", {u"LINE", u"0,0", u"1,1"}},
      {u"(setq a \"u\")", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(commandsIn(c.text), c.commands);
  for (const char16_t* undo : {u"U", u"u", u"_U", u"_.U", u"._u"}) EXPECT_TRUE(isUndoCommand(undo));
  for (const char16_t* other : {u"UNDO", u"_PLOT", u"", u"_"}) EXPECT_FALSE(isUndoCommand(other));
}

}  // namespace
}  // namespace vrn::drawing::testing
