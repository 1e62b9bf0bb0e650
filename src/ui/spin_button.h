#pragma once
// SpinButton: two arrows, up and down. It takes no focus, so the caret
// stays in the edit box beside it.

#include <functional>

#include "ui/control.h"

namespace vrn::ui {

class SpinButton : public Control {
 public:
  SpinButton(Form& form, std::string name) : Control(form, std::move(name)) {}

  std::function<void()> onUpClick;
  std::function<void()> onDownClick;

  void userClickUp() {
    userInput([this] {
      if (onUpClick) onUpClick();
    });
  }
  void userClickDown() {
    userInput([this] {
      if (onDownClick) onDownClick();
    });
  }
};

}  // namespace vrn::ui
