#pragma once
// MessageDialog: a modal message box of our own, so every set of buttons
// (Yes/No/Cancel/All included) looks and answers alike: the text, an
// icon, and one button per answer; Escape and the close box answer as
// closingAnswerOf says.

#include <windows.h>

#include <vector>

#include "ui/message_box.h"

namespace vrn::ui::win32 {

class MessageDialog {
 public:
  MessageDialog(const MessageBoxRequest& request, HWND owner);
  ~MessageDialog();
  MessageDialog(const MessageDialog&) = delete;
  MessageDialog& operator=(const MessageDialog&) = delete;

  HWND window() const { return window_; }
  // The button that gives this answer, or null.
  HWND button(ModalResult answer) const;
  // Pumps messages until a button or the close box answers.
  ModalResult run();

  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void layout(const MessageBoxRequest& request);

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HFONT font_ = nullptr;
  std::vector<std::pair<ModalResult, HWND>> buttons_;
  MessageButtons kind_;
  ModalResult answer_ = ModalResult::None;
};

}  // namespace vrn::ui::win32
