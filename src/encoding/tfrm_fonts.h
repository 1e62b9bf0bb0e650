#pragma once
// TfrmFonts ("Fonts Definition"): the one font-definition object, created at
// module start and kept until unload. It owns
//
//   - the font map (fontmaps, from VrnFonts.txt in the data directory) and
//     the symbol-font table (fontsyms);
//   - the key texts of editdef.txt;
//   - the current font state cStFont, cStType, cStBack and the saved pair
//     oldst, oldback, which callers set before converting a stored text;
//
// and it carries the conversions that read that state. Its FormCreate
// chooses the data directory and loads the settings; its FormDestroy saves
// them. The window itself (grid, buttons, dialogs) comes with the user
// interface; the handlers here take the file a dialog would have chosen.

#include <cassert>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/font_map_grid.h"
#include "encoding/font_state.h"
#include "encoding/font_type.h"
#include "encoding/symbol_fonts.h"
#include "platform/ini_file.h"
#include "settings/key_definitions.h"
#include "settings/settings.h"

namespace vrn::encoding {

// The form's own texts.
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
inline constexpr char kFontMapName[] = "VrnFonts.txt";
}  // namespace fonts_form

class TfrmFonts {
 public:
  // settings: DataDir and Rinistr, which FormCreate fills and FormDestroy saves.
  explicit TfrmFonts(settings::Settings& settings);

  // --- form events ---
  // Chooses DataDir (all three steps), reads Hebrew.ini, editdef.txt, then
  // the font map and symbol fonts from DataDir/VrnFonts.txt.
  void FormCreate();
  // On every close, OK or Cancel: writes the rows with a font name into the
  // map file. A failure is swallowed: the form still closes.
  void FormClose();
  // Releases the map file and symbol fonts, then writes Hebrew.ini; throws
  // platform::IniWriteError when that fails.
  void FormDestroy();
  // "&New": an empty row at the end, selected.
  void btnNewClick();
  // "&Delete": the selected row, when there is one.
  void btnDeleteClick();
  // "&New from file", with the font file the dialog returned: the font's
  // name becomes a new row at the selected place, selected so that its
  // mapping can be picked. A font already in the map is selected instead.
  void Button1Click(const std::filesystem::path& fontFile);
  // Load (hint "Load  new Font Defenition File"): the grid shows the chosen
  // map, which becomes the map file. The symbol fonts stay.
  void SpeedButton1Click(const std::filesystem::path& mapFile);
  // Save as (hint "Load   Font Defenition File As .."): every row into the
  // chosen file, which then becomes the map file. Throws
  // platform::IniWriteError, and then the old map file stays in use.
  void SpeedButton2Click(const std::filesystem::path& mapFile);

  // --- font classification (see encoding/font_classification.h) ---
  // Sets cStType and cStFont; cStBack is left alone.
  void SetFntType(std::u16string_view fsname);
  // The same; a font mapped "Windows" whose text str holds a DOS letter
  // (byte 0x80-0x9A) is taken as DosHebrew.
  void SetFntType(std::u16string_view fsname, std::u16string_view str);
  // The type of fsname. Also sets cStFont, and cStType to TrueType for an
  // empty file name or a .ttf file, to WindowsHeb for a VORNEL font; else
  // cStType is left alone.
  fntType GetFntType(std::u16string_view fsname);
  // Records that font fname has type ft and writes the whole map at once,
  // rows without a font name too. Throws platform::IniWriteError.
  void changefnt(std::u16string_view fname, fntType ft);

  // The text editdef.txt defines for a key press (key: virtual-key code).
  std::u16string KeyDefText(settings::ShiftState shift, std::uint16_t key) const;

  // The symbol-font record of the font of that name, or null.
  const tsymb* symbolFont(std::u16string_view name) const;

  // --- conversions with the current state (see encoding/conversions.h) ---
  std::u16string AcadToEditDos(std::u16string_view ss) const;
  std::u16string EditToacadDos(std::u16string_view ss) const;
  std::u16string AcadToEditWin(std::u16string_view ss) const;
  std::u16string EditToacadWin(std::u16string_view ss) const;  // reads ReverseTTF
  // Type and flag as arguments; reads ReverseTTF only.
  std::u16string AAcadToEditWin(std::u16string_view ss, fntType ftype, bool backward,
                                bool RightToLeft) const;

  FontState currentFontState() const {
    assert(isKnownFontType(cStType));
    return {cStType, cStBack};
  }

  // --- state ---
  FontMapGrid fontmaps;
  settings::KeyDefinitions keyDefinitions;  // fkeys, alts, ctrls
  const tsymb* csymb = nullptr;             // set by the single-line editor
  std::unique_ptr<platform::IniFile> fontfile;
  std::vector<std::u16string> fontlist;
  std::vector<SymbolFont> fontsyms;
  std::filesystem::path fileName;      // the "File" field: the map file in use
  std::filesystem::path dialogFolder;  // initial folder of the map dialogs
  std::u16string cStFont;
  fntType cStType = fntType::DosHebrew;
  bool cStBack = false;
  fntType oldst = fntType::DosHebrew;
  bool oldback = false;

 private:
  void showFontMap();
  void useFontFile(std::unique_ptr<platform::IniFile> file);

  settings::Settings& settings_;
};

}  // namespace vrn::encoding
