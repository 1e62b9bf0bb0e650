#include "encoding/font_map_grid.h"

#include <algorithm>
#include <stdexcept>

#include "ascii/letter_case.h"

namespace vrn::encoding {

FontMapGrid::FontMapGrid() : rows_{{u"Fonts", u"Mapping"}} {}

void FontMapGrid::setMapping(std::size_t index, std::u16string mapping) {
  if (index == 0) throw std::out_of_range("the title row holds no mapping");
  rows_.at(index).mapping = std::move(mapping);
}

void FontMapGrid::setKey(std::size_t index, std::u16string key) {
  if (index == 0) throw std::out_of_range("the title row holds no font");
  rows_.at(index).key = std::move(key);
}

std::size_t FontMapGrid::appendRow(FontMapRow row) {
  rows_.push_back(std::move(row));
  return rows_.size() - 1;
}

std::size_t FontMapGrid::insertRow(std::size_t index, FontMapRow row) {
  if (index == 0 || index > rows_.size()) throw std::out_of_range("no such grid row");
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), std::move(row));
  if (selected_ >= index) ++selected_;
  return index;
}

void FontMapGrid::deleteRow(std::size_t index) {
  if (index == 0 || index >= rows_.size()) throw std::out_of_range("no such grid row");
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
  // The selection stays on the same place, or on the last row when that one went.
  selected_ = std::min(selected_, entryCount());
}

void FontMapGrid::clearRows() {
  rows_.resize(1);
  selected_ = 0;
}

void FontMapGrid::selectRow(std::size_t index) {
  if (index >= rows_.size()) throw std::out_of_range("no such grid row");
  selected_ = index;
}

std::optional<std::size_t> FontMapGrid::findKey(std::u16string_view name) const {
  for (std::size_t i = 1; i < rows_.size(); ++i) {
    if (equalsIgnoringAsciiCase(rows_[i].key, name)) return i;
  }
  return std::nullopt;
}

}  // namespace vrn::encoding
