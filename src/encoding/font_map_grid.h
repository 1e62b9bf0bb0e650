#pragma once
// FontMapGrid: the rows of the font map as the form's grid shows them.
// Row 0 is the title row ("Fonts", "Mapping"); rows 1..n are the entries,
// a font name and its mapping word. The mapping column offers the pick
// list of every entry row (kFontMappingWords). The grid is data only; the
// window that shows it is editing/fonts_definition_form.

#include <cassert>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrn::encoding {

struct FontMapRow {
  std::u16string key;      // font file name without extension
  std::u16string mapping;  // "DosHebrew", "DosEnglish", "DosEnglishR", "Windows", or as typed

  friend bool operator==(const FontMapRow&, const FontMapRow&) = default;
};

class FontMapGrid {
 public:
  FontMapGrid();

  // Rows with the title row: entryCount() + 1.
  std::size_t rowCount() const { return rows_.size(); }
  std::size_t entryCount() const { return rows_.size() - 1; }
  // Row 0 is the title row.
  const FontMapRow& row(std::size_t index) const { return rows_.at(index); }
  void setMapping(std::size_t index, std::u16string mapping);
  void setKey(std::size_t index, std::u16string key);

  // Return the new row's index.
  std::size_t appendRow(FontMapRow row);
  // Before entry row `index` (1..n+1).
  std::size_t insertRow(std::size_t index, FontMapRow row);
  void deleteRow(std::size_t index);
  void clearRows();

  // The selected entry row; 0 when there is none.
  std::size_t selectedRow() const {
    assert(selected_ <= entryCount());
    return selected_;
  }
  void selectRow(std::size_t index);

  // The first entry row whose key equals name, ASCII letters compared
  // without regard to case.
  std::optional<std::size_t> findKey(std::u16string_view name) const;

  // The same rows and the same selection.
  friend bool operator==(const FontMapGrid&, const FontMapGrid&) = default;

 private:
  std::vector<FontMapRow> rows_;
  std::size_t selected_ = 0;
};

}  // namespace vrn::encoding
