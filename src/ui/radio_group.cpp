#include "ui/radio_group.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

void RadioGroup::setCaption(std::u16string caption) {
  caption_ = std::move(caption);
  changed(Aspect::Caption);
}

void RadioGroup::setItems(const std::vector<std::u16string>& items) {
  items_.clear();
  for (const std::u16string& item : items) items_.add(item);
  itemIndex_ = -1;
  changed(Aspect::Items);
}

void RadioGroup::setItemIndex(int index) {
  itemIndex_ = items_.contains(index) ? index : -1;
  changed(Aspect::Checked);
}

void RadioGroup::setColumns(int columns) {
  columns_ = columns;
  changed(Aspect::Appearance);
}

void RadioGroup::userChoose(int index) {
  userInput([&] {
    if (!form().userFocus(*this, FocusCause::Mouse) || !items_.contains(index)) return;
    setItemIndex(index);
    if (onClick) onClick();
  });
}

std::optional<std::u16string> RadioGroup::property(std::string_view name) const {
  if (sameName(name, "Caption")) return caption_;
  if (sameName(name, "Items")) return items_.joined();
  if (sameName(name, "ItemIndex")) return propertyText(itemIndex_);
  return Control::property(name);
}

}  // namespace vrn::ui
