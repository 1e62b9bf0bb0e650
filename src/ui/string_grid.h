#pragma once
// StringGrid: a table of texts with fixed title rows and columns, column
// widths, a colour per cell, one selected cell, and editing of the
// non-fixed cells (typed text, or a choice from the row's pick list, as a
// name/value list editor offers). The program's changes (cells, the
// selected cell) fire nothing; the user's selection asks onSelectCell,
// which may refuse it, and the user's edit fires onSetEditText after the
// cell holds the new text. Right-to-left mirrors the columns on screen only.

#include <functional>
#include <optional>
#include <vector>

#include "ui/control.h"

namespace vrn::ui {

class StringGrid : public Control {
 public:
  StringGrid(Form& form, std::string name, int colCount, int rowCount);

  int colCount() const { return colCount_; }
  int rowCount() const { return static_cast<int>(rows_.size()); }
  void setColCount(int count);
  void setRowCount(int count);
  int fixedCols() const { return fixedCols_; }
  void setFixedCols(int count);
  int fixedRows() const { return fixedRows_; }
  void setFixedRows(int count);
  bool contains(int col, int row) const {
    return col >= 0 && row >= 0 && col < colCount_ && row < rowCount();
  }

  // Empty outside the grid.
  std::u16string cell(int col, int row) const;
  void setCell(int col, int row, std::u16string text);
  std::optional<Color> cellColor(int col, int row) const;
  void setCellColor(int col, int row, std::optional<Color> color);
  // A new empty row at index (the end when out of range); removing a row.
  void insertRow(int index);
  void deleteRow(int index);

  int colWidth(int col) const;
  void setColWidth(int col, int width);
  int defaultRowHeight() const { return defaultRowHeight_; }
  void setDefaultRowHeight(int height);

  // Editing of the cells that are not fixed.
  bool editing() const { return editing_; }
  void setEditing(bool editing) { editing_ = editing; }
  // The choices a row's editable cells offer; empty for typed text only.
  const std::vector<std::u16string>& pickList(int row) const;
  void setPickList(int row, std::vector<std::u16string> items);

  int col() const { return col_; }
  int row() const { return row_; }
  void selectCell(int col, int row);

  std::function<void(int col, int row, bool& canSelect)> onSelectCell;
  std::function<void(int col, int row, const std::u16string& text)> onSetEditText;

  // --- user input ---
  // A click on a cell: false when it is outside the grid, fixed, or refused.
  bool userSelectCell(int col, int row);
  // The user edits the selected cell: false when it cannot be edited.
  bool userEditCell(std::u16string text);

  bool focusable() const override { return true; }
  // Cells[c,r], CellColor[c,r], Col, Row, ColCount, RowCount, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  struct Cell {
    std::u16string text;
    std::optional<Color> color;
  };
  struct Row {
    std::vector<Cell> cells;
    std::vector<std::u16string> pickList;
  };
  const Cell* cellAt(int col, int row) const;
  Cell& cellAt(int col, int row);

  int colCount_;
  std::vector<Row> rows_;
  std::vector<int> colWidths_;
  int fixedCols_ = 0;
  int fixedRows_ = 0;
  int defaultRowHeight_ = 24;
  bool editing_ = false;
  int col_ = 0;
  int row_ = 0;
};

}  // namespace vrn::ui
