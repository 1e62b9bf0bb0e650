#include "attributes/tfrm_grid.h"

#include <charconv>
#include <cmath>

#include "ascii/blanks.h"
#include "ascii/letter_case.h"
#include "attributes/history_source.h"
#include "encoding/keyboard_switch.h"
#include "platform/general_number_format.h"

namespace vrn::attributes {
namespace {

constexpr int kTagWidth = 120;
constexpr int kPromptWidth = 150;
constexpr int kMinValueWidth = 80;
constexpr int kRowHeight = 30;
constexpr int kHistoryShown = 12;
constexpr int kShownDigits = 15;
constexpr int kTopBar = 40;
constexpr int kBottomBar = 84;
// The window's frame and title around its client area.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 38;
constexpr int kMargin = 8;

std::u16string numberText(double value) {
  return platform::generalNumberText(value, kShownDigits, u'.');
}

// A width factor the host can take: a positive number, "." as the
// decimal separator, blanks around it allowed.
std::optional<double> widthFactor(std::u16string_view text) {
  const std::u16string_view trimmed = trimBlanks(text);
  std::string ascii;
  for (const char16_t c : trimmed) {
    if (c > 0x7F) return std::nullopt;
    ascii.push_back(static_cast<char>(c));
  }
  double value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  if (!std::isfinite(value) || value <= 0) return std::nullopt;
  return value;
}

}  // namespace

TfrmGrid::TfrmGrid(ui::Toolkit& toolkit, settings::IniSettings& Rinistr, std::u16string& Vrnstr)
    : Form(toolkit, "TfrmGrid"), Rinistr_(Rinistr), Vrnstr_(Vrnstr) {
  setCaption(kGridCaption);
  setBounds({0, 0, 400, 300});
  BitBtn3.setHint(u"Select another block");
  ngrid.setFixedRows(1);
  ngrid.setCell(kTagCol, 0, u"Tag");
  ngrid.setCell(kPromptCol, 0, u"Prompt");
  ngrid.setCell(kValueCol, 0, u"Value");
  ngrid.setColWidth(kTagCol, kTagWidth);
  ngrid.setColWidth(kPromptCol, kPromptWidth);
  ngrid.setDefaultRowHeight(kRowHeight);
  ngrid.setEditing(true);
  ComboBox1.setVisible(false);
  ComboBox1.setDropDownCount(kHistoryShown);
  edWF.setRightToLeft(false);
  btnOk.setDefault(true);
  btnOk.setModalResult(ui::ModalResult::OK);
  btnCancel.setCancel(true);
  btnCancel.setModalResult(ui::ModalResult::Cancel);
  BitBtn3.setModalResult(ui::ModalResult::OK);

  onCreate = [this] { FormCreate(); };
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  onDestroy = [this] { FormDestroy(); };
  onResize = [this] { FormResize(); };
  btnOk.onClick = [this] { btnOkClick(); };
  btnCancel.onClick = [this] { btnCancelClick(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  btnH.onClick = [this] { btnHClick(); };
  ngrid.onSelectCell = [this](int col, int row, bool& canSelect) {
    ngridSelectCell(col, row, canSelect);
  };
  ngrid.onSetEditText = [this](int col, int row, const std::u16string&) {
    ngridSetEditText(col, row);
  };
  edWF.onChange = [this] { edWFChange(); };
  ComboBox1.onChange = [this] { ComboBox1Change(); };
  FormResize();
}

std::optional<std::u16string> TfrmGrid::readHistory(library::Tdb& db,
                                                    const std::u16string& blockName) {
  isBson = false;
  const std::u16string text = readHistoryText(db, blockName);
  if (text.empty()) return std::nullopt;
  try {
    bson = BlockHistory::parse(text);
    isBson = true;
    return std::nullopt;
  } catch (const BadHistory& e) {
    return u"The value history of block " + blockName + u" cannot be used: " +
           std::u16string(e.what(), e.what() + std::char_traits<char>::length(e.what())) +
           u". The attributes are edited without it.";
  }
}

void TfrmGrid::setRowCount(int rows) {
  ngrid.setRowCount(rows + 1);
  sfactor.assign(static_cast<std::size_t>(rows), 1.0);
  storedFactor = sfactor;
}

void TfrmGrid::setDefinitionMode() {
  definitionMode_ = true;
  lblNext.setVisible(false);
  BitBtn3.setVisible(false);
  lblWF.setVisible(false);
  edWF.setVisible(false);
}

void TfrmGrid::selectRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  ngrid.selectCell(kValueCol, row + 1);
  rowSelected(row);
}

// ---- life ---------------------------------------------------------------------------

void TfrmGrid::FormCreate() {
  setBounds({0, Rinistr_.grt, Rinistr_.grw, Rinistr_.grh});
  centreOnPointerMonitor();
  setGridRightToLeft(Rinistr_.grmode == 0);
}

void TfrmGrid::FormShow() {
  lockCells();
  if (ngrid.rightToLeft()) {
    encoding::SetKeyboardHebrew();
    btnH.setCaption(u"&English");
  } else {
    encoding::SetKeyboardEnglish();
    btnH.setCaption(u"&Hebrew");
  }
  ngrid.setFocus();
}

void TfrmGrid::FormClose() { encoding::SetKeyboardEnglish(); }

void TfrmGrid::FormDestroy() {
  encoding::SetKeyboardEnglish();
  const ui::Rect place = bounds();
  Rinistr_.grl = place.left;
  Rinistr_.grt = place.top;
  Rinistr_.grw = place.width;
  Rinistr_.grh = place.height;
  Rinistr_.grmode = ngrid.rightToLeft() ? 0 : 1;
}

void TfrmGrid::FormResize() {
  const int width = bounds().width - kFrameWidth;
  const int height = bounds().height - kFrameHeight;
  const int inner = width - 2 * kMargin;
  btnH.setBounds({kMargin, 8, 64, 24});
  lblName.setBounds({80, 12, std::max(0, width - 80 - 166), 16});
  lblNext.setBounds({width - 160, 12, 116, 16});
  BitBtn3.setBounds({width - 40, 6, 32, 28});
  ngrid.setBounds({kMargin, kTopBar, inner, std::max(kRowHeight, height - kTopBar - kBottomBar)});
  ngrid.setColWidth(kValueCol, std::max(kMinValueWidth, inner - kTagWidth - kPromptWidth - 24));
  ComboBox1.setBounds({kMargin, height - kBottomBar + 8, inner, 24});
  lblWF.setBounds({kMargin, height - 42, 84, 32});
  edWF.setBounds({96, height - 40, 64, 24});
  btnOk.setBounds({width - 184, height - 42, 84, 28});
  btnCancel.setBounds({width - 92, height - 42, 84, 28});
}

// ---- buttons and language -------------------------------------------------------------

void TfrmGrid::BitBtn3Click() {
  Vrnstr_ = kNextResult;
  isCancel = false;
}

void TfrmGrid::btnHClick() {
  if (upperAscii(btnH.caption()) == u"&ENGLISH") {
    setGridRightToLeft(false);
    encoding::SetKeyboardEnglish();
    btnH.setCaption(u"&Hebrew");
  } else {
    setGridRightToLeft(true);
    encoding::SetKeyboardHebrew();
    btnH.setCaption(u"&English");
  }
}

void TfrmGrid::setGridRightToLeft(bool rightToLeft) { ngrid.setRightToLeft(rightToLeft); }

// ---- rows and history -----------------------------------------------------------------

void TfrmGrid::ngridSelectCell(int, int row, bool&) { rowSelected(row - 1); }

// Only the values are edited (in the definition editor only its one row):
// an edit anywhere else is taken back.
void TfrmGrid::ngridSetEditText(int col, int row) {
  if (editable(col, row - 1)) return;
  const auto kept = lockedCells_.find({col, row});
  ngrid.setCell(col, row, kept == lockedCells_.end() ? std::u16string() : kept->second);
}

bool TfrmGrid::editable(int col, int row) const {
  return definitionMode_ ? row == kDefinitionRow : col == kValueCol;
}

void TfrmGrid::lockCells() {
  lockedCells_.clear();
  for (int row = 0; row < rowCount(); ++row) {
    for (int col = 0; col < ngrid.colCount(); ++col) {
      if (!editable(col, row)) lockedCells_[{col, row + 1}] = cell(col, row);
    }
  }
}

void TfrmGrid::rowSelected(int row) {
  if (row < 0 || definitionMode_) return;
  selectedRow_ = row;
  // Showing the stored factor is an edit of the box: the row takes it again.
  const auto index = static_cast<std::size_t>(row);
  edWF.setText(numberText(storedFactor[index]));
  sfactor[index] = storedFactor[index];
  const TagHistory* found = isBson && hasHistory(row) ? bson.find(cell(kTagCol, row)) : nullptr;
  if (found == nullptr) {
    ComboBox1.setVisible(false);
    return;
  }
  const TagHistory& history = *found;
  const std::u16string value = cell(kValueCol, row);
  ff = history.B.has_value();
  bvlist.clear();
  if (ff) {
    for (std::size_t k = 0; k < history.A.size(); ++k) bvlist.push_back(history.storedValue(k));
  }
  iSecondTag = -1;
  if (history.S) {
    SecondTag = *history.S;
    for (int r = 0; r < rowCount(); ++r) {
      if (cell(kTagCol, r) == SecondTag) {
        iSecondTag = r;
        break;
      }
    }
  }
  ComboBox1.setItems(history.A);
  int selected = -1;
  for (std::size_t k = 0; k < history.A.size(); ++k) {
    if ((ff ? bvlist[k] : history.A[k]) == value) selected = static_cast<int>(k);
  }
  ComboBox1.setItemIndex(selected);
  ComboBox1.setVisible(true);
}

void TfrmGrid::ComboBox1Change() {
  const int k = ComboBox1.itemIndex();
  if (k < 0 || selectedRow_ < 0) return;
  const std::u16string& chosen = ComboBox1.item(k);
  const std::u16string stored = ff ? bvlist[static_cast<std::size_t>(k)] : chosen;
  if (iSecondTag >= 0) setCell(kValueCol, iSecondTag, chosen);
  setCell(kValueCol, selectedRow_, stored);
}

void TfrmGrid::edWFChange() {
  if (selectedRow_ < 0 || selectedRow_ >= rowCount()) return;
  const auto row = static_cast<std::size_t>(selectedRow_);
  sfactor[row] = widthFactor(edWF.text()).value_or(storedFactor[row]);
}

}  // namespace vrn::attributes
