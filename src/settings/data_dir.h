#pragma once
// DataDir: the folder that holds Hebrew.ini, VrnFonts.txt, editdef.txt and
// vrn.db. The path always ends with a separator ('/' on POSIX, '\' on
// Windows), so that `DataDir / "Hebrew.ini"` and `DataDir.string() +
// "vrn.db"` both name a file in it. No folder is ever created.
//
//   1. <documents>/Palwen/Vornel/   if that folder exists
//   2. <app data>/Palwen/Vornel/    if that folder exists
//   3. the machine folder           (c:\Vornel\ or /opt/Vornel/), existing or not

#include <filesystem>
#include <optional>

namespace vrn::settings {

// The folders the rule looks in; tests give their own.
struct DataDirRoots {
  std::optional<std::filesystem::path> documents;
  std::optional<std::filesystem::path> appData;
  std::filesystem::path machine;

  static DataDirRoots fromPlatform();
};

enum class DataDirSteps { UserFoldersOnly, WithMachineFallback };

// Module start uses UserFoldersOnly (nullopt when neither folder exists);
// TfrmFonts.FormCreate uses WithMachineFallback, which always answers.
std::optional<std::filesystem::path> chooseDataDir(const DataDirRoots& roots, DataDirSteps steps);

}  // namespace vrn::settings
