#pragma once
// Message boxes: a text, a caption, a set of buttons and an icon. The
// user's answer is the ModalResult of the button pressed; closing a box
// answers as its Cancel (or No, or OK) button would.

#include <optional>
#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/modal_result.h"

namespace vrn::ui {

class Toolkit;

enum class MessageButtons { OK, OKCancel, YesNo, YesNoCancel, YesNoCancelAll };
enum class MessageIcon { None, Information, Warning, Error, Question };

struct MessageBoxRequest {
  std::u16string text;
  std::u16string caption;
  MessageButtons buttons = MessageButtons::OK;
  MessageIcon icon = MessageIcon::None;
  std::optional<Point> position;  // top-left corner; centred on the screen when absent
};

// The title of plain message boxes and error boxes.
inline constexpr char16_t applicationTitle[] = u"vrn";

// The answers a box with these buttons can give, in the order shown.
std::vector<ModalResult> answersOf(MessageButtons buttons);
// What closing the box without a button answers: Cancel, else No, else OK.
ModalResult closingAnswerOf(MessageButtons buttons);

ModalResult messageBox(Toolkit& toolkit, const MessageBoxRequest& request);
// A plain box with an OK button, titled with the application title.
void showMessage(Toolkit& toolkit, std::u16string text);
// An error box (OK, error icon) for an exception's UTF-8 message.
void showError(Toolkit& toolkit, const std::string& message);

}  // namespace vrn::ui
