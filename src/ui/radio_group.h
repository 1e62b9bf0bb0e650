#pragma once
// RadioGroup: a captioned group of radio buttons, one of them chosen. The
// user's choice fires onClick; the program's setItemIndex fires nothing.

#include <functional>
#include <vector>

#include "ui/control.h"
#include "ui/item_list.h"

namespace vrn::ui {

class RadioGroup : public Control {
 public:
  RadioGroup(Form& form, std::string name, std::u16string caption)
      : Control(form, std::move(name)), caption_(std::move(caption)) {}

  const std::u16string& caption() const { return caption_; }
  void setCaption(std::u16string caption);
  const ItemList& items() const { return items_; }
  void setItems(const std::vector<std::u16string>& items);
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  int columns() const { return columns_; }
  void setColumns(int columns);

  std::function<void()> onClick;

  void userChoose(int index);

  bool focusable() const override { return true; }
  // Caption, Items, ItemIndex, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  std::u16string caption_;
  ItemList items_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

}  // namespace vrn::ui
