#pragma once
// One character through this system's converter of a Windows code page, for
// windows_code_pages.cpp, which builds the tables the same way everywhere:
// posix/ converts with ICU, win32/ with MultiByteToWideChar and
// WideCharToMultiByte.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vrn::platform {

class CodePageConverter {
 public:
  // Null when this system does not know the code page.
  static std::unique_ptr<CodePageConverter> open(unsigned codePage);

  virtual ~CodePageConverter() = default;
  // The one UTF-16 unit that `bytes` stand for, exactly; nothing when they
  // are undefined, incomplete or more than one unit.
  virtual std::optional<char16_t> unitOf(std::string_view bytes) = 0;
  // The bytes the code page has for `unit`, exactly (no best fit); empty
  // when it has none.
  virtual std::string bytesOf(char16_t unit) = 0;
};

}  // namespace vrn::platform
