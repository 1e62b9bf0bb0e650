#pragma once
// TfrmFontConvert: the font converter's window. The fonts of the drawing's
// text styles are listed with ticks; the Convert page moves the texts of
// the ticked fonts to another style (and so to another font type), the
// Remap page changes only their letter codes, optionally reversing them.
// Each walk is one undo step; afterwards the lists are loaded again from
// the drawing, so the ticks and the chosen style are cleared.

#include <functional>
#include <string>
#include <vector>

#include "drawing_ops/font_converter.h"
#include "drawing_ops/form_walk.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"

namespace vrn::drawing_ops {

class TfrmFontConvert : public ui::Form {
 public:
  // reverseTTF: the setting ReverseTTF, for texts converted to a TrueType style.
  TfrmFontConvert(ui::Toolkit& toolkit, host::Ref document, FontTypeOf typeOf, bool reverseTTF);

  ui::CheckListBox lstFonts{*this, "lstFonts"};  // sorted, one line per font file
  ui::Button btnSelectAll{*this, "btnSelectAll", u"Selct All"};
  ui::Button btnUnselectAll{*this, "btnUnselectAll", u"Unselect All"};
  ui::PageControl PageControl1{*this, "PageControl1"};
  ui::TabSheet tsConvert{*this, "tsConvert", u"Convert Fonts"};
  ui::Label Label1{
      *this, "Label1",
      u"Convertt selected fonts  to the  font, specified  by the Style from right Combobox "};
  ui::CheckBox cbRightToLeft{*this, "cbRightToLeft", u"Change Right to Left order"};
  ui::Label Label2{*this, "Label2", u"Style to convert"};
  ui::ComboBox cbStyles{*this, "cbStyles", ui::ComboStyle::DropDownList};
  ui::Button btnConvert{*this, "btnConvert", u"Convert \u00BB"};
  ui::Button btnClose{*this, "btnClose", u"Close"};
  ui::TabSheet tsRemap{*this, "tsRemap", u"Convert Font's Mapping"};
  ui::RadioGroup rgMapping{*this, "rgMapping", u"Mapping"};
  ui::CheckBox cbReverse{*this, "cbReverse", u"Reverse"};
  ui::Button btnRemap{*this, "btnRemap", u"Remap to \u00BB"};
  ui::Button btnClose2{*this, "btnClose2", u"Close"};
  ui::Label Animate1{*this, "Animate1", {}};  // the activity indicator

  void FormShow();
  void btnSelectAllClick();
  void btnUnselectAllClick();
  void btnConvertClick();
  void btnRemapClick();

 private:
  void loadStyleLists();
  void tickAll(bool ticked);
  std::vector<std::u16string> tickedFonts() const;
  fntType remapTarget() const;
  // The walk's tally; the lists are loaded again on every way out.
  WalkTally walkThenReload(const std::function<WalkTally()>& walk);

  host::Ref document_;
  FontTypeOf typeOf_;
  bool reverseTTF_;
  FormWalk walk_{*this, Animate1};
};

}  // namespace vrn::drawing_ops
