#pragma once
// ItemList: the texts of a list control, optionally kept sorted
// (case-insensitive for ASCII letters, as the VCL sorts), with a flag per
// item for check lists.

#include <string>
#include <string_view>
#include <vector>

namespace vrn::ui {

class ItemList {
 public:
  struct Item {
    std::u16string text;
    bool checked = false;
  };

  const std::vector<Item>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  bool contains(int index) const { return index >= 0 && index < count(); }
  const std::u16string& text(int index) const {
    return items_[static_cast<std::size_t>(index)].text;
  }
  bool checked(int index) const { return items_[static_cast<std::size_t>(index)].checked; }
  void setChecked(int index, bool checked) {
    items_[static_cast<std::size_t>(index)].checked = checked;
  }

  bool sorted() const { return sorted_; }
  void setSorted(bool sorted);
  // Where the item went: at the end, or in order when sorted.
  int add(std::u16string text);
  // At index (the end when out of range); a sorted list adds in order instead.
  int insert(int index, std::u16string text);
  void remove(int index);
  // The same, keeping `selected` (an item index, -1 for none) on the item
  // it names: a removed selected item leaves none selected.
  int insert(int index, std::u16string text, int& selected);
  void remove(int index, int& selected);
  void clear() { items_.clear(); }
  // The first item with exactly this text, or -1.
  int indexOf(std::u16string_view text) const;
  // The next item after `after` (wrapping round) whose text starts with c,
  // ignoring case; -1 when none does.
  int nextStartingWith(int after, char16_t c) const;
  // Items joined with "|", as scripts read them.
  std::u16string joined() const;

 private:
  std::vector<Item> items_;
  bool sorted_ = false;
};

}  // namespace vrn::ui
