#pragma once
// VirtualClipboard: the headless backend's clipboard, in memory.

#include "ui/clipboard.h"

namespace vrn::ui::headless {

class VirtualClipboard final : public Clipboard {
 public:
  std::u16string text() const override { return text_; }
  void setText(std::u16string text) override { text_ = std::move(text); }

 private:
  std::u16string text_;
};

}  // namespace vrn::ui::headless
