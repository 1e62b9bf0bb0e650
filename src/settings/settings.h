#pragma once
// Settings: the module-wide settings state that TfrmFonts loads and saves:
// the data directory, the settings record Rinistr and where the data
// directory is looked for.

#include <filesystem>

#include "settings/data_dir.h"
#include "settings/ini_settings.h"

namespace vrn::settings {

struct Settings {
  DataDirRoots roots = DataDirRoots::fromPlatform();
  std::filesystem::path DataDir;  // ends with a separator once chosen
  IniSettings Rinistr;
};

}  // namespace vrn::settings
