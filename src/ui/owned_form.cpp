#include "ui/owned_form.h"

#include "ui/message_box.h"

namespace vrn::ui {

void destroyShowingErrors(Form& form) noexcept {
  try {
    form.destroy();
  } catch (const std::exception& error) {
    try {
      showError(form.toolkit(), error.what());
    } catch (...) {
    }
  } catch (...) {
  }
}

}  // namespace vrn::ui
