#pragma once
// Form: a modal window and the components on it. Forms are classes named T...
// that derive from Form, hold their components as members and bind the
// events to handlers named after component and event:
//
//   class TfrmDemo : public ui::Form {
//    public:
//     explicit TfrmDemo(ui::Toolkit& toolkit) : Form(toolkit, "TfrmDemo") {
//       btnOk.onClick = [this] { btnOkClick(); };
//       onShow = [this] { FormShow(); };
//     }
//     ui::Edit Edit1{*this, "Edit1"};
//     ui::Button btnOk{*this, "btnOk", u"OK"};
//     void btnOkClick();
//     void FormShow();
//   };
//
//   ui::OwnedForm<TfrmDemo> form(toolkit);   // onCreate
//   if (form->showModal() == ui::ModalResult::OK) use(form->Edit1.text());
//                                            // onDestroy when form goes
//
// The modal loop's rules, the same on every backend:
//   - user input runs as one unit (userInput): an exception escaping a
//     handler is shown in an error box and the form stays open (a close or
//     modal result requested in that input is dropped); host::SilentAbort
//     is dropped without a box;
//   - Close requested inside a handler (close(), setModalResult, a button
//     with a modal result) takes effect after the outermost handler
//     returns: then onClose runs and the form stops showing; an error in
//     onClose is shown, and the form closes all the same;
//   - a button's modal result is set before its onClick runs, so the
//     handler may set it back to None to keep the form open;
//   - controls keep their state after the form closes, until it is
//     destroyed, and a form may be shown again.

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/modal_result.h"
#include "ui/toolkit.h"

namespace vrn::ui {

class Button;

class Form {
 public:
  Form(Toolkit& toolkit, std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  Toolkit& toolkit() const { return toolkit_; }
  // The form's class name, as scripts and transcripts name it.
  const std::string& name() const { return name_; }

  const std::u16string& caption() const { return caption_; }
  void setCaption(std::u16string caption);
  Rect bounds() const { return bounds_; }
  // onResize runs when the width or height changes, whoever changed it.
  void setBounds(Rect bounds);
  void setLeft(int left) { setBounds({left, bounds_.top, bounds_.width, bounds_.height}); }
  void setTop(int top) { setBounds({bounds_.left, top, bounds_.width, bounds_.height}); }
  void setWidth(int width) { setBounds({bounds_.left, bounds_.top, width, bounds_.height}); }
  void setHeight(int height) { setBounds({bounds_.left, bounds_.top, bounds_.width, height}); }
  bool keyPreview() const { return keyPreview_; }
  void setKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }

  // --- life ---
  // onCreate and onDestroy, once each; OwnedForm calls them.
  void create();
  void destroy();
  // onShow (the form is not yet showing while it runs: focus set there is
  // only recorded), then the focus enters the active control, or else the
  // first control that can take it, and the backend's loop runs until the
  // form closes. An exception from onShow leaves the form closed and
  // propagates.
  ModalResult showModal();
  bool showing() const { return showing_; }
  ModalResult modalResult() const { return modalResult_; }
  // Anything but None closes the form (see the rules above); None cancels
  // a close requested earlier in the same input.
  void setModalResult(ModalResult result);
  // Closes with the result Cancel unless another result is already set.
  void close();

  // --- placement ---
  // left := monitor left + (monitor width - form width) / 2, on the monitor
  // under the mouse pointer; the top is kept.
  void centreOnPointerMonitor();
  // Moves the form the least needed to lie on the monitor under the
  // pointer (its top-left corner at least, when it is larger).
  void keepOnMonitor();
  void bringToFront() { toolkit_.bringToFront(*this); }

  // --- focus and components ---
  Control* activeControl() const { return activeControl_; }
  // Program focus: onExit of the old control and onEnter of the new one
  // while the form shows; before that only recorded.
  void setActiveControl(Control* control);
  // By name, case-insensitive; null when there is none.
  Component* find(std::string_view name) const;
  const std::vector<Component*>& components() const { return components_; }
  // The default (Enter) and cancel (Escape) buttons that can be pressed now.
  Button* defaultButton() const;
  Button* cancelButton() const;

  std::function<void()> onCreate;
  std::function<void()> onShow;
  std::function<void()> onClose;
  std::function<void()> onDestroy;
  std::function<void()> onResize;
  // With key preview, the form sees keys before the focused control.
  std::function<void(KeyEvent&)> onKeyDown;
  std::function<void(char16_t&)> onKeyPress;

  // --- user input: backends call these (see the rules above) ---
  void userInput(const std::function<void()>& action);
  // A key press and its character (0 for none), as one input.
  void userKeystroke(KeyEvent key, char16_t character);
  // The two halves, for backends that get them apart (WM_KEYDOWN, WM_CHAR).
  // userKeyDown returns whether the key's character may follow; when it
  // returns false the backend drops that character.
  bool userKeyDown(KeyEvent key);
  void userKeyChar(char16_t character);
  // The window's close box.
  void userClose();
  // The user drags the window's frame.
  void userResize(int width, int height);
  // The user moves the focus (Tab, a click); false when it stayed where it
  // was (the old control's onExit failed, or the control cannot take it).
  bool userFocus(Control& control, FocusCause cause);

  void setPeer(Peer* peer) { peer_ = peer; }
  Peer* peer() const { return peer_; }

  // Caption, Left, Top, Width, Height, Showing, ModalResult, ActiveControl.
  std::optional<std::u16string> property(std::string_view name) const;

 private:
  friend class Component;
  void adopt(Component& component);
  void release(Component& component);

  bool routeKeyDown(KeyEvent& key);
  void routeKeyChar(char16_t character);
  bool dialogKey(const KeyEvent& key, Control* target);
  void focusNext(bool backwards);
  bool moveFocus(Control* control, FocusCause cause);
  void requestClose();
  void finishClose();
  void changed(Aspect aspect) const {
    if (peer_) peer_->changed(aspect);
  }

  Toolkit& toolkit_;
  std::string name_;
  std::u16string caption_;
  Rect bounds_;
  bool keyPreview_ = false;
  std::vector<Component*> components_;
  Control* activeControl_ = nullptr;
  bool created_ = false;
  bool destroyed_ = false;
  bool showing_ = false;
  bool closePending_ = false;
  int inputDepth_ = 0;
  ModalResult modalResult_ = ModalResult::None;
  Peer* peer_ = nullptr;
};

}  // namespace vrn::ui
