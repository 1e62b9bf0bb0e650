#pragma once
// IniFile: a settings file of [sections] and key=value lines, as the Windows
// profile functions read and write it. Section and key names match without
// regard to case; reading a missing file, section or key gives the caller's
// default, and a malformed line is skipped, never an error.
//
// A file that exists but cannot be read or decoded reads as empty too, but
// readError() says why and the file is never written: the user's values and
// sections would be lost.
//
// Writes may stay in memory until updateFile(), which must be called to
// make them last (the Windows side writes through at once). The file is
// never left half-written: POSIX writes a temporary file beside it and
// renames it over the old one.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vrn::platform {

// "Unable to write to %s", with the file name in place of %s.
class IniWriteError : public std::runtime_error {
 public:
  explicit IniWriteError(const std::filesystem::path& file);
};

// "Cannot read %s (why); it is left as it is".
class IniReadError : public std::runtime_error {
 public:
  IniReadError(const std::filesystem::path& file, const std::string& why);
};

class IniFile {
 public:
  virtual ~IniFile() = default;

  virtual const std::filesystem::path& fileName() const = 0;

  // Set when the file exists but could not be read or decoded when last read.
  virtual std::optional<IniReadError> readError() const = 0;

  // The value of the first line of the first section with these names.
  virtual std::optional<std::u16string> findString(std::u16string_view section,
                                                   std::u16string_view key) const = 0;
  // The key names of a section in file order, duplicates included; empty
  // for a missing section.
  virtual std::vector<std::u16string> readSection(std::u16string_view section) const = 0;

  // Sets the first line with this key, or adds one at the end of the
  // section (the section is added when missing). The key is written as
  // spelled here. Line breaks in a name or value become blanks: they
  // would start new lines in the file.
  virtual void writeString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view value) = 0;
  // Removes every section of this name with all its lines.
  virtual void eraseSection(std::u16string_view section) = 0;
  // Puts pending writes into the file; throws IniWriteError and keeps the
  // old file when that fails or the file is read-only, IniReadError when
  // the file could not be read.
  virtual void updateFile() = 0;

  std::u16string readString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue) const;
  // A value that is no decimal 32-bit integer gives the default.
  std::int32_t readInteger(std::u16string_view section, std::u16string_view key,
                           std::int32_t defaultValue) const;
  // Stored as an integer: 0 is false, any other integer true.
  bool readBool(std::u16string_view section, std::u16string_view key, bool defaultValue) const;

  void writeInteger(std::u16string_view section, std::u16string_view key, std::int32_t value);
  void writeBool(std::u16string_view section, std::u16string_view key, bool value);
};

// Opens (reads) the file; a missing file is an empty one.
std::unique_ptr<IniFile> openIniFile(const std::filesystem::path& file);

// Parses a decimal 32-bit integer with an optional sign, surrounding blanks
// allowed; anything else is nullopt.
std::optional<std::int32_t> parseInt32(std::u16string_view text);

}  // namespace vrn::platform
