#pragma once
// Edit: a single-line edit box (also the VCL's mask edit without a mask).
// Enter and Escape are not its keys: they go to the default and cancel
// buttons. With autoSelect (the default) the focus arriving by keyboard
// or program selects the whole text; a click does not.

#include "ui/text_box.h"

namespace vrn::ui {

enum class Alignment { Left, Right, Center };

class Edit : public TextBox {
 public:
  Edit(Form& form, std::string name) : TextBox(form, std::move(name), false) {}

  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment alignment);
  bool autoSelect() const { return autoSelect_; }
  void setAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
  // The grey text shown while the box is empty ("Put Number here").
  const std::u16string& placeholder() const { return placeholder_; }
  void setPlaceholder(std::u16string text);

  void focusGained(FocusCause cause) override;

 private:
  Alignment alignment_ = Alignment::Left;
  bool autoSelect_ = true;
  std::u16string placeholder_;
};

}  // namespace vrn::ui
