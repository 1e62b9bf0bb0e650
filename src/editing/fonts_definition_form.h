#pragma once
// The "Fonts Definition" window (form class TfrmFonts): the font map in a
// grid of font names and mapping words, with buttons to add a row, delete
// one, add a font picked from a file, load another map file and save the
// map as another file.
//
// The window edits a copy of the model's map (encoding::TfrmFonts, which
// lives from module start to unload). Every close, OK, Cancel or the close
// box, hands the copy and the map file chosen back to the model, which
// writes it; when that write fails, the error is shown, the window closes
// all the same and the model keeps the edited map in memory. Save As writes
// the chosen file at once: that file is what the user asked for.

#include <filesystem>

#include "encoding/font_map_grid.h"
#include "encoding/tfrm_fonts.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/string_grid.h"
#include "ui/tool_button.h"

namespace vrn::editing {

namespace fonts_form {
inline constexpr char16_t kCaption[] = u"Fonts Definition";
inline constexpr char16_t kFileLabel[] = u"File";
inline constexpr char16_t kNewCaption[] = u"&New";
inline constexpr char16_t kDeleteCaption[] = u"&Delete";
inline constexpr char16_t kNewFromFileCaption[] = u"&New from file";
inline constexpr char16_t kLoadHint[] = u"Load  new Font Defenition File";
inline constexpr char16_t kSaveAsHint[] = u"Load   Font Defenition File As ..";
inline constexpr char16_t kFontFileFilter[] = u"Autocad Fonts|*.shx;*.shp|True Type|*.ttf";
inline constexpr char16_t kFontFileExtension[] = u"*.shx";
inline constexpr char16_t kFontMapFilter[] = u"Font Definitio Files(*.txt)|*.txt";
inline constexpr char16_t kFontMapExtension[] = u"txt";
}  // namespace fonts_form

class FontsDefinitionForm : public ui::Form {
 public:
  FontsDefinitionForm(ui::Toolkit& toolkit, encoding::TfrmFonts& fonts);

  ui::Label Label1{*this, "Label1", fonts_form::kFileLabel};
  ui::Edit Edit1{*this, "Edit1"};  // the map file the window shows
  ui::ToolButton SpeedButton1{*this, "SpeedButton1"};
  ui::ToolButton SpeedButton2{*this, "SpeedButton2"};
  // Column 0 the font, column 1 its mapping; row 0 the titles.
  ui::StringGrid fontmaps{*this, "fontmaps", 2, 1};
  ui::Button btnNew{*this, "btnNew", fonts_form::kNewCaption};
  ui::Button btnDelete{*this, "btnDelete", fonts_form::kDeleteCaption};
  ui::Button Button1{*this, "Button1", fonts_form::kNewFromFileCaption};
  ui::Button btnOk{*this, "btnOk", u"OK"};
  ui::Button btnCancel{*this, "btnCancel", u"Cancel"};
  ui::OpenDialog OpenDialog1{*this, "OpenDialog1"};  // a font file
  ui::OpenDialog OpenDialog2{*this, "OpenDialog2"};  // a font map
  ui::SaveDialog SaveDialog1{*this, "SaveDialog1"};  // a font map

  void FormShow();
  void btnNewClick();
  void btnDeleteClick();
  // The picked font becomes a new row at the selected place, selected on
  // its mapping; a font already in the map is selected instead.
  void Button1Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void FormClose();
  void fontmapsSelectCell(int col, int row);
  void fontmapsSetEditText(int col, int row, const std::u16string& text);

 private:
  // The grid shows rows_, its selected row on column col.
  void showRows(int col);
  void showMapFile(const std::filesystem::path& mapFile);

  encoding::TfrmFonts& fonts_;
  encoding::FontMapGrid rows_;          // the map as edited
  std::filesystem::path mapFile_;       // the map file OK hands back
  std::filesystem::path dialogFolder_;  // where the map dialogs open
};

}  // namespace vrn::editing
