#pragma once
// TfrmDemo: a small form in the style of the system's forms, to run the
// scripted user end to end: an edit box with a status bar that counts its
// characters, OK (default) that refuses an empty text, Cancel, a Save tool
// button that asks Yes/No/Cancel, a 100 ms timer that counts ticks while
// the form shows, and a log of its handlers.

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/message_box.h"
#include "ui/property_text.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tool_button.h"

namespace vrn::test {

class TfrmDemo : public ui::Form {
 public:
  explicit TfrmDemo(ui::Toolkit& toolkit) : Form(toolkit, "TfrmDemo") {
    setCaption(u"Demo");
    setBounds({0, 100, 400, 150});
    btnOk.setDefault(true);
    btnOk.setModalResult(ui::ModalResult::OK);
    BitBtn2.setCancel(true);
    BitBtn2.setModalResult(ui::ModalResult::Cancel);
    btnSave.setHint(u"Save");
    StatusBar1.addPanel({u"", 100, ui::Alignment::Center});
    StatusBar1.addPanel({u"0", 50, ui::Alignment::Left});
    onCreate = [this] { FormCreate(); };
    onShow = [this] { FormShow(); };
    onClose = [this] { FormClose(); };
    onDestroy = [this] { FormDestroy(); };
    Edit1.onChange = [this] { Edit1Change(); };
    btnOk.onClick = [this] { btnOkClick(); };
    BitBtn2.onClick = [this] { BitBtn2Click(); };
    btnSave.onClick = [this] { btnSaveClick(); };
    Timer1.onTimer = [this] { Timer1Timer(); };
  }

  ui::Edit Edit1{*this, "Edit1"};
  ui::Button btnOk{*this, "btnOk", u"OK"};
  ui::Button BitBtn2{*this, "BitBtn2", u"Cancel"};
  ui::ToolButton btnSave{*this, "btnSave"};
  ui::StatusBar StatusBar1{*this, "StatusBar1"};
  ui::Timer Timer1{*this, "Timer1", 100, false};

  std::vector<std::string> log;
  std::u16string saved;
  int ticks = 0;

  void FormCreate() {
    log.push_back("FormCreate");
    centreOnPointerMonitor();
  }
  void FormShow() {
    log.push_back("FormShow");
    Timer1.setEnabled(true);
  }
  void FormClose() {
    log.push_back("FormClose");
    Timer1.setEnabled(false);
  }
  void FormDestroy() { log.push_back("FormDestroy"); }
  void Edit1Change() {
    StatusBar1.setPanelText(1, ui::propertyText(static_cast<int>(Edit1.text().size())));
  }
  void btnOkClick() {
    log.push_back("btnOkClick");
    if (Edit1.text().empty()) throw std::runtime_error("Type a text first.");
  }
  void BitBtn2Click() { log.push_back("BitBtn2Click"); }
  void btnSaveClick() {
    ui::ModalResult answer = ui::messageBox(toolkit(), {u"Save the text?",
                                                        u"Demo",
                                                        ui::MessageButtons::YesNoCancel,
                                                        ui::MessageIcon::Question,
                                                        {}});
    if (answer == ui::ModalResult::Yes) saved = Edit1.text();
    if (answer == ui::ModalResult::Cancel) close();
  }
  void Timer1Timer() {
    ++ticks;
    StatusBar1.setPanelText(0, u"ticks " + ui::propertyText(ticks));
  }
};

}  // namespace vrn::test
