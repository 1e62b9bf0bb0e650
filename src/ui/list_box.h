#pragma once
// ListBox and CheckListBox: a list of texts, one of them selected; a check
// list also has a tick per item. The program's changes fire nothing; the
// user's choice fires onClick, the user's tick onClickCheck.

#include <functional>

#include "ui/control.h"
#include "ui/item_list.h"

namespace vrn::ui {

class ListBox : public Control {
 public:
  ListBox(Form& form, std::string name) : Control(form, std::move(name)) {}

  const ItemList& items() const { return items_; }
  int count() const { return items_.count(); }
  const std::u16string& item(int index) const { return items_.text(index); }
  bool sorted() const { return items_.sorted(); }
  void setSorted(bool sorted);
  // Return where the item went (sorted lists put it in order).
  int addItem(std::u16string text);
  int insertItem(int index, std::u16string text);
  void deleteItem(int index);
  void clear();
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);

  std::function<void()> onClick;

  void userChoose(int index);

  bool focusable() const override { return true; }
  // Items, Items[i], ItemIndex, Count, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 protected:
  ItemList& itemList() { return items_; }

 private:
  ItemList items_;
  int itemIndex_ = -1;
};

class CheckListBox : public ListBox {
 public:
  CheckListBox(Form& form, std::string name) : ListBox(form, std::move(name)) {}

  bool checked(int index) const { return items().contains(index) && items().checked(index); }
  void setChecked(int index, bool checked);

  std::function<void(int index)> onClickCheck;

  // The user ticks or clears item index: onClickCheck when the state differs.
  void userSetChecked(int index, bool checked);

  // Checked[i], and ListBox's.
  std::optional<std::u16string> property(std::string_view name) const override;
};

}  // namespace vrn::ui
