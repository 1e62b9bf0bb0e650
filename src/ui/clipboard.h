#pragma once
// The clipboard's text (Windows: CF_UNICODETEXT).

#include <string>

namespace vrn::ui {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empty when the clipboard holds no text.
  virtual std::u16string text() const = 0;
  virtual void setText(std::u16string text) = 0;
};

}  // namespace vrn::ui
