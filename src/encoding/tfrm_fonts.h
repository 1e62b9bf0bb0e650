#pragma once
// TfrmFonts ("Fonts Definition"): the model of the one font-definition
// object, created at module start and kept until unload. It owns
//
//   - the font map (fontmaps, from VrnFonts.txt in the data directory) and
//     the symbol-font table (fontsyms);
//   - the key texts of editdef.txt;
//   - the current font state cStFont, cStType, cStBack and the saved pair
//     oldst, oldback, which callers set before converting a stored text;
//
// and it carries the conversions that read that state. Its FormCreate
// chooses the data directory and loads the settings; its FormDestroy saves
// them. The window that shows and edits the map (captions, buttons,
// dialogs) is editing/fonts_definition_form; it edits a copy and hands it
// back through setFontMap.

#include <cassert>
#include <filesystem>
#include <memory>
#include <optional>
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

// The font map's file in the data directory.
inline constexpr char kFontMapName[] = "VrnFonts.txt";

class TfrmFonts {
 public:
  // settings: DataDir and Rinistr, which FormCreate fills and FormDestroy saves.
  explicit TfrmFonts(settings::Settings& settings);

  // --- module start and unload ---
  // Chooses DataDir (all three steps), reads Hebrew.ini, editdef.txt, then
  // the font map and symbol fonts from DataDir/VrnFonts.txt.
  void FormCreate();
  // Releases the map file and symbol fonts, then saveSettings().
  void FormDestroy();
  // Writes Hebrew.ini when a setting changed since it was read; throws
  // platform::IniWriteError when that fails (a read-only file included),
  // platform::IniReadError when Hebrew.ini could not be read at start.
  void saveSettings();

  // Set when Hebrew.ini exists but could not be read: Rinistr holds the
  // defaults and the file is never written.
  const std::optional<platform::IniReadError>& settingsReadError() const { return iniReadError_; }

  // --- the font map in use ---
  // Set when the map file exists but could not be read: the map is empty
  // and the file is never written (changefnt and setFontMap throw it).
  std::optional<platform::IniReadError> fontMapReadError() const;
  // The map of mapFile replaces the rows, and mapFile becomes the map file
  // (its folder the dialogs' folder). The symbol fonts stay.
  void loadFontMap(const std::filesystem::path& mapFile);
  // The rows edited in the form, and the map file chosen there: the rows
  // become the map at once, as edited, and those with a font name are
  // written into mapFile, which becomes the map file when that worked.
  // Throws platform::IniWriteError after taking the rows.
  void setFontMap(FontMapGrid rows, const std::filesystem::path& mapFile);

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
  std::filesystem::path dialogFolder;  // initial folder of the map dialogs, kept between showings
  std::u16string cStFont;
  fntType cStType = fntType::DosHebrew;
  bool cStBack = false;
  fntType oldst = fntType::DosHebrew;
  bool oldback = false;
  bool oldSaved = false;  // oldst and oldback were saved since load

 private:
  void useFontFile(std::unique_ptr<platform::IniFile> file, const std::filesystem::path& mapFile);
  std::filesystem::path hebrewIni() const;

  settings::Settings& settings_;
  settings::IniSettings loadedRinistr_;  // as Hebrew.ini gave it
  std::optional<platform::IniReadError> iniReadError_;
};

}  // namespace vrn::encoding
