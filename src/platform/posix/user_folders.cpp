// XDG base and user directories stand for the Windows shell folders.

#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "ascii/blanks.h"

namespace vrn::platform {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

std::optional<fs::path> homeFolder() {
  if (auto home = environment("HOME")) return fs::path(*home);
  if (const passwd* entry = getpwuid(getuid());
      entry != nullptr && entry->pw_dir != nullptr && *entry->pw_dir != '\0') {
    return fs::path(entry->pw_dir);
  }
  return std::nullopt;
}

// XDG says a relative path in these variables is invalid and to be ignored.
std::optional<fs::path> absoluteFromEnvironment(const char* name) {
  auto value = environment(name);
  if (!value || !fs::path(*value).is_absolute()) return std::nullopt;
  return fs::path(*value);
}

// The value of one XDG_xxx_DIR line of user-dirs.dirs: "$HOME/..." or an
// absolute path, in double quotes.
std::optional<fs::path> userDirsEntry(const fs::path& file, const std::string& name,
                                      const fs::path& home) {
  std::ifstream in(file);
  std::string line;
  std::optional<fs::path> found;
  while (std::getline(in, line)) {
    const std::string_view entry = trimBlanks(line);
    if (!entry.starts_with(name + "=")) continue;
    std::string value(entry.substr(name.size() + 1));
    if (value.size() < 2 || value.front() != '"') continue;
    std::size_t close = value.find('"', 1);
    if (close == std::string::npos) continue;
    value = value.substr(1, close - 1);
    if (value.rfind("$HOME", 0) == 0) {
      std::string rest = value.substr(5);
      if (!rest.empty() && rest.front() != '/') continue;
      found = rest.empty() ? home : home / rest.substr(1);
    } else if (fs::path(value).is_absolute()) {
      found = fs::path(value);
    }
  }
  return found;
}

}  // namespace

std::optional<fs::path> documentsFolder() {
  if (auto direct = absoluteFromEnvironment("XDG_DOCUMENTS_DIR")) return direct;
  auto home = homeFolder();
  if (!home) return std::nullopt;
  if (auto config = roamingAppDataFolder()) {
    if (auto entry = userDirsEntry(*config / "user-dirs.dirs", "XDG_DOCUMENTS_DIR", *home)) {
      return entry;
    }
  }
  return *home / "Documents";
}

std::optional<fs::path> roamingAppDataFolder() {
  if (auto direct = absoluteFromEnvironment("XDG_CONFIG_HOME")) return direct;
  auto home = homeFolder();
  if (!home) return std::nullopt;
  return *home / ".config";
}

fs::path machineDataFolder() { return fs::path("/opt/Vornel/"); }

}  // namespace vrn::platform
