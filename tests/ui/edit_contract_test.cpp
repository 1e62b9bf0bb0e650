// The edit-control contract, as one table of cases that runs against every
// backend: the user's keys and clicks come from a script, the program's
// changes from a tool button's handler, and every case checks the text,
// the selection, the events the focused control saw and how the form
// closed.

#include <gtest/gtest.h>

#include "host/utf8.h"
#include "scripted_backends.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/tool_button.h"

namespace vrn::ui {
namespace {

class ContractForm : public Form {
 public:
  explicit ContractForm(Toolkit& toolkit) : Form(toolkit, "ContractForm") {
    ReadOnly1.setReadOnly(true);
    Combo1.setItems({u"one", u"two"});
    List1.setItems({u"a", u"b", u"c"});
    btnOk.setDefault(true);
    btnOk.setModalResult(ModalResult::OK);
    btnCancel.setCancel(true);
    btnCancel.setModalResult(ModalResult::Cancel);
    for (TextBox* box : {static_cast<TextBox*>(&Edit1), static_cast<TextBox*>(&Memo1),
                         static_cast<TextBox*>(&ReadOnly1), static_cast<TextBox*>(&Combo1),
                         static_cast<TextBox*>(&List1)}) {
      box->onKeyDown = [this, box](KeyEvent& key) {
        log("down:" + std::to_string(key.key));
        if (keyDown) keyDown(*box, key);
      };
      box->onKeyPress = [this, box](char16_t& c) {
        log(c < 0x20 ? "press:#" + std::to_string(c)
                     : "press:" + utf16ToUtf8(std::u16string(1, c)));
        if (keyPress) keyPress(*box, c);
      };
      box->onChange = [this, box] {
        log("change:" + utf16ToUtf8(box->text()) + "|" + std::to_string(box->selStart()));
      };
    }
    tbProgram.onClick = [this] { program(*this); };
  }

  Edit Edit1{*this, "Edit1"};
  Memo Memo1{*this, "Memo1"};
  Edit ReadOnly1{*this, "ReadOnly1"};
  ComboBox Combo1{*this, "Combo1", ComboStyle::DropDown};
  ComboBox List1{*this, "List1", ComboStyle::DropDownList};
  Button btnOk{*this, "btnOk", u"OK"};
  Button btnCancel{*this, "btnCancel", u"Cancel"};
  ToolButton tbProgram{*this, "tbProgram"};

  std::function<void(TextBox&, KeyEvent&)> keyDown;
  std::function<void(TextBox&, char16_t&)> keyPress;
  std::function<void(ContractForm&)> program = [](ContractForm&) {};
  std::string events;

