#include "ui/item_list.h"

#include <algorithm>

namespace vrn::ui {
namespace {

char16_t foldCase(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool lessIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char16_t x, char16_t y) { return foldCase(x) < foldCase(y); });
}

}  // namespace

void ItemList::setSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return lessIgnoringCase(a.text, b.text); });
  }
}

int ItemList::add(std::u16string text) { return insert(count(), std::move(text)); }

int ItemList::insert(int index, std::u16string text) {
  std::vector<Item>::iterator at;
  if (sorted_) {
    at = std::upper_bound(
        items_.begin(), items_.end(), text,
        [](const std::u16string& t, const Item& item) { return lessIgnoringCase(t, item.text); });
  } else {
    at = contains(index) ? items_.begin() + index : items_.end();
  }
  at = items_.insert(at, Item{std::move(text), false});
  return static_cast<int>(at - items_.begin());
}

void ItemList::remove(int index) {
  if (contains(index)) items_.erase(items_.begin() + index);
}

int ItemList::indexOf(std::u16string_view text) const {
  for (int i = 0; i < count(); ++i) {
    if (this->text(i) == text) return i;
  }
  return -1;
}

int ItemList::nextStartingWith(int after, char16_t c) const {
  for (int step = 1; step <= count(); ++step) {
    int index = ((after < 0 ? -1 : after) + step) % count();
    const std::u16string& item = text(index);
    if (!item.empty() && foldCase(item.front()) == foldCase(c)) return index;
  }
  return -1;
}

std::u16string ItemList::joined() const {
  std::u16string result;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (i > 0) result += u'|';
    result += items_[i].text;
  }
  return result;
}

int ItemList::insert(int index, std::u16string text, int& selected) {
  const int at = insert(index, std::move(text));
  if (selected >= at) ++selected;
  return at;
}

void ItemList::remove(int index, int& selected) {
  remove(index);
  if (selected == index) {
    selected = -1;
  } else if (selected > index) {
    --selected;
  }
}

}  // namespace vrn::ui
