#include "ui/combo_box.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {
std::vector<std::u16string> ComboBox::itemTexts() const {
  std::vector<std::u16string> texts;
  for (const ItemList::Item& item : items_.items()) texts.push_back(item.text);
  return texts;
}

void ComboBox::setItems(const std::vector<std::u16string>& items) {
  items_.clear();
  for (const std::u16string& item : items) items_.add(item);
  itemIndex_ = -1;
  changed(Aspect::Items);
  if (style_ == ComboStyle::DropDownList) setText(u"");
}

void ComboBox::setSorted(bool sorted) {
  items_.setSorted(sorted);
  itemIndex_ = items_.indexOf(text());
  changed(Aspect::Items);
}

int ComboBox::addItem(std::u16string item) { return insertItem(count(), std::move(item)); }

int ComboBox::insertItem(int index, std::u16string item) {
  const int at = items_.insert(index, std::move(item), itemIndex_);
  changed(Aspect::Items);
  return at;
}

void ComboBox::deleteItem(int index) {
  if (!items_.contains(index)) return;
  items_.remove(index, itemIndex_);
  changed(Aspect::Items);
}

void ComboBox::setItemIndex(int index) {
  itemIndex_ = items_.contains(index) ? index : -1;
  if (itemIndex_ >= 0) {
    setText(items_.text(itemIndex_));
  } else if (style_ == ComboStyle::DropDownList) {
    setText(u"");
  }
  changed(Aspect::Selection);
}

void ComboBox::choose(int index) {
  if (!items_.contains(index)) return;
  setItemIndex(index);
  setModified(true);
  if (onChange) onChange();
}

void ComboBox::userChoose(int index) {
  userInput([&] {
    if (form().userFocus(*this, FocusCause::Mouse)) choose(index);
  });
}

void ComboBox::defaultKeyDown(const KeyEvent& key) {
  if (style_ == ComboStyle::DropDown) return TextBox::defaultKeyDown(key);
  int last = count() - 1;
  int target = itemIndex_;
  if (key.is(vk::kUp) || key.is(vk::kLeft)) target = std::max(itemIndex_ - 1, 0);
  if (key.is(vk::kDown) || key.is(vk::kRight)) target = std::min(itemIndex_ + 1, last);
  if (key.is(vk::kHome)) target = 0;
  if (key.is(vk::kEnd)) target = last;
  if (target != itemIndex_) choose(target);
}

void ComboBox::defaultKeyChar(char16_t character) {
  if (style_ == ComboStyle::DropDown) return TextBox::defaultKeyChar(character);
  int index = items_.nextStartingWith(itemIndex_, character);
  if (index >= 0 && index != itemIndex_) choose(index);
}

std::optional<std::u16string> ComboBox::property(std::string_view name) const {
  auto parsed = splitPropertyName(name);
  if (parsed && sameName(parsed->base, "Items") && parsed->indexes.size() == 1) {
    int index = parsed->indexes[0];
    return items_.contains(index) ? items_.text(index) : std::u16string();
  }
  if (sameName(name, "Items")) return items_.joined();
  if (sameName(name, "ItemIndex")) return propertyText(itemIndex_);
  if (sameName(name, "Count")) return propertyText(count());
  return TextBox::property(name);
}

}  // namespace vrn::ui
