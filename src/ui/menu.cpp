#include "ui/menu.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

std::u16string withoutAccelerator(std::u16string_view caption) {
  std::u16string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        shown += u'&';
        ++i;
      }
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

MenuItems::~MenuItems() = default;

MenuItem& MenuItems::add(std::string name, std::u16string caption) {
  items_.push_back(std::make_unique<MenuItem>(menuForm_, std::move(name), std::move(caption), *this,
                                              host::Variant()));
  itemsChanged();
  return *items_.back();
}

MenuItem& MenuItems::addItem(std::u16string caption, host::Variant value) {
  items_.push_back(std::make_unique<MenuItem>(menuForm_, std::string(), std::move(caption), *this,
                                              std::move(value)));
  itemsChanged();
  return *items_.back();
}

void MenuItems::clear() {
  items_.clear();
  itemsChanged();
}

MenuItem* MenuItems::findByCaption(std::u16string_view caption) const {
  for (const auto& item : items_) {
    if (withoutAccelerator(item->caption()) == caption) return item.get();
    if (MenuItem* below = item->findByCaption(caption)) return below;
  }
  return nullptr;
}

MenuItem::MenuItem(Form& form, std::string name, std::u16string caption, MenuItems& parent,
                   host::Variant value)
    : Component(form, std::move(name)),
      MenuItems(form),
      parent_(parent),
      caption_(std::move(caption)),
      value_(std::move(value)) {}

void MenuItem::itemsChanged() const { parent_.itemsChanged(); }

void MenuItem::setCaption(std::u16string caption) {
  caption_ = std::move(caption);
  parent_.itemsChanged();
}

void MenuItem::setChecked(bool checked) {
  if (checked && radioItem_) {
    for (const auto& sibling : parent_.items()) {
      if (sibling.get() != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) {
        sibling->checked_ = false;
      }
    }
  }
  checked_ = checked;
  parent_.itemsChanged();
}

void MenuItem::setVisible(bool visible) {
  visible_ = visible;
  parent_.itemsChanged();
}

void MenuItem::setEnabled(bool enabled) {
  enabled_ = enabled;
  parent_.itemsChanged();
}

bool MenuItem::reachable() const {
  if (!visible_ || !enabled_) return false;
  auto* above = dynamic_cast<const MenuItem*>(&parent_);
  return !above || above->reachable();
}

void MenuItem::click() {
  if (autoCheck_) setChecked(radioItem_ || !checked_);
  if (onClick) onClick();
}

void MenuItem::userClick() {
  form().userInput([this] { click(); });
}

std::optional<std::u16string> MenuItem::property(std::string_view name) const {
  if (sameName(name, "Caption")) return caption_;
  if (sameName(name, "Checked")) return propertyText(checked_);
  if (sameName(name, "Visible")) return propertyText(visible_);
  if (sameName(name, "Enabled")) return propertyText(enabled_);
  if (sameName(name, "Value")) return variantText(value_);
  return Component::property(name);
}

}  // namespace vrn::ui
