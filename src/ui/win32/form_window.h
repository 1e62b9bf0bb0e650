#pragma once
// FormWindow: a form shown as a top-level window owned by the host's
// window, with a ControlWindow for each of its controls. Created when the
// modal loop starts and destroyed, with every window, font and menu it
// made, when the loop ends.
//
// Hints show as tool tips.
//
// Controls without a place of their own on the design (tool buttons, the
// tool bar's fields, buttons without bounds) are laid out in a tool strip
// along the top: tool items from the left, push buttons from the right.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/win32/control_window.h"

namespace vrn::ui::win32 {

class FormWindow final : public Peer {
 public:
  FormWindow(Form& form, HWND owner);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  void changed(Aspect aspect) override;

  Form& form() const { return form_; }
  HWND window() const { return window_; }
  // The tool tips of the controls' hints.
  HWND tips() const { return tips_; }
  const std::vector<std::unique_ptr<ControlWindow>>& controls() const { return controls_; }
  ControlWindow* find(const Control& control) const;

  // Shows the windows of the controls displayed now (a page's controls
  // only while their page is active), hides the others.
  void showDisplayed();
  // Puts the window focus where the form's active control is (or leaves it
  // in a window of that control's own, such as a grid cell's editor).
  void syncFocus();
  bool settingFocus() const { return settingFocus_; }

  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Runs as the form stops showing, while its window still shows.
  std::function<void()> beforeHide;

 private:
  void createControls();
  std::vector<Rect> stripLayout() const;
  void showBounds();
  ControlWindow* byWindow(HWND window) const;
  // The hint as the control's tool tip.
  void addTip(HWND control, const std::u16string& hint);

  Form& form_;
  HWND window_ = nullptr;
  HWND tips_ = nullptr;  // owned by window_, destroyed with it
  std::vector<std::unique_ptr<ControlWindow>> controls_;
  std::map<HWND, ControlWindow*> byWindow_;
  bool settingFocus_ = false;
};

}  // namespace vrn::ui::win32
