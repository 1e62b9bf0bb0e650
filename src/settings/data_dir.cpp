#include "settings/data_dir.h"

#include "platform/user_folders.h"

namespace vrn::settings {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> productFolderIn(const std::optional<fs::path>& root) {
  if (!root || root->empty()) return std::nullopt;
  fs::path folder = *root / "Palwen" / "Vornel" / "";
  std::error_code error;
  if (!fs::is_directory(folder, error)) return std::nullopt;
  return folder;
}

fs::path withTrailingSeparator(fs::path folder) {
  if (folder.has_filename()) folder /= "";
  return folder;
}

}  // namespace

DataDirRoots DataDirRoots::fromPlatform() {
  return {platform::documentsFolder(), platform::roamingAppDataFolder(),
          platform::machineDataFolder()};
}

std::optional<fs::path> chooseDataDir(const DataDirRoots& roots, DataDirSteps steps) {
  if (auto documents = productFolderIn(roots.documents)) return documents;
  if (auto appData = productFolderIn(roots.appData)) return appData;
  if (steps == DataDirSteps::UserFoldersOnly) return std::nullopt;
  return withTrailingSeparator(roots.machine);
}

}  // namespace vrn::settings
