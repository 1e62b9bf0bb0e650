#pragma once
// Button: a push button that takes the focus. A press sets the form's modal
// result (when the button has one) and then runs onClick. The default
// button is pressed by Enter and the cancel button by Escape, from
// wherever the focus is, unless the focused control takes that key; a
// focused button is pressed by Enter and Space itself.

#include <functional>

#include "ui/control.h"
#include "ui/modal_result.h"

namespace vrn::ui {

class Button : public Control {
 public:
  Button(Form& form, std::string name, std::u16string caption)
      : Control(form, std::move(name)), caption_(std::move(caption)) {}

  const std::u16string& caption() const { return caption_; }
  void setCaption(std::u16string caption);
  bool isDefault() const { return default_; }
  void setDefault(bool isDefault) { default_ = isDefault; }
  bool isCancel() const { return cancel_; }
  void setCancel(bool isCancel) { cancel_ = isCancel; }
  ModalResult modalResult() const { return modalResult_; }
  void setModalResult(ModalResult result) { modalResult_ = result; }

  std::function<void()> onClick;

  // A press, from the program or from a key: modal result, then onClick.
  void click();
  // The user clicks it: the focus moves here first, and when the control
  // left behind refuses (its onExit fails), nothing is pressed.
  void userClick();

  bool focusable() const override { return true; }
  void defaultKeyChar(char16_t character) override;
  // Caption, Default, Cancel, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  std::u16string caption_;
  bool default_ = false;
  bool cancel_ = false;
  ModalResult modalResult_ = ModalResult::None;
};

}  // namespace vrn::ui
