#pragma once
// Containers that group controls (Control::setParent): a panel, a group
// box with a caption, a tool bar of tool buttons. Hiding or disabling a
// container hides or disables what it holds.

#include "ui/label.h"

namespace vrn::ui {

class Panel : public Label {
 public:
  Panel(Form& form, std::string name, std::u16string caption = {})
      : Label(form, std::move(name), std::move(caption)) {}
};

class GroupBox : public Label {
 public:
  GroupBox(Form& form, std::string name, std::u16string caption)
      : Label(form, std::move(name), std::move(caption)) {}
};

class ToolBar : public Label {
 public:
  ToolBar(Form& form, std::string name) : Label(form, std::move(name), {}) {}
};

}  // namespace vrn::ui