 private:
  void log(const std::string& event) { events += (events.empty() ? "" : " ") + event; }
};

struct EditCase {
  const char* title;
  const char* control;  // has the focus; its text is set before the form shows
  std::u16string initial;
  std::string script;   // `close` follows unless the case closes the form itself
  std::u16string text;  // afterwards
  int selStart;
  int selLength;
  std::string events;
  ModalResult result = ModalResult::Cancel;
  bool closes = false;
  std::function<void(TextBox&, KeyEvent&)> keyDown = {};
  std::function<void(TextBox&, char16_t&)> keyPress = {};
  std::function<void(ContractForm&)> program = {};
};

const std::vector<EditCase>& editCases() {
  static const std::vector<EditCase> cases = {
      // Typing, Backspace and Delete.
      {"typing replaces the selection, caret after it", "Edit1", u"hello", "select 1 3\ntype XY",
       u"hXYo", 3, 0, "down:88 press:X change:hXo|2 down:89 press:Y change:hXYo|3"},
      {"typing inserts at the caret", "Edit1", u"ab", "caret 1\ntype c", u"acb", 2, 0,
       "down:67 press:c change:acb|2"},
      {"Backspace removes the selection", "Edit1", u"hello", "select 1 3\nkey Backspace", u"ho", 1,
       0, "down:8 press:#8 change:ho|1"},
      {"Backspace removes the character before the caret", "Edit1", u"hello",
       "caret 2\nkey Backspace", u"hllo", 1, 0, "down:8 press:#8 change:hllo|1"},
      {"Backspace at the start changes nothing", "Edit1", u"ab", "caret 0\nkey Backspace", u"ab", 0,
       0, "down:8 press:#8"},
      {"Delete removes the selection, without key-press", "Edit1", u"hello",
       "select 1 3\nkey Delete", u"ho", 1, 0, "down:46 change:ho|1"},
      {"Delete removes the character after the caret", "Edit1", u"hello", "caret 1\nkey Delete",
       u"hllo", 1, 0, "down:46 change:hllo|1"},
      {"Delete at the end changes nothing", "Edit1", u"ab", "caret 2\nkey Delete", u"ab", 2, 0,
       "down:46"},
      {"a surrogate pair is one character", "Edit1", u"a\U0001F600", "caret 3\nkey Backspace", u"a",
       1, 0, "down:8 press:#8 change:a|1"},
      // Moving the caret.
      {"arrows move the caret and fire key-down only", "Edit1", u"abc", "caret 1\nkey Right",
       u"abc", 2, 0, "down:39"},
      {"Shift with an arrow extends the selection", "Edit1", u"abc",
       "caret 2\nkey Shift+Left\nkey Shift+Left", u"abc", 0, 2, "down:37 down:37"},
      {"Left collapses a selection to its start", "Edit1", u"abc", "select 1 2\nkey Left", u"abc",
       1, 0, "down:37"},
      {"Home and End", "Edit1", u"abc", "caret 1\nkey End\nkey Home", u"abc", 0, 0,
       "down:35 down:36"},
      // Key-down before the default action, key-press for characters.
      {"key-down moves the caret before the character lands", "Edit1", u"ab", "caret 2\ntype Z",
       u"Zab", 1, 0, "down:90 press:Z change:Zab|1", ModalResult::Cancel, false,
       [](TextBox& box, KeyEvent&) { box.setSelStart(0); }},
      {"key-down swallows a key: no key-press, no change", "Edit1", u"", "type QW", u"W", 1, 0,
       "down:81 down:87 press:W change:W|1", ModalResult::Cancel, false,
       [](TextBox&, KeyEvent& key) {
         if (key.key == vk::letter('Q')) key.swallow();
       }},
      {"key-press may change the character",
       "Edit1",
       u"",
       "type (",
       u")",
       1,
       0,
       "down:57 press:( change:)|1",
       ModalResult::Cancel,
       false,
       {},
       [](TextBox&, char16_t& c) {
         if (c == u'(') c = u')';
       }},
      {"key-press may swallow the character",
       "Edit1",
       u"ab",
       "caret 2\nkey Backspace",
       u"ab",
       2,
       0,
       "down:8 press:#8",
       ModalResult::Cancel,
       false,
       {},
       [](TextBox&, char16_t& c) { c = 0; }},
      {"Alt with a digit types nothing", "Edit1", u"", "key Alt+5", u"", 0, 0, "down:53"},
      // Enter and Escape.
      {"Enter presses the default button, without key-press", "Edit1", u"ab", "caret 1\nkey Enter",
       u"ab", 1, 0, "down:13", ModalResult::OK, true},
      {"Escape presses the cancel button, without key-press", "Edit1", u"ab", "caret 1\nkey Escape",
       u"ab", 1, 0, "down:27", ModalResult::Cancel, true},
      {"a memo takes Enter as a line break", "Memo1", u"ab", "caret 1\nkey Enter", u"a\r\nb", 3, 0,
       "down:13 press:#13 change:a\r\nb|3"},
      {"a memo leaves Escape to the cancel button", "Memo1", u"ab", "key Escape", u"ab", 0, 0,
       "down:27", ModalResult::Cancel, true},
      // CR LF.
      {"CR LF counts as two characters", "Memo1", u"a\r\nb", "caret 0\nkey Ctrl+End", u"a\r\nb", 4,
       0, "down:35"},
      {"Backspace after CR LF removes both", "Memo1", u"a\r\nb", "caret 3\nkey Backspace", u"ab", 1,
       0, "down:8 press:#8 change:ab|1"},
      {"Delete before CR LF removes both", "Memo1", u"a\r\nb", "caret 1\nkey Delete", u"ab", 1, 0,
       "down:46 change:ab|1"},
      {"arrows step over CR LF", "Memo1", u"a\r\nb", "caret 3\nkey Left", u"a\r\nb", 1, 0,
       "down:37"},
      {"Up and Down keep the column where the line is long enough", "Memo1", u"abc\r\nd\r\nfghi",
       "caret 2\nkey Down\nkey Down\nkey Up", u"abc\r\nd\r\nfghi", 6, 0, "down:40 down:40 down:38"},
      // Read-only boxes.
      {"a read-only box keeps its text against the user", "ReadOnly1", u"ab",
       "caret 2\ntype c\nkey Backspace", u"ab", 2, 0, "down:67 press:c down:8 press:#8"},
      {"the program may change a read-only box and Change fires",
       "ReadOnly1",
       u"ab",
       "caret 1\nclick tbProgram",
       u"aXb",
       2,
       0,
       "change:aXb|2",
       ModalResult::Cancel,
       false,
       {},
       {},
       [](ContractForm& f) { f.ReadOnly1.setSelText(u"X"); }},
      // Changes by the program.
      {"the program's change fires Change after the caret moved",
       "Edit1",
       u"ab",
       "caret 1\nclick tbProgram",
       u"aXYb",
       3,
       0,
       "change:aXYb|3",
       ModalResult::Cancel,
       false,
       {},
       {},
       [](ContractForm& f) { f.Edit1.setSelText(u"XY"); }},
      {"setting the text fires Change, the same text does not",
       "Edit1",
       u"ab",
       "click tbProgram",
       u"cd",
       0,
       0,
       "change:cd|0",
       ModalResult::Cancel,
       false,
       {},
       {},
       [](ContractForm& f) {
         f.Edit1.setText(u"ab");
         f.Edit1.setText(u"cd");
         f.Edit1.setText(u"cd");
       }},
      {"combo changes by the program fire nothing",
       "Combo1",
       u"",
       "click tbProgram",
       u"two",
       0,
       0,
       "",
       ModalResult::Cancel,
       false,
       {},
       {},
       [](ContractForm& f) {
         f.Combo1.setText(u"x");
         f.Combo1.setItemIndex(1);
       }},
      {"combo typing fires Change", "Combo1", u"", "type tw", u"tw", 2, 0,
       "down:84 press:t change:t|1 down:87 press:w change:tw|2"},
      {"a drop-down list takes no typing; arrows choose", "List1", u"",
       "key Down\nkey Down\ntype a", u"a", 0, 0,
       "down:40 change:a|0 down:40 change:b|0 down:65 press:a change:a|0"},
      {"a drop-down list's program choice fires nothing",
       "List1",
       u"",
       "click tbProgram",
       u"c",
       0,
       0,
       "",
       ModalResult::Cancel,
       false,
       {},
       {},
       [](ContractForm& f) { f.List1.setItemIndex(2); }},
      // Clipboard and undo.
      {"copy and paste", "Edit1", u"hello", "select 0 2\nkey Ctrl+C\nkey End\nkey Ctrl+V",
       u"hellohe", 7, 0, "down:67 down:35 down:86 change:hellohe|7"},
      {"cut", "Edit1", u"hello", "select 1 3\nkey Ctrl+X\nkey Shift+Insert", u"hello", 4, 0,
       "down:88 change:ho|1 down:45 change:hello|4"},
      {"undo takes back the characters typed one after another", "Edit1", u"ab",
       "caret 2\ntype cd\nkey Ctrl+Z", u"ab", 2, 0,
       "down:67 press:c change:abc|3 down:68 press:d change:abcd|4 down:90 change:ab|2"},
  };
  return cases;
}

class EditContractTest : public ::testing::TestWithParam<test::ScriptedBackend> {
 protected:
  test::SimulatedKeyboardGuard keyboard;
};

TEST_P(EditContractTest, EditControlsBehaveAsWindowsEditDoes) {
  for (const EditCase& c : editCases()) {
    SCOPED_TRACE(c.title);
    auto toolkit = GetParam().make();
    ContractForm form(*toolkit);
    auto* target = dynamic_cast<TextBox*>(form.find(c.control));
    ASSERT_NE(target, nullptr);
    if (!c.initial.empty()) target->setText(c.initial);
    form.setActiveControl(target);
    form.keyDown = c.keyDown;
    form.keyPress = c.keyPress;
    if (c.program) form.program = c.program;
    form.events.clear();

    toolkit->play(script::parse(c.script + (c.closes ? "" : "\nclose")), nullptr);
    ModalResult result = form.showModal();
    RunReport report = toolkit->finish();

    EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
    EXPECT_EQ(utf16ToUtf8(target->text()), utf16ToUtf8(c.text));
    EXPECT_EQ(target->selStart(), c.selStart);
    EXPECT_EQ(target->selLength(), c.selLength);
    EXPECT_EQ(form.events, c.events);
    EXPECT_EQ(result, c.result);
  }
}

INSTANTIATE_TEST_SUITE_P(Backends, EditContractTest, ::testing::ValuesIn(test::scriptedBackends()),
                         test::backendName);

}  // namespace
}  // namespace vrn::ui
