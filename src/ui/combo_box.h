#pragma once
// ComboBox: a list of texts with an edit box (DropDown, typing allowed) or
// with only the chosen item shown (DropDownList). Changes by the program
// (items, item index, text) fire nothing; the user's typing and choosing
// fire onChange. After the user types, itemIndex is the item equal to the
// text, or -1. In a drop-down list, Up and Down (and Left and Right)
// choose the neighbouring item, and a typed character chooses the next item
// that starts with it; the program sets a drop-down list's text through
// setItemIndex.

#include <vector>

#include "ui/item_list.h"
#include "ui/text_box.h"

namespace vrn::ui {

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public TextBox {
 public:
  ComboBox(Form& form, std::string name, ComboStyle style)
      : TextBox(form, std::move(name), false), style_(style) {}

  ComboStyle style() const { return style_; }
  const ItemList& items() const { return items_; }
  int count() const { return items_.count(); }
  const std::u16string& item(int index) const { return items_.text(index); }
  std::vector<std::u16string> itemTexts() const;
  void setItems(const std::vector<std::u16string>& items);
  bool sorted() const { return items_.sorted(); }
  void setSorted(bool sorted);
  // Return where the item went (sorted lists put it in order).
  int addItem(std::u16string item);
  int insertItem(int index, std::u16string item);
  void deleteItem(int index);
  void clear() { setItems({}); }
  // -1 for none; setting it shows the item's text (nothing for -1 in a
  // drop-down list, and a drop-down keeps its text).
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  // How many items the open list shows.
  int dropDownCount() const { return dropDownCount_; }
  void setDropDownCount(int count) { dropDownCount_ = count; }

  // The user picks item index from the list.
  void userChoose(int index);

  void defaultKeyDown(const KeyEvent& key) override;
  void defaultKeyChar(char16_t character) override;
  // Items, Items[i], ItemIndex, Count, and TextBox's.
  std::optional<std::u16string> property(std::string_view name) const override;

 protected:
  bool programChangesNotify() const override { return false; }
  bool typingEdits() const override { return style_ == ComboStyle::DropDown && !readOnly(); }
  void userChangedText() override { itemIndex_ = items_.indexOf(text()); }

 private:
  void choose(int index);

  ComboStyle style_;
  ItemList items_;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
};

}  // namespace vrn::ui
