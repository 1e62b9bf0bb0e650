#pragma once
// UserInput: how a scripted user's actions reach a backend's forms. The
// defaults call the seam's user entry points directly (the headless
// backend); the Windows backend sends real window messages instead, so
// the same script also exercises its windows. Actions without an entry
// here (set, select, expect...) go to the seam on every backend.

#include <cstdint>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"
#include "ui/string_grid.h"
#include "ui/tool_button.h"
#include "ui/tree_view.h"

namespace vrn::ui {

class UserInput {
 public:
  virtual ~UserInput() = default;

  // The keyboard layout the user types with, and switching it (false when
  // that layout is not installed).
  virtual std::uint16_t activeLanguage() const = 0;
  virtual bool activateLayout(std::uint16_t language) = 0;
  // Lets ms milliseconds pass, firing the timers that fall due.
  virtual void wait(int ms) = 0;

  virtual void keystroke(Form& form, KeyEvent key, char16_t character) {
    form.userKeystroke(key, character);
  }
  virtual void click(Button& button) { button.userClick(); }
  virtual void click(ToolButton& button) { button.userClick(); }
  virtual void click(CheckBox& box) { box.userClick(); }
  virtual void choose(ComboBox& combo, int index) { combo.userChoose(index); }
  virtual void choose(ListBox& list, int index) { list.userChoose(index); }
  virtual void choose(RadioGroup& group, int index) { group.userChoose(index); }
  virtual void choose(PageControl& pages, int index) { pages.userChoose(index); }
  virtual void choose(TreeView& tree, TreeNode& node) { tree.userSelect(node); }
  // Whether the grid took the click or the edit of its selected cell.
  virtual bool clickCell(StringGrid& grid, int col, int row) {
    return grid.userSelectCell(col, row);
  }
  virtual bool editCell(StringGrid& grid, const std::u16string& text) {
    return grid.userEditCell(text);
  }
  virtual void drag(TreeView& tree, TreeNode& source, TreeNode* target, HitPart part) {
    tree.userDrag(source, target, part);
  }
  virtual void close(Form& form) { form.userClose(); }
  // After each line: lets the backend deliver what the line caused.
  virtual void settle(Form&) {}
};

}  // namespace vrn::ui
