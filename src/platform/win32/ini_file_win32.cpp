// INI files through the Win32 profile functions, as every Windows program
// reads them: each read asks the file, each write goes through at once.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ascii/blanks.h"
#include "platform/ini_file.h"
#include "platform/win32/wide_text.h"

namespace vrn::platform {
namespace {

using win32::fromWide;
using win32::wide;

// Line breaks would start new lines in the file.
std::u16string oneLine(std::u16string_view text) {
  std::u16string line(text);
  std::replace(line.begin(), line.end(), u'\r', u' ');
  std::replace(line.begin(), line.end(), u'\n', u' ');
  return line;
}

// A list of null-terminated strings as a profile function fills it, grown
// until it fits.
template <class Fill>
std::vector<std::u16string> stringList(Fill fill) {
  std::vector<wchar_t> buffer(1024);
  for (;;) {
    const DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length + 2 < buffer.size()) {
      std::vector<std::u16string> list;
      const wchar_t* p = buffer.data();
      const wchar_t* end = buffer.data() + length;
      while (p < end && *p != L'\0') {
        std::u16string item = fromWide(p);
        p += item.size() + 1;
        list.push_back(std::move(item));
      }
      return list;
    }
    buffer.resize(buffer.size() * 2);
  }
}

class ProfileIniFile final : public IniFile {
 public:
  explicit ProfileIniFile(std::filesystem::path file)
      : file_(std::move(file)), name_(reinterpret_cast<const char16_t*>(file_.c_str())) {}

  const std::filesystem::path& fileName() const override { return file_; }

  // The profile functions read an unreadable file as empty and would write
  // a new one over it.
  std::optional<IniReadError> readError() const override {
    const DWORD attributes = GetFileAttributesW(wide(name_));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
      return IniReadError(file_, "Windows error " + std::to_string(error));
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return IniReadError(file_, "a folder");
    HANDLE file = CreateFileW(wide(name_), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      return IniReadError(file_, "Windows error " + std::to_string(GetLastError()));
    }
    CloseHandle(file);
    return std::nullopt;
  }

  std::optional<std::u16string> findString(std::u16string_view section,
                                           std::u16string_view key) const override {
    const std::u16string keyName(key);
    for (const std::u16string& line : sectionLines(section)) {
      const auto equals = line.find(u'=');
      if (equals == std::u16string::npos ||
          !sameName(std::u16string(trimBlanks(std::u16string_view(line).substr(0, equals))),
                    keyName))
        continue;
      return profileString(section, keyName);
    }
    return std::nullopt;
  }

  std::vector<std::u16string> readSection(std::u16string_view section) const override {
    std::vector<std::u16string> keys;
    for (const std::u16string& line : sectionLines(section)) {
      const auto equals = line.find(u'=');
      keys.emplace_back(trimBlanks(std::u16string_view(line).substr(0, equals)));
    }
    return keys;
  }

  void writeString(std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override {
    if (auto error = readError()) throw *error;
    const std::u16string sectionName = oneLine(section);
    const std::u16string keyName = oneLine(key);
    const std::u16string text = oneLine(value);
    if (!WritePrivateProfileStringW(wide(sectionName), wide(keyName), wide(text), wide(name_))) {
      throw IniWriteError(file_);
    }
  }

  void eraseSection(std::u16string_view section) override {
    if (auto error = readError()) throw *error;
    const std::u16string sectionName(section);
    // Each call removes the first section of the name.
    while (hasSection(sectionName)) {
      if (!WritePrivateProfileStringW(wide(sectionName), nullptr, nullptr, wide(name_)))
        throw IniWriteError(file_);
    }
  }

  void updateFile() override {
    // Writes went through already; this flushes the system's cache of the file.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, wide(name_));
  }

 private:
  static bool sameName(const std::u16string& a, const std::u16string& b) {
    return CompareStringOrdinal(wide(a), static_cast<int>(a.size()), wide(b),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
  }

  // The lines of the first section of the name, comments left out.
  std::vector<std::u16string> sectionLines(std::u16string_view section) const {
    const std::u16string sectionName(section);
    auto lines = stringList([&](wchar_t* buffer, DWORD size) {
      return GetPrivateProfileSectionW(wide(sectionName), buffer, size, wide(name_));
    });
    std::erase_if(lines, [](const std::u16string& line) {
      const std::u16string_view text = trimBlanks(line);
      return text.empty() || text.front() == u';';
    });
    return lines;
  }

  bool hasSection(const std::u16string& section) const {
    const auto names = stringList([&](wchar_t* buffer, DWORD size) {
      return GetPrivateProfileSectionNamesW(buffer, size, wide(name_));
    });
    return std::any_of(names.begin(), names.end(),
                       [&](const std::u16string& n) { return sameName(n, section); });
  }

  std::u16string profileString(std::u16string_view section, const std::u16string& key) const {
    const std::u16string sectionName(section);
    std::vector<wchar_t> buffer(1024);
    for (;;) {
      const DWORD length =
          GetPrivateProfileStringW(wide(sectionName), wide(key), L"", buffer.data(),
                                   static_cast<DWORD>(buffer.size()), wide(name_));
      if (length + 1 < buffer.size()) return fromWide(buffer.data(), length);
      buffer.resize(buffer.size() * 2);
    }
  }

  std::filesystem::path file_;
  std::u16string name_;
};

}  // namespace

std::unique_ptr<IniFile> openIniFile(const std::filesystem::path& file) {
  return std::make_unique<ProfileIniFile>(file);
}

}  // namespace vrn::platform
