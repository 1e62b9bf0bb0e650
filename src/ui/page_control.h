#pragma once
// PageControl and TabSheet: pages with tabs, one page shown at a time. A
// control on a page (setParent) is displayed only while its page is
// active. The user's choice of a tab fires onChange; the program's
// setActivePageIndex fires nothing.

#include <functional>
#include <vector>

#include "ui/label.h"

namespace vrn::ui {

class PageControl;

class TabSheet : public Label {
 public:
  TabSheet(Form& form, std::string name, std::u16string caption)
      : Label(form, std::move(name), std::move(caption)) {}

  PageControl* pageControl() const { return pageControl_; }
  bool displayed() const override;

 private:
  friend class PageControl;
  PageControl* pageControl_ = nullptr;
};

class PageControl : public Control {
 public:
  PageControl(Form& form, std::string name) : Control(form, std::move(name)) {}

  // The page's parent becomes this control; the first page added is active.
  void addPage(TabSheet& page);
  const std::vector<TabSheet*>& pages() const { return pages_; }
  int activePageIndex() const { return activePage_; }
  TabSheet* activePage() const;
  void setActivePageIndex(int index);

  std::function<void()> onChange;

  void userChoose(int index);

  bool focusable() const override { return true; }
  // ActivePage (its caption), ActivePageIndex, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  std::vector<TabSheet*> pages_;
  int activePage_ = -1;
};

}  // namespace vrn::ui
