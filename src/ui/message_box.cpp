#include "ui/message_box.h"

#include "host/utf8.h"
#include "ui/toolkit.h"

namespace vrn::ui {

std::vector<ModalResult> answersOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OK:
      return {ModalResult::OK};
    case MessageButtons::OKCancel:
      return {ModalResult::OK, ModalResult::Cancel};
    case MessageButtons::YesNo:
      return {ModalResult::Yes, ModalResult::No};
    case MessageButtons::YesNoCancel:
      return {ModalResult::Yes, ModalResult::No, ModalResult::Cancel};
    case MessageButtons::YesNoCancelAll:
      return {ModalResult::Yes, ModalResult::No, ModalResult::Cancel, ModalResult::All};
  }
  return {ModalResult::OK};
}

ModalResult closingAnswerOf(MessageButtons buttons) {
  std::vector<ModalResult> answers = answersOf(buttons);
  for (ModalResult preferred : {ModalResult::Cancel, ModalResult::No}) {
    for (ModalResult answer : answers) {
      if (answer == preferred) return answer;
    }
  }
  return ModalResult::OK;
}

ModalResult messageBox(Toolkit& toolkit, const MessageBoxRequest& request) {
  return toolkit.showMessageBox(request);
}

void showMessage(Toolkit& toolkit, std::u16string text) {
  toolkit.showMessageBox(
      {std::move(text), applicationTitle, MessageButtons::OK, MessageIcon::None, {}});
}

void showError(Toolkit& toolkit, const std::string& message) {
  toolkit.showMessageBox(
      {utf8ToUtf16(message), applicationTitle, MessageButtons::OK, MessageIcon::Error, {}});
}

}  // namespace vrn::ui
