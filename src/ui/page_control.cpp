#include "ui/page_control.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

bool TabSheet::displayed() const {
  return Control::displayed() && (!pageControl_ || pageControl_->activePage() == this);
}

void PageControl::addPage(TabSheet& page) {
  page.pageControl_ = this;
  page.setParent(this);
  pages_.push_back(&page);
  if (activePage_ < 0) activePage_ = 0;
  changed(Aspect::Items);
}

TabSheet* PageControl::activePage() const {
  return activePage_ >= 0 ? pages_[static_cast<std::size_t>(activePage_)] : nullptr;
}

void PageControl::setActivePageIndex(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return;
  activePage_ = index;
  changed(Aspect::Selection);
}

void PageControl::userChoose(int index) {
  userInput([&] {
    if (!form().userFocus(*this, FocusCause::Mouse)) return;
    if (index < 0 || index >= static_cast<int>(pages_.size()) || index == activePage_) return;
    setActivePageIndex(index);
    if (onChange) onChange();
  });
}

std::optional<std::u16string> PageControl::property(std::string_view name) const {
  if (sameName(name, "ActivePage"))
    return activePage() ? activePage()->caption() : std::u16string();
  if (sameName(name, "ActivePageIndex")) return propertyText(activePage_);
  return Control::property(name);
}

}  // namespace vrn::ui
