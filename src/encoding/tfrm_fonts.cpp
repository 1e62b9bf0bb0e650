#include "encoding/tfrm_fonts.h"

#include <cassert>

#include "encoding/char_tables.h"
#include "encoding/conversions.h"
#include "encoding/font_classification.h"
#include "encoding/font_map_file.h"
#include "settings/data_dir.h"
#include "settings/ini_settings.h"

namespace vrn::encoding {
namespace {

namespace fs = std::filesystem;

}  // namespace

TfrmFonts::TfrmFonts(settings::Settings& settings) : settings_(settings) {}

void TfrmFonts::FormCreate() {
  settings_.DataDir =
      *settings::chooseDataDir(settings_.roots, settings::DataDirSteps::WithMachineFallback);
  try {
    settings_.Rinistr = settings::loadIniSettings(hebrewIni());
  } catch (const platform::IniReadError& error) {
    settings_.Rinistr = {};
    iniReadError_ = error;
  }
  loadedRinistr_ = settings_.Rinistr;
  keyDefinitions = settings::loadKeyDefinitions(settings_.DataDir / settings::kEditDefName);

  const fs::path mapFile = settings_.DataDir / kFontMapName;
  useFontFile(platform::openIniFile(mapFile), mapFile);
  dialogFolder = settings_.DataDir;
  fontsyms = readSymbolFonts(*fontfile);
  fontmaps = fontMapOf(*fontfile);
}

void TfrmFonts::FormDestroy() {
  fontfile.reset();
  fontlist.clear();
  csymb = nullptr;
  fontsyms.clear();
  saveSettings();
}

void TfrmFonts::saveSettings() {
  // Every command and every unload would otherwise rewrite the file.
  if (settings_.Rinistr == loadedRinistr_) return;
  if (iniReadError_) throw *iniReadError_;
  settings::saveIniSettings(settings_.Rinistr, hebrewIni());
  loadedRinistr_ = settings_.Rinistr;
}

fs::path TfrmFonts::hebrewIni() const { return settings_.DataDir / settings::kHebrewIniName; }

std::optional<platform::IniReadError> TfrmFonts::fontMapReadError() const {
  return fontfile ? fontfile->readError() : std::nullopt;
}

void TfrmFonts::loadFontMap(const fs::path& mapFile) {
  useFontFile(platform::openIniFile(mapFile), mapFile);
  fontmaps = fontMapOf(*fontfile);
  dialogFolder = mapFile.parent_path();
}

void TfrmFonts::setFontMap(FontMapGrid rows, const fs::path& mapFile) {
  fontmaps = std::move(rows);
  if (!fontfile) throw platform::IniWriteError(mapFile);
  if (mapFile == fileName) {
    writeFontMap(*fontfile, fontmaps, EmptyKeys::Skip);
    fontlist = readFontList(*fontfile);
  } else {
    auto file = platform::openIniFile(mapFile);
    writeFontMap(*file, fontmaps, EmptyKeys::Skip);
    useFontFile(std::move(file), mapFile);
    dialogFolder = mapFile.parent_path();
  }
}

void TfrmFonts::useFontFile(std::unique_ptr<platform::IniFile> file, const fs::path& mapFile) {
  fontfile = std::move(file);
  fontlist = readFontList(*fontfile);
  fileName = mapFile;
}

void TfrmFonts::SetFntType(std::u16string_view fsname) {
  FontClassification found = classifyFont(fsname, fontmaps);
  cStFont = std::move(found.cStFont);
  cStType = found.type;
  assert(isKnownFontType(cStType));
}

void TfrmFonts::SetFntType(std::u16string_view fsname, std::u16string_view str) {
  FontClassification found = classifyFont(fsname, fontmaps);
  cStType = textFontType(found, str);
  cStFont = std::move(found.cStFont);
  assert(isKnownFontType(cStType));
}

fntType TfrmFonts::GetFntType(std::u16string_view fsname) {
  FontClassification found = classifyFont(fsname, fontmaps);
  cStFont = std::move(found.cStFont);
  if (found.emptyFileName) cStType = fntType::TrueType;
  if (found.by == ClassifiedBy::VornelName) cStType = fntType::WindowsHeb;
  if (found.by == ClassifiedBy::TrueTypeExtension) cStType = fntType::TrueType;
  assert(isKnownFontType(found.type) && isKnownFontType(cStType));
  return found.type;
}

void TfrmFonts::changefnt(std::u16string_view fname, fntType ft) {
  std::u16string name = fontMapKey(fname);
  std::u16string mapping(mappingWordOf(ft));
  if (auto row = fontmaps.findKey(name)) {
    fontmaps.setMapping(*row, std::move(mapping));
  } else {
    fontmaps.appendRow({std::move(name), std::move(mapping)});
  }
  if (!fontfile) throw platform::IniWriteError(fileName);
  writeFontMap(*fontfile, fontmaps, EmptyKeys::Write);
}

std::u16string TfrmFonts::KeyDefText(settings::ShiftState shift, std::uint16_t key) const {
  return keyDefinitions.KeyDefText(shift, key);
}

const tsymb* TfrmFonts::symbolFont(std::u16string_view name) const {
  return findSymbolFont(fontsyms, name);
}

std::u16string TfrmFonts::AcadToEditDos(std::u16string_view ss) const {
  return encoding::AcadToEditDos(ss, currentFontState());
}

std::u16string TfrmFonts::EditToacadDos(std::u16string_view ss) const {
  return encoding::EditToacadDos(ss, currentFontState());
}

std::u16string TfrmFonts::AcadToEditWin(std::u16string_view ss) const {
  return encoding::AcadToEditWin(ss, currentFontState());
}

std::u16string TfrmFonts::EditToacadWin(std::u16string_view ss) const {
  return encoding::EditToacadWin(ss, currentFontState(), settings_.Rinistr.reverseTTF);
}

std::u16string TfrmFonts::AAcadToEditWin(std::u16string_view ss, fntType ftype, bool backward,
                                         bool RightToLeft) const {
  return encoding::AAcadToEditWin(ss, FontState{ftype, backward}, RightToLeft,
                                  settings_.Rinistr.reverseTTF);
}

}  // namespace vrn::encoding
