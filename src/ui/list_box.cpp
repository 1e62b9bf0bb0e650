#include "ui/list_box.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

void ListBox::setSorted(bool sorted) {
  items_.setSorted(sorted);
  changed(Aspect::Items);
}

int ListBox::addItem(std::u16string text) { return insertItem(count(), std::move(text)); }

int ListBox::insertItem(int index, std::u16string text) {
  const int at = items_.insert(index, std::move(text), itemIndex_);
  changed(Aspect::Items);
  return at;
}

void ListBox::deleteItem(int index) {
  if (!items_.contains(index)) return;
  items_.remove(index, itemIndex_);
  changed(Aspect::Items);
}

void ListBox::clear() {
  items_.clear();
  itemIndex_ = -1;
  changed(Aspect::Items);
}

void ListBox::setItemIndex(int index) {
  itemIndex_ = items_.contains(index) ? index : -1;
  changed(Aspect::Selection);
}

void ListBox::userChoose(int index) {
  userInput([&] {
    if (!form().userFocus(*this, FocusCause::Mouse) || !items_.contains(index)) return;
    setItemIndex(index);
    if (onClick) onClick();
  });
}

std::optional<std::u16string> ListBox::property(std::string_view name) const {
  auto parsed = splitPropertyName(name);
  if (parsed && sameName(parsed->base, "Items") && parsed->indexes.size() == 1) {
    int index = parsed->indexes[0];
    return items_.contains(index) ? items_.text(index) : std::u16string();
  }
  if (sameName(name, "Items")) return items_.joined();
  if (sameName(name, "ItemIndex")) return propertyText(itemIndex_);
  if (sameName(name, "Count")) return propertyText(count());
  return Control::property(name);
}

void CheckListBox::setChecked(int index, bool checked) {
  if (!items().contains(index)) return;
  itemList().setChecked(index, checked);
  changed(Aspect::Checked);
}

void CheckListBox::userSetChecked(int index, bool checked) {
  userInput([&] {
    if (!form().userFocus(*this, FocusCause::Mouse) || !items().contains(index)) return;
    if (this->checked(index) == checked) return;
    setChecked(index, checked);
    if (onClickCheck) onClickCheck(index);
  });
}

std::optional<std::u16string> CheckListBox::property(std::string_view name) const {
  auto parsed = splitPropertyName(name);
  if (parsed && sameName(parsed->base, "Checked") && parsed->indexes.size() == 1) {
    return propertyText(checked(parsed->indexes[0]));
  }
  return ListBox::property(name);
}

}  // namespace vrn::ui
