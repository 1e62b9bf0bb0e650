#pragma once
// StatusBar: a row of panels with texts; a click on a panel fires
// onPanelClick with its index.

#include <functional>
#include <vector>

#include "ui/control.h"
#include "ui/edit.h"

namespace vrn::ui {

struct StatusPanel {
  std::u16string text;
  int width = 50;
  Alignment alignment = Alignment::Left;
};

class StatusBar : public Control {
 public:
  StatusBar(Form& form, std::string name) : Control(form, std::move(name)) {}

  const std::vector<StatusPanel>& panels() const { return panels_; }
  void addPanel(StatusPanel panel);
  int panelCount() const { return static_cast<int>(panels_.size()); }
  // Empty for a panel that does not exist.
  std::u16string panelText(int index) const;
  void setPanelText(int index, std::u16string text);

  std::function<void(int panel)> onPanelClick;

  void userClickPanel(int index);

  // Panels[i], and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  std::vector<StatusPanel> panels_;
};

}  // namespace vrn::ui
