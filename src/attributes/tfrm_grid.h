#pragma once
// TfrmGrid: the attribute editor window ("Vornel Edit Attributes"). Its
// grid shows one attribute a row (columns "Tag", "Prompt", "Value"; the
// titles are the grid's fixed first row, so attribute row r is grid row
// r + 1); the user edits the values in editor form. It knows nothing of
// the drawing: the block editor and the definition editor
// (attribute_editors.h) fill it, show it and write back what it holds.
//
// In the block editor only the value cells take edits, and a row with a
// history (its tag cell yellow) offers its values in ComboBox1. The width
// factor typed for a row is kept only when it is a positive number; any
// other text keeps the attribute's stored factor, which the host would
// refuse to be replaced by.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "attributes/block_history.h"
#include "settings/ini_settings.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/string_grid.h"

namespace vrn::library {
class Tdb;
}

namespace vrn::attributes {

inline constexpr char16_t kGridCaption[] = u"Vornel Edit Attributes";
inline constexpr char16_t kNextResult[] = u"NEXT";
inline constexpr ui::Color kHistoryColor{255, 255, 0};
inline constexpr int kTagCol = 0;
inline constexpr int kPromptCol = 1;
inline constexpr int kValueCol = 2;
// The definition editor's row of tag, prompt and value (rows 0 and 1 hold
// no cells of the definition).
inline constexpr int kDefinitionRow = 2;

class TfrmGrid : public ui::Form {
 public:
  TfrmGrid(ui::Toolkit& toolkit, settings::IniSettings& Rinistr, std::u16string& Vrnstr);

  ui::Button btnH{*this, "btnH", u"&English"};
  ui::Label lblName{*this, "lblName", u""};
  ui::Label lblNext{*this, "lblNext", u"Select another block"};
  ui::Button BitBtn3{*this, "BitBtn3", u">>"};  // a glyph button: ">>" for its picture
  ui::StringGrid ngrid{*this, "ngrid", 3, 1};
  ui::ComboBox ComboBox1{*this, "ComboBox1", ui::ComboStyle::DropDownList};
  ui::Label lblWF{*this, "lblWF", u"Attribute \r\nWidth Factor"};
  ui::Edit edWF{*this, "edWF"};
  ui::Button btnOk{*this, "btnOk", u"OK"};
  ui::Button btnCancel{*this, "btnCancel", u"Cancel"};

  // --- the editors' state ---
  BlockHistory bson;
  bool isBson = false;
  std::vector<std::u16string> bvlist;
  bool ff = false;
  std::u16string SecondTag;
  int iSecondTag = -1;
  bool isCancel = false;
  std::vector<double> sfactor;
  // Per row, the width factor the attribute had when it was read.
  std::vector<double> storedFactor;

  // Reads the block's history (once, before anything is shown). Returns
  // the message for a history that exists but cannot be used; the editor
  // then works without one.
  std::optional<std::u16string> readHistory(library::Tdb& db, const std::u16string& blockName);

  // Attribute rows (grid rows below the titles).
  int rowCount() const { return ngrid.rowCount() - 1; }
  void setRowCount(int rows);
  std::u16string cell(int col, int row) const { return ngrid.cell(col, row + 1); }
  void setCell(int col, int row, std::u16string text) { ngrid.setCell(col, row + 1, text); }
  void markHistory(int row) { ngrid.setCellColor(kTagCol, row + 1, kHistoryColor); }
  bool hasHistory(int row) const { return ngrid.cellColor(kTagCol, row + 1) == kHistoryColor; }
  // The definition editor: only row 2's cells are edited, and there is no
  // width factor.
  void setDefinitionMode();
  // Selects the value cell of row and runs the row-selection step, as a
  // click there would.
  void selectRow(int row);

  // --- handlers ---
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  void FormResize();
  void btnOkClick() { isCancel = false; }
  void btnCancelClick() { isCancel = true; }
  void BitBtn3Click();
  void btnHClick();
  void ngridSelectCell(int col, int row, bool& canSelect);
  void ngridSetEditText(int col, int row);
  void edWFChange();
  void ComboBox1Change();

 private:
  void rowSelected(int row);
  bool editable(int col, int row) const;
  // Keeps the texts of the cells that take no edits, as the window opens.
  void lockCells();
  void setGridRightToLeft(bool rightToLeft);

  settings::IniSettings& Rinistr_;
  std::u16string& Vrnstr_;
  bool definitionMode_ = false;
  int selectedRow_ = -1;
  std::map<std::pair<int, int>, std::u16string> lockedCells_;
};

}  // namespace vrn::attributes
