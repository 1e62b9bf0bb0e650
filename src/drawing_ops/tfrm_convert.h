#pragma once
// TfrmConvert: the Revit copy's window. The base drawing (the one active
// when the window opens) is named once; "Save As and Convert" saves the
// active drawing under the name in the box, converts its texts for Revit
// and saves it again, so the base file on disk stays as it was last saved.
// The copy never replaces the base, a base without a file is refused, and
// an existing file is replaced only when the user agrees.

#include <string>

#include "drawing_ops/font_converter.h"
#include "drawing_ops/form_walk.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/label.h"

namespace vrn::drawing_ops {

class TfrmConvert : public ui::Form {
 public:
  // reverseTTF: the setting ReverseTTF, shown in the hidden check box and
  // stored back when the window goes.
  TfrmConvert(ui::Toolkit& toolkit, host::Ref application, FontTypeOf typeOf, bool& reverseTTF);

  ui::Label Label1{*this, "Label1", u"Save converted  as:"};
  ui::Edit Edit1{*this, "Edit1"};  // the copy's file name
  ui::Button btnBrowse{*this, "btnBrowse", u"..."};
  ui::Label Animate1{*this, "Animate1", {}};  // the activity indicator
  ui::Button btnSave{*this, "btnSave", u"Save"};
  ui::Button btnSaveAsConvert{*this, "btnSaveAsConvert", u"Save As and Convert"};
  ui::Button btnReload{*this, "btnReload", u"Reload  base DWG"};
  ui::Button btnCancel{*this, "btnCancel", u"CANCEL"};
  ui::CheckBox cbReverse{*this, "cbReverse", u"Reverse Output Text"};  // hidden
  ui::SaveDialog SaveDialog1{*this, "SaveDialog1"};

  // The base drawing's full name; empty when it has no file yet.
  const std::u16string& thisName() const { return thisName_; }

  void FormShow();
  void FormDestroy();
  void btnBrowseClick();
  void btnSaveClick();
  void btnSaveAsConvertClick();
  void btnReloadClick();

 private:
  host::Ref activeDocument() const;
  // Whether the copy may be saved as target; tells the user why not.
  bool targetAccepted(const std::u16string& target);

  host::Ref application_;
  FontTypeOf typeOf_;
  bool& reverseTTF_;
  std::u16string thisName_;
  FormWalk walk_{*this, Animate1};
};

}  // namespace vrn::drawing_ops
