#include "ui/edit.h"

namespace vrn::ui {

void Edit::setAlignment(Alignment alignment) {
  alignment_ = alignment;
  changed(Aspect::Appearance);
}

void Edit::setPlaceholder(std::u16string text) {
  placeholder_ = std::move(text);
  changed(Aspect::Appearance);
}

void Edit::focusGained(FocusCause cause) {
  if (autoSelect_ && cause != FocusCause::Mouse) selectAll();
}

}  // namespace vrn::ui
