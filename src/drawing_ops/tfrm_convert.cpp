#include "drawing_ops/tfrm_convert.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "ascii/blanks.h"
#include "drawing_ops/revit_copy.h"
#include "host/utf8.h"
#include "ui/message_box.h"

namespace vrn::drawing_ops {
namespace {

// The host's names join folders with backslashes; the file system here
// may want slashes, which Windows takes as well.
std::filesystem::path onDisk(std::u16string name) {
  std::replace(name.begin(), name.end(), u'\\', u'/');
  return std::filesystem::path(name);
}

bool sameFile(const std::u16string& a, const std::u16string& b) {
  const std::filesystem::path pa = onDisk(a);
  const std::filesystem::path pb = onDisk(b);
  std::error_code missing;
  return std::filesystem::equivalent(pa, pb, missing) ||
         pa.lexically_normal() == pb.lexically_normal();
}

bool askedYes(ui::Toolkit& toolkit, std::u16string question) {
  return ui::messageBox(toolkit, {std::move(question),
                                  ui::applicationTitle,
                                  ui::MessageButtons::YesNo,
                                  ui::MessageIcon::Warning,
                                  {}}) == ui::ModalResult::Yes;
}

bool exists(const std::u16string& name) {
  std::error_code ignored;
  return std::filesystem::exists(onDisk(name), ignored);
}

}  // namespace

TfrmConvert::TfrmConvert(ui::Toolkit& toolkit, host::Ref application, FontTypeOf typeOf,
                         bool& reverseTTF)
    : Form(toolkit, "TfrmConvert"),
      application_(std::move(application)),
      typeOf_(std::move(typeOf)),
      reverseTTF_(reverseTTF) {
  setCaption(u"Converting Drawing to REVIT");
  setBounds({0, 200, 460, 170});
  Label1.setBounds({12, 12, 200, 18});
  Edit1.setBounds({12, 32, 400, 24});
  btnBrowse.setBounds({416, 32, 28, 24});
  Animate1.setBounds({12, 66, 432, 18});
  btnSave.setBounds({12, 96, 76, 28});
  btnSaveAsConvert.setBounds({96, 96, 140, 28});
  btnReload.setBounds({244, 96, 116, 28});
  btnCancel.setBounds({368, 96, 76, 28});
  cbReverse.setVisible(false);
  btnCancel.setCancel(true);
  btnCancel.setModalResult(ui::ModalResult::Cancel);
  SaveDialog1.setFilter(u"DWGll files (*.*)|*.DWG");

  // The base is named once: after "Save As and Convert" the active drawing
  // is the copy, and "Reload  base DWG" must still open the base.
  const host::Ref document = activeDocument();
  const std::u16string folder = document.get("Path").toString();
  const std::u16string name = document.get("Name").toString();
  if (!folder.empty()) thisName_ = folder + u"\\" + name;
  Edit1.setText(utf8ToUtf16(revitCopyName(utf16ToUtf8(thisName_.empty() ? name : thisName_))));

  btnBrowse.onClick = [this] { btnBrowseClick(); };
  btnSave.onClick = [this] { btnSaveClick(); };
  btnSaveAsConvert.onClick = [this] { btnSaveAsConvertClick(); };
  btnReload.onClick = [this] { btnReloadClick(); };
  onShow = [this] { FormShow(); };
  onDestroy = [this] { FormDestroy(); };
}

void TfrmConvert::FormShow() {
  centreOnPointerMonitor();
  cbReverse.setChecked(reverseTTF_);
}

void TfrmConvert::FormDestroy() { reverseTTF_ = cbReverse.checked(); }

host::Ref TfrmConvert::activeDocument() const {
  return application_.get("ActiveDocument").toObject();
}

void TfrmConvert::btnBrowseClick() {
  if (walk_.running()) return;
  SaveDialog1.setFileName(onDisk(Edit1.text()));
  if (SaveDialog1.execute()) Edit1.setText(SaveDialog1.fileName().u16string());
}

void TfrmConvert::btnSaveClick() {
  if (walk_.running()) return;
  activeDocument().call("Save");
}

void TfrmConvert::btnReloadClick() {
  if (walk_.running() || thisName_.empty()) return;
  if (!activeDocument().get("Saved").toBool()) return;
  application_.obj("Documents").call("Open", thisName_);
}

bool TfrmConvert::targetAccepted(const std::u16string& target) {
  if (thisName_.empty()) {
    ui::showMessage(toolkit(), u"The drawing has no file yet: save it before converting it.");
    return false;
  }
  if (target.empty()) {
    ui::showMessage(toolkit(), u"Give the converted drawing a file name.");
    return false;
  }
  if (sameFile(target, thisName_)) {
    ui::showMessage(toolkit(),
                    u"The converted drawing cannot replace the base drawing: give it another "
                    u"name.");
    return false;
  }
  if (!exists(target)) return true;
  return askedYes(toolkit(), target + u" already exists.\r\nReplace it?");
}

void TfrmConvert::btnSaveAsConvertClick() {
  walk_.run([this](const WalkProgress& progress) {
    const std::u16string target(trimBlanks(std::u16string_view(Edit1.text())));
    if (!targetAccepted(target)) return;
    const host::Ref document = activeDocument();
    if (!document.get("Saved").toBool() &&
        askedYes(toolkit(), u"Base DWG not saved.\r\nPress \"Yes\" to save it.")) {
      document.call("Save");
    }
    document.call("SaveAs", target);
    const WalkTally tally = convertForRevit(document, typeOf_, cbReverse.checked(), progress);
    document.call("Regen", std::int32_t{1});
    document.call("Save");
    ui::showMessage(toolkit(), finishedMessage(u"Conversion finished", tally));
  });
}

}  // namespace vrn::drawing_ops
