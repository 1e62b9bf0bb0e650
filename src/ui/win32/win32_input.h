#pragma once
// Win32Input: a scripted user's hands on real windows. Keys go to the
// focused control's window as WM_KEYDOWN and WM_CHAR (with the modifiers
// set in the thread's keyboard state), clicks as BM_CLICK, a combo box's
// or list box's choice as CB_SETCURSEL / LB_SETCURSEL with its
// CBN_SELCHANGE / LBN_SELCHANGE, a tab as TCM_SETCURSEL with TCN_SELCHANGE,
// a tree node as TVM_SELECTITEM, a grid cell as its list view's NM_CLICK,
// a cell's edit typed into the cell's editor and Enter, a drag onto a
// row's label or below the last row as TVN_BEGINDRAG and the button let go
// there, the close box as WM_CLOSE; the window then feeds the seam as it
// does for a person.
// `wait` pumps messages for that long, so real timers fire. `layout`
// switches the system layout; where the system cannot (Wine keeps the X
// keyboard's locale), the keys still type by the layout asked for. The other
// actions (set on edit boxes, select, caret, menus, expect) go to the seam.

#include <windows.h>

#include <optional>

#include "ui/user_input.h"

namespace vrn::ui::win32 {

class ControlWindow;
class Win32Toolkit;

class Win32Input final : public UserInput {
 public:
  explicit Win32Input(Win32Toolkit& toolkit) : toolkit_(toolkit) {}

  std::uint16_t activeLanguage() const override;
  bool activateLayout(std::uint16_t language) override;
  void wait(int ms) override;

  void keystroke(Form& form, KeyEvent key, char16_t character) override;
  void click(Button& button) override;
  void click(ToolButton& button) override;
  void click(CheckBox& box) override;
  void choose(ComboBox& combo, int index) override;
  void choose(ListBox& list, int index) override;
  void choose(RadioGroup& group, int index) override;
  void choose(PageControl& pages, int index) override;
  void choose(TreeView& tree, TreeNode& node) override;
  bool clickCell(StringGrid& grid, int col, int row) override;
  bool editCell(StringGrid& grid, const std::u16string& text) override;
  void drag(TreeView& tree, TreeNode& source, TreeNode* target, HitPart part) override;
  void close(Form& form) override;
  void settle(Form& form) override;

  // Delivers every message waiting for the thread; timers only when asked
  // (between a script's lines no time passes for them, as on the virtual
  // clock; they fire while the script waits).
  static void pump(bool timers = false);

 private:
  HWND windowOf(Control& control) const;
  ControlWindow* controlWindow(Control& control) const;

  Win32Toolkit& toolkit_;
  std::optional<std::uint16_t> typingLanguage_;
};

}  // namespace vrn::ui::win32
