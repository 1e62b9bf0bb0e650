#include "ui/status_bar.h"

#include <stdexcept>

#include "ui/property_text.h"

namespace vrn::ui {

void StatusBar::addPanel(StatusPanel panel) {
  panels_.push_back(std::move(panel));
  changed(Aspect::Items);
}

std::u16string StatusBar::panelText(int index) const {
  if (index < 0 || index >= panelCount()) return {};
  return panels_[static_cast<std::size_t>(index)].text;
}

void StatusBar::setPanelText(int index, std::u16string text) {
  if (index < 0 || index >= panelCount()) {
    throw std::out_of_range("status bar " + name() + " has no panel " + std::to_string(index));
  }
  panels_[static_cast<std::size_t>(index)].text = std::move(text);
  changed(Aspect::Items);
}

void StatusBar::userClickPanel(int index) {
  userInput([&] {
    if (index >= 0 && index < panelCount() && onPanelClick) onPanelClick(index);
  });
}

std::optional<std::u16string> StatusBar::property(std::string_view name) const {
  auto parsed = splitPropertyName(name);
  if (parsed && sameName(parsed->base, "Panels") && parsed->indexes.size() == 1) {
    return panelText(parsed->indexes[0]);
  }
  return Control::property(name);
}

}  // namespace vrn::ui
