#include "editing/fonts_definition_form.h"

#include "encoding/font_classification.h"
#include "encoding/font_map_file.h"
#include "platform/ini_file.h"

namespace vrn::editing {
namespace {

namespace fs = std::filesystem;

int gridIndex(std::size_t row) { return static_cast<int>(row); }
std::size_t rowIndex(int row) { return static_cast<std::size_t>(row); }

}  // namespace

FontsDefinitionForm::FontsDefinitionForm(ui::Toolkit& toolkit, encoding::TfrmFonts& fonts)
    : Form(toolkit, "TfrmFonts"), fonts_(fonts) {
  setCaption(fonts_form::kCaption);
  setBounds({0, 120, 384, 424});
  Label1.setBounds({8, 12, 28, 16});
  Edit1.setBounds({40, 8, 264, 24});
  Edit1.setReadOnly(true);
  SpeedButton1.setBounds({312, 6, 28, 28});
  SpeedButton1.setHint(fonts_form::kLoadHint);
  SpeedButton2.setBounds({344, 6, 28, 28});
  SpeedButton2.setHint(fonts_form::kSaveAsHint);
  fontmaps.setBounds({8, 44, 264, 336});
  fontmaps.setFixedRows(1);
  fontmaps.setColWidth(0, 140);
  fontmaps.setColWidth(1, 120);
  fontmaps.setEditing(true);
  btnNew.setBounds({284, 44, 88, 28});
  btnDelete.setBounds({284, 80, 88, 28});
  Button1.setBounds({284, 116, 88, 28});
  btnOk.setBounds({284, 316, 88, 28});
  btnOk.setDefault(true);
  btnOk.setModalResult(ui::ModalResult::OK);
  btnCancel.setBounds({284, 352, 88, 28});
  btnCancel.setCancel(true);
  btnCancel.setModalResult(ui::ModalResult::Cancel);
  OpenDialog1.setFilter(fonts_form::kFontFileFilter);
  OpenDialog1.setDefaultExt(fonts_form::kFontFileExtension);
  OpenDialog2.setFilter(fonts_form::kFontMapFilter);
  OpenDialog2.setDefaultExt(fonts_form::kFontMapExtension);
  SaveDialog1.setFilter(fonts_form::kFontMapFilter);
  SaveDialog1.setDefaultExt(fonts_form::kFontMapExtension);

  onShow = [this] { FormShow(); };
  btnNew.onClick = [this] { btnNewClick(); };
  btnDelete.onClick = [this] { btnDeleteClick(); };
  Button1.onClick = [this] { Button1Click(); };
  SpeedButton1.onClick = [this] { SpeedButton1Click(); };
  SpeedButton2.onClick = [this] { SpeedButton2Click(); };
  onClose = [this] { FormClose(); };
  fontmaps.onSelectCell = [this](int col, int row, bool&) { fontmapsSelectCell(col, row); };
  fontmaps.onSetEditText = [this](int col, int row, const std::u16string& text) {
    fontmapsSetEditText(col, row, text);
  };
}

void FontsDefinitionForm::FormShow() {
  rows_ = fonts_.fontmaps;
  mapFile_ = fonts_.fileName;
  dialogFolder_ = fonts_.dialogFolder;
  showMapFile(mapFile_);
  showRows(1);
  centreOnPointerMonitor();
}

void FontsDefinitionForm::btnNewClick() {
  rows_.selectRow(rows_.appendRow({}));
  showRows(0);
  fontmaps.setFocus();
}

void FontsDefinitionForm::btnDeleteClick() {
  if (rows_.entryCount() >= 1 && rows_.selectedRow() >= 1) {
    rows_.deleteRow(rows_.selectedRow());
    showRows(fontmaps.col());
  }
}

void FontsDefinitionForm::Button1Click() {
  if (!OpenDialog1.execute()) return;
  std::u16string font = OpenDialog1.fileName().stem().u16string();
  if (font.empty()) return;
  if (auto existing = rows_.findKey(font)) {
    rows_.selectRow(*existing);
  } else {
    std::size_t at = rows_.selectedRow() >= 1 ? rows_.selectedRow() : rows_.rowCount();
    rows_.selectRow(rows_.insertRow(at, {std::move(font), u""}));
  }
  showRows(1);
}

void FontsDefinitionForm::SpeedButton1Click() {
  OpenDialog2.setInitialDir(dialogFolder_);
  OpenDialog2.setFileName(mapFile_);
  if (!OpenDialog2.execute()) return;
  const fs::path chosen = OpenDialog2.fileName();
  rows_ = encoding::fontMapOf(*platform::openIniFile(chosen));
  mapFile_ = chosen;
  dialogFolder_ = chosen.parent_path();
  showMapFile(chosen);
  showRows(1);
}

void FontsDefinitionForm::SpeedButton2Click() {
  SaveDialog1.setInitialDir(dialogFolder_);
  SaveDialog1.setFileName(mapFile_);
  if (!SaveDialog1.execute()) return;
  const fs::path chosen = SaveDialog1.fileName();
  encoding::writeFontMap(*platform::openIniFile(chosen), rows_, encoding::EmptyKeys::Write);
  mapFile_ = chosen;
  dialogFolder_ = chosen.parent_path();
  showMapFile(chosen);
}

// Every close, OK or Cancel alike, makes the map as edited the font map and
// writes it. A failed write is shown (the seam shows what onClose raises)
// and the window closes all the same; the map in memory stays as edited.
void FontsDefinitionForm::FormClose() {
  fonts_.dialogFolder = dialogFolder_;
  fonts_.setFontMap(rows_, mapFile_);
}

void FontsDefinitionForm::fontmapsSelectCell(int, int row) { rows_.selectRow(rowIndex(row)); }

void FontsDefinitionForm::fontmapsSetEditText(int col, int row, const std::u16string& text) {
  if (col == 0) {
    rows_.setKey(rowIndex(row), text);
  } else {
    rows_.setMapping(rowIndex(row), text);
  }
}

void FontsDefinitionForm::showRows(int col) {
  const std::vector<std::u16string> pickList(encoding::kFontMappingWords.begin(),
                                             encoding::kFontMappingWords.end());
  fontmaps.setRowCount(gridIndex(rows_.rowCount()));
  for (std::size_t i = 0; i < rows_.rowCount(); ++i) {
    fontmaps.setCell(0, gridIndex(i), rows_.row(i).key);
    fontmaps.setCell(1, gridIndex(i), rows_.row(i).mapping);
    if (i >= 1) fontmaps.setPickList(gridIndex(i), pickList);
  }
  if (rows_.selectedRow() >= 1) fontmaps.selectCell(col, gridIndex(rows_.selectedRow()));
}

void FontsDefinitionForm::showMapFile(const fs::path& mapFile) {
  Edit1.setText(mapFile.u16string());
}

}  // namespace vrn::editing
