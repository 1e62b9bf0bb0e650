#pragma once
// Thtext: the modal one-line editor for a new single-line text, or an
// existing single-line text, dimension text override or block attribute,
// in Hebrew. Every change of the screen editor is converted to the
// drawing's byte form and written into the entity at once; OK writes the
// final text, height, rotation and justification; Cancel sends the host's
// undo command. Each opening is bracketed by an undo mark.
//
//   ui::OwnedForm<Thtext> form(toolkit, services);
//   form->chandle = handle;
//   form->GetinputNewtext();     // or GetinputEdittext()
//   form->showModal();
//
// Two screen editors, one visible: Edit1 (Windows: reading order, right to
// left) and EditDos (DOS: the stored order, left to right, with
// right-to-left typing emulated by moving the caret). The toolbar's
// handlers live in thtext_toolbar.cpp.

#include <array>
#include <cstdint>
#include <string>

#include "editing/host_access.h"
#include "editing/keyboard_language.h"
#include "editing/text_editor_state.h"
#include "host/ref.h"
#include "settings/ini_settings.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/spin_button.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tool_button.h"

namespace vrn::encoding {
class TfrmFonts;
}

namespace vrn::editing {

// The captions of the form.
namespace thtext_text {
inline constexpr char16_t windowsEditor[] = u"Windows Screen Editor";
inline constexpr char16_t dosEditor[] = u"Dos Screen Editor";
}  // namespace thtext_text

struct ThtextServices {
  encoding::TfrmFonts& fonts;
  settings::IniSettings& Rinistr;
  HostAccess host;
  TextEditorState& state;
};

class Thtext : public ui::Form {
 public:
  enum class EdKind { edEdit = 0, edNew = 1 };

  Thtext(ui::Toolkit& toolkit, ThtextServices services);

  // --- the two flows (the caller has set chandle) ---
  void GetinputNewtext();
  void GetinputEdittext();

  EdKind edkind = EdKind::edEdit;
  std::u16string chandle;

  // --- components ---
  ui::Edit Edit1{*this, "Edit1"};
  ui::Edit EditDos{*this, "EditDos"};
  ui::Button btnOk{*this, "btnOk", u"OK"};
  ui::Button BitBtn2{*this, "BitBtn2", u"Cancel"};
  ui::Button btnNext{*this, "btnNext", u"New Line"};
  ui::StatusBar StatusBar1{*this, "StatusBar1"};
  ui::ToolButton tbHeb{*this, "tbHeb", ui::ToolButtonStyle::Check};
  ui::ToolButton tbEng{*this, "tbEng", ui::ToolButtonStyle::Check};
  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  ui::ToolButton ToolButton9{*this, "ToolButton9", ui::ToolButtonStyle::DropDown};
  ui::PopupMenu pupSt{*this, "pupSt"};
  ui::ToolButton tbStyle{*this, "tbStyle", ui::ToolButtonStyle::DropDown};
  ui::Edit edH{*this, "edH"};
  ui::Edit edAng{*this, "edAng"};
  ui::ComboBox cbxJust{*this, "cbxJust", ui::ComboStyle::DropDownList};
  ui::Edit edt1{*this, "edt1"};
  ui::SpinButton btn1{*this, "btn1"};
  ui::ToolButton ToolButton10{*this, "ToolButton10"};
  ui::ToolButton tb1{*this, "tb1"}, tb2{*this, "tb2"}, tb3{*this, "tb3"}, tb4{*this, "tb4"},
      tb5{*this, "tb5"}, tb6{*this, "tb6"}, tb7{*this, "tb7"}, tb8{*this, "tb8"}, tb9{*this, "tb9"},
      tb10{*this, "tb10"}, tb11{*this, "tb11"}, tb12{*this, "tb12"}, tb13{*this, "tb13"};
  ui::Timer Timer3{*this, "Timer3", 100, false};

  ui::MenuItem& EditorForNewText;
  ui::MenuItem& WindowsPlain1;
  ui::MenuItem& DOS1;
  ui::MenuItem& previous1;
  ui::MenuItem& WindowsRTF1;
  ui::MenuItem& EditorForEditText;
  ui::MenuItem& WindowsPlain2;
  ui::MenuItem& DOS2;
  ui::MenuItem& previous2;
  ui::MenuItem& WindowsRTF2;
  ui::MenuItem& mnReverseTTF;
  ui::MenuItem& CharSet1;
  ui::MenuItem& ANSI1;
  ui::MenuItem& OEM1;

  // --- fields ---
  std::int32_t pCurLoc = -1;
  bool isHeightCh = false;
  bool isAngCh = false;
  double hhText = 0;
  double hhold = 0;
  bool isSymbolFont = false;
  std::u16string oldtext;
  bool deleteF = false;
  bool isDim = false;
  host::Ref cSt;
  bool edReady = true;
  double HCurText = 0;
  double AngText = 0;
  double AngTextOld = 0;
  std::int32_t curhjust = 0;
  std::int32_t curvjust = 0;
  std::int32_t curhjustold = 0;
  std::int32_t curvjustold = 0;
  std::u16string oldst;
  int FHeight = 0;
  host::Ref eText;  // empty stands for Null
  std::u16string curText;
  std::u16string scrText;
  std::u16string wcurtext;
  bool changeF = true;
  bool doundo = false;
  std::array<ui::ToolButton*, 13> btntArray{};

  KeyboardLanguage keyboard;

  // --- form life ---
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  void FormResize();

  // --- the screen editors ---
  void Edit1Change();
  void Edit1KeyDown(ui::KeyEvent& key);
  void editDosChange();
  void editDosKeyDown(ui::KeyEvent& key);
  void editDosKeyPress(char16_t& key);
  void EditDosMouseDown();

  void btnOkClick();
  void BitBtn2Click();
  void btnNextClick();

  // --- toolbar (thtext_toolbar.cpp) ---
  void tbClick(int j);  // tb1Click .. tb13Click
  void ToolButton10Click();
  void btn1UpClick();
  void btn1DownClick();
  void edHChange();
  void edHExit();
  void edAngChange();
  void edAngExit();
  void cbxJustChange();
  void mnStyleClick(ui::MenuItem& item);
  void WindowsPlain1Click(ui::MenuItem& item);
  void StatusBar1MouseDown(int panel);
  void mnReverseTTFClick();

 private:
  // Opening, shared by both flows.
  void fillStyleMenuAndToolbar();
  void showFontTypeAndCaption(const std::u16string& styleName, const std::u16string& fontFile);
  void showStyleControls();
  void bindEntity();
  void failOpening();
  void saveToSettings();

  // Live writing.
  void writeLive(std::u16string_view editorText);
  void writeText(const std::u16string& text);
  std::u16string toStored(std::u16string_view editorText) const;
  std::u16string toEditor(std::u16string_view stored) const;
  std::u16string storedText() const;
  ui::Edit& activeEdit();
  bool singleLineText() const;

  // Editor choice.
  void applyEditorChoice();
  void switchEditor(ScreenEditor editor);
  void detachChangeHandlers();
  void attachChangeHandlers();

  // Toolbar helpers.
  void refreshSymbolButtons();
  void insertIntoActiveEditor(std::u16string_view text);
  void cycleFontType();
  void applyToolbarProperties();
  void writeAlignmentInPlace(std::int32_t horizontal, std::int32_t vertical);

  encoding::TfrmFonts& fonts_;
  settings::IniSettings& Rinistr_;
  HostAccess host_;
  TextEditorState& state_;
  int linesStarted_ = 0;  // New Line presses of this opening
  std::array<bool, 13> designVisible_{};
};

}  // namespace vrn::editing
