#pragma once
// Control: a component with a place on the form. It carries what every
// control has (bounds, visibility, enabled state, hint, font, reading
// direction, its container, a pop-up menu) and the events of focus, keys
// and the mouse.
//
// Keys reach the focused control through its form (Form::userKeyDown and
// userKeyChar), in this order:
//
//   1. the form's onKeyDown when it has key preview, then the control's
//      onKeyDown; either may swallow the key (KeyEvent::swallow), and then
//      nothing else happens for it;
//   2. Enter goes to the focused push button or else the default button,
//      Escape to the cancel button, Tab to the next control, unless the
//      control takes that key itself (wantsKey: a memo takes Enter);
//   3. the control's own reaction to the key (defaultKeyDown: arrows,
//      Delete, clipboard keys);
//   4. for a key that types a character, Backspace, and Enter and Escape
//      that no button took: the form's and then the control's onKeyPress,
//      which may change the character or swallow it (set it to 0);
//   5. the control's own reaction to the character (defaultKeyChar).

#include <functional>

#include "ui/component.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/keys.h"
#include "ui/peer.h"

namespace vrn::ui {

class PopupMenu;

// How the focus arrived: a click does not select an edit box's text, the
// keyboard and the program do.
enum class FocusCause { Program, Keyboard, Mouse };

class Control : public Component {
 public:
  Rect bounds() const { return bounds_; }
  void setBounds(Rect bounds);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  const std::u16string& hint() const { return hint_; }
  void setHint(std::u16string hint);
  const Font& font() const { return font_; }
  void setFont(Font font);
  // Presentation only: carets and selections stay in logical order.
  bool rightToLeft() const { return rightToLeft_; }
  void setRightToLeft(bool rightToLeft);

  // The container (panel, tool bar, page) the control sits in; null for
  // the form itself.
  Control* parent() const { return parent_; }
  void setParent(Control* parent) { parent_ = parent; }
  PopupMenu* popupMenu() const { return popupMenu_; }
  void setPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

  // Shown on screen: visible here and in every container (and on the
  // active page). Reachable: shown and enabled throughout, so a user can
  // get at it.
  virtual bool displayed() const;
  bool reachable() const;

  virtual bool focusable() const { return false; }
  bool canFocus() const { return focusable() && reachable(); }
  bool focused() const;
  // The program moves the focus here (onExit of the old control, then onEnter).
  void setFocus();

  std::function<void()> onEnter;
  std::function<void()> onExit;
  std::function<void(KeyEvent&)> onKeyDown;
  std::function<void(char16_t&)> onKeyPress;
  std::function<void()> onMouseDown;

  // --- the control's own part in key handling (see the top of this file) ---
  virtual bool wantsKey(const KeyEvent&) const { return false; }
  virtual void defaultKeyDown(const KeyEvent&) {}
  virtual void defaultKeyChar(char16_t) {}
  // Called by the form as the focus arrives or leaves, before onEnter / onExit.
  virtual void focusGained(FocusCause) {}
  virtual void focusLost() {}

  void setPeer(Peer* peer) { peer_ = peer; }
  Peer* peer() const { return peer_; }

  // Visible, Enabled, Hint, Left, Top, Width, Height, Focused, FontColor, RightToLeft.
  std::optional<std::u16string> property(std::string_view name) const override;

 protected:
  Control(Form& form, std::string name) : Component(form, std::move(name)) {}
  void changed(Aspect aspect) const {
    if (peer_) peer_->changed(aspect);
  }
  // Runs action as one piece of user input to the form (see Form::userInput).
  void userInput(const std::function<void()>& action) const;

 private:
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  bool rightToLeft_ = false;
  std::u16string hint_;
  Font font_;
  Control* parent_ = nullptr;
  PopupMenu* popupMenu_ = nullptr;
  Peer* peer_ = nullptr;
};

}  // namespace vrn::ui
