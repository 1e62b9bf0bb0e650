#pragma once
// Tfrmmtext: the modal multi-line editor, one memo line per paragraph. The
// operations that fill it and write its lines into the drawing live in
// mtext_operations.h and text_to_mtext.h; the form only edits.
//
// OK is refused (an error box, the form stays open) while "Explode" is
// ticked and the spacing is no number, so no operation ever learns of a
// bad spacing after it has started changing the drawing.

#include <string>
#include <vector>

#include "editing/keyboard_language.h"
#include "editing/mtext_state.h"
#include "settings/ini_settings.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/spin_button.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tool_button.h"

namespace vrn::editing {

class Tfrmmtext : public ui::Form {
 public:
  Tfrmmtext(ui::Toolkit& toolkit, settings::IniSettings& Rinistr, MtextState& state);

  ui::Memo Memo1{*this, "Memo1"};
  ui::ToolButton tbHeb{*this, "tbHeb", ui::ToolButtonStyle::Check};
  ui::ToolButton btnEng{*this, "btnEng", ui::ToolButtonStyle::Check};
  ui::ToolButton btnCopy{*this, "btnCopy"};
  ui::ToolButton btnCut{*this, "btnCut"};
  ui::ToolButton btnPaste{*this, "btnPaste"};
  ui::ToolButton btnUndo{*this, "btnUndo"};
  ui::ToolButton btnR{*this, "btnR", ui::ToolButtonStyle::Check};
  ui::ToolButton btnL{*this, "btnL", ui::ToolButtonStyle::Check};
  ui::ToolButton btnOPen{*this, "btnOPen"};
  ui::ToolButton btnSave{*this, "btnSave"};
  ui::CheckBox CheckBox1{*this, "CheckBox1", u"Explode"};
  ui::Edit MaskEdit1{*this, "MaskEdit1"};
  ui::SpinButton SpinButton1{*this, "SpinButton1"};
  ui::ToolButton ToolButton3{*this, "ToolButton3"};
  ui::ToolButton ToolButton7{*this, "ToolButton7"};
  ui::ToolButton ToolButton8{*this, "ToolButton8"};
  ui::StatusBar StatusBar1{*this, "StatusBar1"};
  ui::Button BitBtn1{*this, "BitBtn1", u"&OK"};
  ui::Button BitBtn3{*this, "BitBtn3", u"&Cancel"};
  ui::Timer Timer2{*this, "Timer2", 100, false};
  ui::OpenDialog OpenDialog1{*this, "OpenDialog1"};
  ui::SaveDialog SaveDialog1{*this, "SaveDialog1"};

  KeyboardLanguage keyboard;

  // --- what the operations read and set ---
  // The memo's lines (a last empty line after a final line break is none).
  std::vector<std::u16string> memoLines() const { return Memo1.lines(); }
  void setMemoLines(const std::vector<std::u16string>& lines) { Memo1.setLines(lines); }
  bool explode() const { return CheckBox1.checked(); }
  bool alignRight() const { return btnR.down(); }
  void setAlignRight(bool right);
  // The spacing in MaskEdit1; raises std::invalid_argument when it is no number.
  double spacing() const;
  // Status panels 0, 1, 2 and the spacing 1.5 heights.
  void showStyle(const std::u16string& styleName, const std::u16string& fontFile, double height);

  // --- handlers ---
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  void BitBtn1Click();
  void btnRClick();
  void btnLClick();
  void btnOPenClick();
  void btnSaveClick();
  void CheckBox1Click();
  void SpinButton1UpClick();
  void SpinButton1DownClick();
  void insertAtCaret(std::u16string_view text);  // ToolButton3/7/8Click

 private:
  void stepSpacing(double step);

  settings::IniSettings& Rinistr_;
  MtextState& state_;
};

}  // namespace vrn::editing
