#pragma once
// ToolButton: a tool-bar button that never takes the focus, so a click
// leaves the caret where it is. Check buttons stay down when pressed;
// check buttons with the same non-zero group index form a group in which
// pressing one releases the others, and (unless allowAllUp) pressing the
// one that is down keeps it down. A drop-down button opens its menu from
// its arrow; a click on the button itself runs onClick.

#include <functional>

#include "ui/control.h"

namespace vrn::ui {

class PopupMenu;

enum class ToolButtonStyle { Button, Check, DropDown, Separator };

class ToolButton : public Control {
 public:
  ToolButton(Form& form, std::string name, ToolButtonStyle style = ToolButtonStyle::Button)
      : Control(form, std::move(name)), style_(style) {}

  ToolButtonStyle style() const { return style_; }
  const std::u16string& caption() const { return caption_; }
  void setCaption(std::u16string caption);
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int group) { groupIndex_ = group; }
  bool allowAllUp() const { return allowAllUp_; }
  void setAllowAllUp(bool allow) { allowAllUp_ = allow; }
  // The program sets the state: the group follows, no event fires.
  bool down() const { return down_; }
  void setDown(bool down);
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int index);
  PopupMenu* dropdownMenu() const { return dropdownMenu_; }
  void setDropdownMenu(PopupMenu* menu) { dropdownMenu_ = menu; }

  std::function<void()> onClick;

  // A press: a check button changes its state first, then onClick runs.
  void click();
  void userClick();

  // Caption, Down, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  ToolButtonStyle style_;
  std::u16string caption_;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
  int imageIndex_ = -1;
  PopupMenu* dropdownMenu_ = nullptr;
};

}  // namespace vrn::ui
