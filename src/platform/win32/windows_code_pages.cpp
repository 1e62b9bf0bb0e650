// Windows' code pages through MultiByteToWideChar, which fails on bytes the
// code page leaves undefined (MB_ERR_INVALID_CHARS), and WideCharToMultiByte
// without best fit, which reports a unit the code page lacks; neither works
// for a code page this system does not have.

#include <windows.h>

#include <memory>

#include "platform/code_page_converter.h"

namespace vrn::platform {
namespace {

class WindowsConverter final : public CodePageConverter {
 public:
  explicit WindowsConverter(UINT codePage) : codePage_(codePage) {}

  std::optional<char16_t> unitOf(std::string_view bytes) override {
    wchar_t out[4];
    const int written = MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes.data(),
                                            static_cast<int>(bytes.size()), out, 4);
    if (written != 1) return std::nullopt;
    return static_cast<char16_t>(out[0]);
  }

  std::string bytesOf(char16_t unit) override {
    const auto in = static_cast<wchar_t>(unit);
    char out[8];
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, &in, 1, out,
                                            static_cast<int>(sizeof out), nullptr, &usedDefault);
    if (written <= 0 || usedDefault) return {};
    return std::string(out, static_cast<std::size_t>(written));
  }

 private:
  UINT codePage_;
};

}  // namespace

std::unique_ptr<CodePageConverter> CodePageConverter::open(unsigned codePage) {
  if (!IsValidCodePage(codePage)) return nullptr;
  return std::make_unique<WindowsConverter>(codePage);
}

}  // namespace vrn::platform
