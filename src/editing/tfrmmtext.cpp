#include "editing/tfrmmtext.h"

#include "editing/number_field.h"
#include "encoding/keyboard_switch.h"
#include "encoding/text_file.h"
#include "platform/general_number_format.h"

namespace vrn::editing {
namespace {

constexpr char16_t kTextFilter[] = u"Text files(*.txt)|*.txt|All files|*.*";
constexpr double kSpacingInHeights = 1.5;
constexpr double kSpinStepInHeights = 0.1;
constexpr int kShownDigits = 5;

std::u16string general(double value) {
  return platform::generalNumberText(value, kShownDigits, u'.');
}

}  // namespace

Tfrmmtext::Tfrmmtext(ui::Toolkit& toolkit, settings::IniSettings& Rinistr, MtextState& state)
    : Form(toolkit, "Tfrmmtext"),
      keyboard(tbHeb, btnEng, Timer2),
      Rinistr_(Rinistr),
      state_(state) {
  setCaption(u"Tfrmmtext");
  setBounds({0, 0, 620, 420});
  // The tool buttons line up along the top; the memo fills the rest.
  CheckBox1.setBounds({8, 32, 80, 22});
  MaskEdit1.setBounds({96, 32, 50, 22});
  SpinButton1.setBounds({146, 32, 16, 22});
  Memo1.setBounds({8, 60, 596, 270});
  BitBtn1.setBounds({436, 338, 80, 28});
  BitBtn3.setBounds({524, 338, 80, 28});
  setKeyPreview(true);
  Memo1.setRightToLeft(true);
  Memo1.setScrollBars(ui::ScrollBars::Both);
  tbHeb.setHint(u"Hebrew");
  btnEng.setHint(u"English");
  tbHeb.setGroupIndex(1);
  btnEng.setGroupIndex(1);
  tbHeb.setDown(true);
  btnCopy.setHint(u"&Copy");
  btnCut.setHint(u"Cu&t");
  btnPaste.setHint(u"&Paste");
  btnUndo.setHint(u"Undo");
  btnR.setHint(u"Align Right");
  btnL.setHint(u"Align Left");
  btnR.setGroupIndex(2);
  btnL.setGroupIndex(2);
  btnR.setDown(true);
  btnOPen.setHint(u"Import from file");
  btnSave.setHint(u"Export to file");
  OpenDialog1.setFilter(kTextFilter);
  SaveDialog1.setFilter(kTextFilter);
  CheckBox1.setChecked(true);
  StatusBar1.addPanel({u"", 120});
  StatusBar1.addPanel({u"", 120});
  StatusBar1.addPanel({u"", 50});
  // OK is no default button: Enter breaks the memo's line.
  BitBtn1.setModalResult(ui::ModalResult::OK);
  BitBtn3.setModalResult(ui::ModalResult::Cancel);

  onCreate = [this] { FormCreate(); };
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  onDestroy = [this] { FormDestroy(); };
  tbHeb.onClick = [this] { keyboard.hebrewClick(); };
  btnEng.onClick = [this] { keyboard.englishClick(); };
  Timer2.onTimer = [this] { keyboard.timerTick(); };
  btnCopy.onClick = [this] { Memo1.copyToClipboard(); };
  btnCut.onClick = [this] { Memo1.cutToClipboard(); };
  btnPaste.onClick = [this] { Memo1.pasteFromClipboard(); };
  btnUndo.onClick = [this] { Memo1.undo(); };
  btnR.onClick = [this] { btnRClick(); };
  btnL.onClick = [this] { btnLClick(); };
  btnOPen.onClick = [this] { btnOPenClick(); };
  btnSave.onClick = [this] { btnSaveClick(); };
  CheckBox1.onClick = [this] { CheckBox1Click(); };
  SpinButton1.onUpClick = [this] { SpinButton1UpClick(); };
  SpinButton1.onDownClick = [this] { SpinButton1DownClick(); };
  ToolButton3.onClick = [this] { insertAtCaret(u"%%d"); };
  ToolButton7.onClick = [this] { insertAtCaret(u"%%p"); };
  ToolButton8.onClick = [this] { insertAtCaret(u"%%c"); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
}

void Tfrmmtext::setAlignRight(bool right) {
  btnR.setDown(right);
  btnL.setDown(!right);
  Memo1.setRightToLeft(right);
}

double Tfrmmtext::spacing() const { return parseNumber(MaskEdit1.text()); }

void Tfrmmtext::showStyle(const std::u16string& styleName, const std::u16string& fontFile,
                          double height) {
  StatusBar1.setPanelText(0, styleName);
  StatusBar1.setPanelText(1, fontFile);
  StatusBar1.setPanelText(2, general(height));
  MaskEdit1.setText(general(kSpacingInHeights * height));
}

void Tfrmmtext::FormCreate() {
  centreOnPointerMonitor();
  CheckBox1.setChecked(Rinistr_.expld != 0);
  keyboard.installHook();
}

void Tfrmmtext::FormShow() {
  bringToFront();
  keyboard.startHebrew();
  CheckBox1Click();
  Memo1.setFocus();
}

void Tfrmmtext::FormClose() {
  // The hook goes first, so that switching back is no language change of ours.
  keyboard.removeHook();
  encoding::SetKeyboardEnglish();
}

void Tfrmmtext::FormDestroy() {
  Rinistr_.expld = CheckBox1.checked() ? -1 : 0;
  keyboard.removeHook();
}

// A spacing that is no number must stop OK before any operation starts
// writing: the exception keeps the form open and shows the reason.
void Tfrmmtext::BitBtn1Click() {
  if (CheckBox1.checked()) spacing();
}

void Tfrmmtext::btnRClick() { Memo1.setRightToLeft(true); }
void Tfrmmtext::btnLClick() { Memo1.setRightToLeft(false); }

void Tfrmmtext::btnOPenClick() {
  if (OpenDialog1.execute()) Memo1.setLines(encoding::readTextLines(OpenDialog1.fileName()));
}

void Tfrmmtext::btnSaveClick() {
  if (SaveDialog1.execute()) encoding::writeTextLines(SaveDialog1.fileName(), Memo1.lines());
}

void Tfrmmtext::CheckBox1Click() {
  MaskEdit1.setEnabled(CheckBox1.checked());
  SpinButton1.setEnabled(CheckBox1.checked());
}

void Tfrmmtext::stepSpacing(double step) { MaskEdit1.setText(general(spacing() + step)); }
void Tfrmmtext::SpinButton1UpClick() { stepSpacing(state_.MtextHeight * kSpinStepInHeights); }
void Tfrmmtext::SpinButton1DownClick() { stepSpacing(-state_.MtextHeight * kSpinStepInHeights); }

void Tfrmmtext::insertAtCaret(std::u16string_view text) { Memo1.setSelText(text); }

}  // namespace vrn::editing
