#pragma once
// The system clipboard's text, as CF_UNICODETEXT.

#include "ui/clipboard.h"

namespace vrn::ui::win32 {

class Win32Clipboard final : public Clipboard {
 public:
  std::u16string text() const override;
  void setText(std::u16string text) override;
};

}  // namespace vrn::ui::win32
