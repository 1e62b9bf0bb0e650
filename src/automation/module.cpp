#include "automation/module.h"

#include "automation/not_available.h"
#include "encoding/tfrm_fonts.h"
#include "host/host_error.h"

namespace vrn::automation {
namespace {

Module* startedModule = nullptr;

// The first steps of the data directory rule: the product folder in the
// user's documents, else the one in the application-data folder, whether
// that exists or not.
std::filesystem::path userDataDir(const settings::DataDirRoots& roots) {
  if (auto dir = settings::chooseDataDir(roots, settings::DataDirSteps::UserFoldersOnly))
    return *dir;
  return roots.appData ? *roots.appData / "Palwen" / "Vornel" / "" : std::filesystem::path();
}

}  // namespace

Module::Module(ModuleOptions options) {
  if (startedModule != nullptr)
    throw host::HostError(host::hr::kUnexpected, "vrn is already started");
  settings_.roots = std::move(options.roots);
  if (options.dataDir) {
    // The user's folder stands in for the whole rule.
    settings_.roots = {std::nullopt, std::nullopt, std::filesystem::absolute(*options.dataDir)};
  }
  settings_.DataDir = userDataDir(settings_.roots);
  frmFonts_ = std::make_unique<encoding::TfrmFonts>(settings_);
  frmFonts_->FormCreate();
  view_ = std::make_unique<HostView>(*frmFonts_);
  toolkit_ = options.toolkit;
  startedModule = this;
}

Module::~Module() {
  startedModule = nullptr;
  try {
    frmFonts_->FormDestroy();
  } catch (...) {
    // Unloading: nobody is left to tell that Hebrew.ini could not be written.
  }
  frmFonts_.reset();
  view_->clear();
  Vrnstr.clear();
  AcadVersionText.clear();
}

Module& Module::current() {
  if (startedModule == nullptr) throw host::HostError(host::hr::kUnexpected, "vrn is not started");
  return *startedModule;
}

ui::Toolkit& Module::toolkit() const {
  if (toolkit_ == nullptr) formNotAvailable();
  return *toolkit_;
}

bool Module::started() { return startedModule != nullptr; }

}  // namespace vrn::automation
