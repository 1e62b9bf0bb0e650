#include "ui/string_grid.h"

#include <stdexcept>
#include <string>

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {
namespace {

constexpr int kDefaultColWidth = 64;

}  // namespace

StringGrid::StringGrid(Form& form, std::string name, int colCount, int rowCount)
    : Control(form, std::move(name)), colCount_(0) {
  setColCount(colCount);
  setRowCount(rowCount);
}

void StringGrid::setColCount(int count) {
  colCount_ = std::max(count, 0);
  for (Row& row : rows_) row.cells.resize(static_cast<std::size_t>(colCount_));
  colWidths_.resize(static_cast<std::size_t>(colCount_), kDefaultColWidth);
  changed(Aspect::Cells);
}

void StringGrid::setRowCount(int count) {
  rows_.resize(static_cast<std::size_t>(std::max(count, 0)),
               Row{std::vector<Cell>(static_cast<std::size_t>(colCount_)), {}});
  if (row_ >= rowCount()) row_ = std::max(rowCount() - 1, 0);
  changed(Aspect::Cells);
}

void StringGrid::setFixedCols(int count) {
  fixedCols_ = count;
  changed(Aspect::Cells);
}

void StringGrid::setFixedRows(int count) {
  fixedRows_ = count;
  changed(Aspect::Cells);
}

const StringGrid::Cell* StringGrid::cellAt(int col, int row) const {
  if (!contains(col, row)) return nullptr;
  return &rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)];
}

StringGrid::Cell& StringGrid::cellAt(int col, int row) {
  if (!contains(col, row)) {
    throw std::out_of_range("grid " + name() + " has no cell " + std::to_string(col) + "," +
                            std::to_string(row));
  }
  return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)];
}

std::u16string StringGrid::cell(int col, int row) const {
  const Cell* found = cellAt(col, row);
  return found ? found->text : std::u16string();
}

void StringGrid::setCell(int col, int row, std::u16string text) {
  cellAt(col, row).text = std::move(text);
  changed(Aspect::Cells);
}

std::optional<Color> StringGrid::cellColor(int col, int row) const {
  const Cell* found = cellAt(col, row);
  return found ? found->color : std::nullopt;
}

void StringGrid::setCellColor(int col, int row, std::optional<Color> color) {
  cellAt(col, row).color = color;
  changed(Aspect::Cells);
}

void StringGrid::insertRow(int index) {
  auto at = (index >= 0 && index < rowCount()) ? rows_.begin() + index : rows_.end();
  rows_.insert(at, Row{std::vector<Cell>(static_cast<std::size_t>(colCount_)), {}});
  changed(Aspect::Cells);
}

void StringGrid::deleteRow(int index) {
  if (index < 0 || index >= rowCount()) return;
  rows_.erase(rows_.begin() + index);
  if (row_ >= rowCount()) row_ = std::max(rowCount() - 1, 0);
  changed(Aspect::Cells);
}

int StringGrid::colWidth(int col) const {
  return (col >= 0 && col < colCount_) ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void StringGrid::setColWidth(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[static_cast<std::size_t>(col)] = width;
  changed(Aspect::Cells);
}

void StringGrid::setDefaultRowHeight(int height) {
  defaultRowHeight_ = height;
  changed(Aspect::Cells);
}

const std::vector<std::u16string>& StringGrid::pickList(int row) const {
  static const std::vector<std::u16string> none;
  return (row >= 0 && row < rowCount()) ? rows_[static_cast<std::size_t>(row)].pickList : none;
}

void StringGrid::setPickList(int row, std::vector<std::u16string> items) {
  if (row < 0 || row >= rowCount()) return;
  rows_[static_cast<std::size_t>(row)].pickList = std::move(items);
  changed(Aspect::Cells);
}

void StringGrid::selectCell(int col, int row) {
  if (!contains(col, row)) return;
  col_ = col;
  row_ = row;
  changed(Aspect::Selection);
}

bool StringGrid::userSelectCell(int col, int row) {
  bool selected = false;
  userInput([&] {
    if (!form().userFocus(*this, FocusCause::Mouse)) return;
    if (!contains(col, row) || col < fixedCols_ || row < fixedRows_) return;
    bool canSelect = true;
    if (onSelectCell) onSelectCell(col, row, canSelect);
    if (!canSelect) return;
    selectCell(col, row);
    selected = true;
  });
  return selected;
}

bool StringGrid::userEditCell(std::u16string text) {
  bool edited = false;
  userInput([&] {
    if (!editing_ || !contains(col_, row_) || col_ < fixedCols_ || row_ < fixedRows_) return;
    if (!form().userFocus(*this, FocusCause::Keyboard)) return;
    setCell(col_, row_, text);
    edited = true;
    if (onSetEditText) onSetEditText(col_, row_, text);
  });
  return edited;
}

std::optional<std::u16string> StringGrid::property(std::string_view name) const {
  auto parsed = splitPropertyName(name);
  if (parsed && parsed->indexes.size() == 2) {
    int col = parsed->indexes[0];
    int row = parsed->indexes[1];
    if (sameName(parsed->base, "Cells")) return cell(col, row);
    if (sameName(parsed->base, "CellColor")) {
      auto color = cellColor(col, row);
      return color ? toText(*color) : std::u16string();
    }
  }
  if (sameName(name, "Col")) return propertyText(col_);
  if (sameName(name, "Row")) return propertyText(row_);
  if (sameName(name, "ColCount")) return propertyText(colCount_);
  if (sameName(name, "RowCount")) return propertyText(rowCount());
  return Control::property(name);
}

}  // namespace vrn::ui
