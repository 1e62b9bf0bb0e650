#pragma once
// Win32Input: a scripted user's hands on real windows. Keys go to the
// focused control's window as WM_KEYDOWN and WM_CHAR (with the modifiers
// set in the thread's keyboard state), clicks as BM_CLICK, a combo box's
// choice as CB_SETCURSEL with its CBN_SELCHANGE, the close box as
// WM_CLOSE; the window then feeds the seam as it does for a person.
// `wait` pumps messages for that long, so real timers fire. `layout`
// switches the system layout; where the system cannot (Wine keeps the X
// keyboard's locale), the keys still type by the layout asked for. The other
// actions (set, select, caret, menus, grids, expect) go to the seam.

#include <windows.h>

#include <optional>

#include "ui/user_input.h"

namespace vrn::ui::win32 {

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
  void close(Form& form) override;
  void settle(Form& form) override;

  // Delivers every message waiting for the thread; timers only when asked
  // (between a script's lines no time passes for them, as on the virtual
  // clock; they fire while the script waits).
  static void pump(bool timers = false);

 private:
  HWND windowOf(Control& control) const;

  Win32Toolkit& toolkit_;
  std::optional<std::uint16_t> typingLanguage_;
};

}  // namespace vrn::ui::win32
