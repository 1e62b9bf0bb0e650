#include "ui/modal_result.h"

namespace vrn::ui {

std::u16string toText(ModalResult result) {
  switch (result) {
    case ModalResult::None:
      return u"None";
    case ModalResult::OK:
      return u"OK";
    case ModalResult::Cancel:
      return u"Cancel";
    case ModalResult::Yes:
      return u"Yes";
    case ModalResult::No:
      return u"No";
    case ModalResult::All:
      return u"All";
  }
  std::string digits = std::to_string(static_cast<int>(result));
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace vrn::ui
