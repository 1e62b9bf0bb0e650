#pragma once
// PopupMenu and MenuItem. Items belong to their menu (or parent item):
// the form names its design-time items as references,
//
//   ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
//   ui::MenuItem& DOS1 = PopupMenu1.add("DOS1", u"DOS");
//
// and adds run-time items without a name, carrying a value of its own (a
// style name, say), which scripts find by caption:
//
//   pupSt.addItem(name, ui::MenuItem::Kind::Radio, host::Variant(name));
//
// Checking a radio item clears the other radio items with the same group
// index under the same parent. A click on an item runs its onClick; items
// check themselves only when autoCheck is set.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/variant.h"
#include "ui/component.h"
#include "ui/peer.h"

namespace vrn::ui {

class MenuItem;

// The items under a menu or a menu item.
class MenuItems {
 public:
  MenuItems(const MenuItems&) = delete;
  MenuItems& operator=(const MenuItems&) = delete;
  virtual ~MenuItems();

  // A design-time item, named for scripts and handlers.
  MenuItem& add(std::string name, std::u16string caption);
  // A run-time item with a value; unnamed.
  MenuItem& addItem(std::u16string caption, host::Variant value = {});
  // Removes and frees every item (references to them die with them).
  void clear();
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
  // The first item, here or below, whose caption without "&" is caption.
  MenuItem* findByCaption(std::u16string_view caption) const;

 protected:
  explicit MenuItems(class Form& form) : menuForm_(form) {}
  virtual void itemsChanged() const = 0;

 private:
  friend class MenuItem;
  class Form& menuForm_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

class PopupMenu : public Component, public MenuItems {
 public:
  PopupMenu(Form& form, std::string name) : Component(form, std::move(name)), MenuItems(form) {}

  void setPeer(Peer* peer) { peer_ = peer; }
  Peer* peer() const { return peer_; }

 private:
  void itemsChanged() const override {
    if (peer_) peer_->changed(Aspect::Items);
  }
  Peer* peer_ = nullptr;
};

class MenuItem : public Component, public MenuItems {
 public:
  MenuItem(Form& form, std::string name, std::u16string caption, MenuItems& parent,
           host::Variant value);

  const std::u16string& caption() const { return caption_; }
  void setCaption(std::u16string caption);
  bool checked() const { return checked_; }
  // A radio item clears its group.
  void setChecked(bool checked);
  bool radioItem() const { return radioItem_; }
  void setRadioItem(bool radio) { radioItem_ = radio; }
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int group) { groupIndex_ = group; }
  bool autoCheck() const { return autoCheck_; }
  void setAutoCheck(bool autoCheck) { autoCheck_ = autoCheck; }
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  const host::Variant& value() const { return value_; }
  void setValue(host::Variant value) { value_ = std::move(value); }
  MenuItems& parent() const { return parent_; }

  // Visible and enabled, and so is every item above it.
  bool reachable() const;

  std::function<void()> onClick;

  // A click: the check when autoCheck, then onClick.
  void click();
  void userClick();

  // Caption, Checked, Visible, Enabled, Value.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  void itemsChanged() const override;

  MenuItems& parent_;
  std::u16string caption_;
  host::Variant value_;
  bool checked_ = false;
  bool radioItem_ = false;
  bool autoCheck_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  int groupIndex_ = 0;
};

// The caption as shown: "&&" becomes "&", a lone "&" (the accelerator
// mark) disappears.
std::u16string withoutAccelerator(std::u16string_view caption);

}  // namespace vrn::ui
