#pragma once
// TfrmEditor: find and replace over picked texts. Memo line k is the text
// of record k of blines, in the DOS screen form; lines the user or the
// program changes are marked and written back into their entities when
// the window closes ("Ok" or the close box; "Cancel" writes nothing).
//
// Lines must stay paired with records, so every edit that would join or
// split lines is refused with a beep: Backspace at a line start, Delete at
// a line end, typing, cutting or pasting over a line break. Enter only
// appends an empty line after the last one (it has no record).

#include <string>
#include <vector>

#include "editing/find_replace_state.h"
#include "editing/keyboard_language.h"
#include "editing/picked_text.h"
#include "editing/tcp_memo.h"
#include "host/ref.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tool_button.h"

namespace vrn::encoding {
class TfrmFonts;
}

namespace vrn::editing {

namespace editor_text {
inline constexpr char16_t inputWrong[] = u"the input is wrong";
inline constexpr char16_t replaceThis[] = u"Replace this occurrence?";
inline constexpr char16_t replacementsMade[] = u" replacement was made";
inline constexpr char16_t notWritten[] = u"These texts could not be written back:";
}  // namespace editor_text

class TfrmEditor : public ui::Form {
 public:
  TfrmEditor(ui::Toolkit& toolkit, encoding::TfrmFonts& fonts, host::Ref& AcadApp,
             FindReplaceState& state);

  ui::ComboBox cbxsearch{*this, "cbxsearch", ui::ComboStyle::DropDown};
  ui::ComboBox cbxReplace{*this, "cbxReplace", ui::ComboStyle::DropDown};
  ui::CheckBox ChAll{*this, "ChAll", u"Prompt on Replace"};
  ui::ToolButton ToolButton1{*this, "ToolButton1"};
  ui::Button btnFind{*this, "btnFind", u"Find"};
  ui::Button btnDown{*this, "btnDown", u"Down"};
  ui::Button btnUp{*this, "btnUp", u"Up"};
  ui::ToolButton ToolButton4{*this, "ToolButton4"};
  ui::Button btnOk{*this, "btnOk", u"Ok"};
  ui::Button Button1{*this, "Button1", u"Cancel"};
  ui::Button btnNumber{*this, "btnNumber", u"#"};
  ui::Edit Edit1{*this, "Edit1"};
  ui::Button btn1{*this, "btn1", u"Reverse"};
  ui::Button Button2{*this, "Button2", u"Selected to screen"};
  ui::ToolButton tbHeb{*this, "tbHeb", ui::ToolButtonStyle::Check};
  ui::ToolButton tbEng{*this, "tbEng", ui::ToolButtonStyle::Check};
  TCPMemo Memo1{*this, "Memo1"};
  ui::StatusBar StatusBar1{*this, "StatusBar1"};
  ui::Timer Timer2{*this, "Timer2", 100, false};

  KeyboardLanguage keyboard;

  std::vector<std::int32_t> foundlist;
  bool deleteF = false;
  std::int32_t Row = 0;
  std::int32_t Col = 0;
  std::int32_t pCurLoc = -1;
  std::vector<rstrec> blines;
  bool replacing = false;

  // Fills the memo with the records' texts (marks nothing).
  void fillFromRecords();

  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  void ToolButton1Click();
  void btnFindClick();
  void btnDownClick();
  void btnUpClick();
  void ToolButton4Click();
  void Button1Click();
  void Button2Click();
  void btnNumberClick();
  void btn1Click();
  void cbxsearchKeyDown(ui::KeyEvent& key);
  void Memo1Change();
  void Memo1Enter();
  void Memo1KeyDown(ui::KeyEvent& key);
  void Memo1KeyPress(char16_t& key);
  void Memo1MouseDown();

 private:
  class ProgramEdit;
  void computeRow();
  void showCaret();
  void selectIn(std::int32_t line);
  void mark(int line);
  bool refuseLineJoin(const ui::KeyEvent& key) const;
  void writeBack();
  void beep() { toolkit().beep(); }
  static void remember(ui::ComboBox& box, const std::u16string& text);

  encoding::TfrmFonts& fonts_;
  host::Ref& AcadApp_;
  FindReplaceState& state_;
  bool enterPending_ = false;
  int enterCaret_ = 0;
};

}  // namespace vrn::editing
