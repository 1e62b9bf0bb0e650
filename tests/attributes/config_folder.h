#pragma once
// ConfigFolder: XDG_CONFIG_HOME pointed at a temporary folder for as long as
// the object lives, so that the registry's POSIX mirror
// (<config>/vrn/HKEY_CURRENT_USER.ini) is the test's own.

#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace vrn::test {

class ConfigFolder {
 public:
  ConfigFolder() {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) old_ = old;
    setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
  }
  ~ConfigFolder() {
    if (old_) {
      setenv("XDG_CONFIG_HOME", old_->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }
  ConfigFolder(const ConfigFolder&) = delete;
  ConfigFolder& operator=(const ConfigFolder&) = delete;

  // Mirrors the registry key of the block histories with these lines
  // (name=value).
  void setBlocksKey(const std::string& lines) const {
    writeFile(dir_ / "vrn/HKEY_CURRENT_USER.ini", "[Software\\Palwen\\Lisp\\Blocks]\n" + lines);
  }

 private:
  TempDir dir_;
  std::optional<std::string> old_;
};

}  // namespace vrn::test
