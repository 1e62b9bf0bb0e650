// Windows' code pages through ICU's converters, by the ICU name of each
// Windows code page number; through iconv for the one ICU lacks (1361,
// Korean Johab), which glibc and other iconvs carry.

#include <iconv.h>
#include <unicode/ucnv.h>

#include <cerrno>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/code_page_converter.h"

namespace vrn::platform {
namespace {

// ICU's "windows-N" alias does not reach every one of these.
std::string icuName(unsigned codePage) {
  if (codePage == 10000) return "macintosh";
  if (codePage == 20127) return "US-ASCII";
  if (codePage >= 28591 && codePage <= 28600) return "ISO-8859-" + std::to_string(codePage - 28590);
  const bool dos = codePage >= 437 && codePage <= 869 && codePage != 874;
  return (dos ? "ibm-" : "windows-") + std::to_string(codePage);
}

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// Stops at an unmapped character both ways instead of substituting; ICU
// uses no fallback mappings unless asked to.
class IcuConverter final : public CodePageConverter {
 public:
  explicit IcuConverter(UConverter* converter) : converter_(converter) {}

  static std::unique_ptr<CodePageConverter> open(unsigned codePage) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> converter(
        ucnv_open(icuName(codePage).c_str(), &status));
    if (U_FAILURE(status)) return nullptr;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    if (U_FAILURE(status)) return nullptr;
    return std::make_unique<IcuConverter>(converter.release());
  }

  std::optional<char16_t> unitOf(std::string_view bytes) override {
    UChar out[4];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter_.get());
    const std::int32_t written = ucnv_toUChars(converter_.get(), out, 4, bytes.data(),
                                               static_cast<std::int32_t>(bytes.size()), &status);
    if (U_FAILURE(status) || written != 1) return std::nullopt;
    return out[0];
  }

  std::string bytesOf(char16_t unit) override {
    char out[8];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter_.get());
    const UChar in = unit;
    const std::int32_t written = ucnv_fromUChars(
        converter_.get(), out, static_cast<std::int32_t>(sizeof out), &in, 1, &status);
    if (U_FAILURE(status) || written <= 0) return {};
    return std::string(out, static_cast<std::size_t>(written));
  }

 private:
  std::unique_ptr<UConverter, ConverterCloser> converter_;
};

std::string iconvName(unsigned codePage) { return codePage == 1361 ? "JOHAB" : ""; }

// iconv counts a conversion it could only approximate as irreversible: that
// is no exact character either.
class IconvConverter final : public CodePageConverter {
 public:
  IconvConverter(iconv_t toUnits, iconv_t toBytes) : toUnits_(toUnits), toBytes_(toBytes) {}
  ~IconvConverter() override {
    iconv_close(toUnits_);
    iconv_close(toBytes_);
  }
  IconvConverter(const IconvConverter&) = delete;
  IconvConverter& operator=(const IconvConverter&) = delete;

  static std::unique_ptr<CodePageConverter> open(unsigned codePage) {
    const std::string name = iconvName(codePage);
    if (name.empty()) return nullptr;
    const auto failed = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
    const iconv_t toUnits = iconv_open("UTF-16LE", name.c_str());
    if (toUnits == failed) return nullptr;
    const iconv_t toBytes = iconv_open(name.c_str(), "UTF-16LE");
    if (toBytes == failed) {
      iconv_close(toUnits);
      return nullptr;
    }
    return std::make_unique<IconvConverter>(toUnits, toBytes);
  }

  std::optional<char16_t> unitOf(std::string_view bytes) override {
    const std::string out = convert(toUnits_, std::string(bytes));
    if (out.size() != 2) return std::nullopt;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 (static_cast<unsigned char>(out[1]) << 8));
  }

  std::string bytesOf(char16_t unit) override {
    const char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return convert(toBytes_, std::string(in, 2));
  }

 private:
  // All of `input` converted exactly, or nothing.
  static std::string convert(iconv_t converter, std::string input) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* at = out;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(converter, &in, &inLeft, &at, &outLeft);
    if (result != 0 || inLeft != 0) return {};
    return std::string(out, static_cast<std::size_t>(at - out));
  }

  iconv_t toUnits_;
  iconv_t toBytes_;
};

}  // namespace

std::unique_ptr<CodePageConverter> CodePageConverter::open(unsigned codePage) {
  if (auto converter = IcuConverter::open(codePage)) return converter;
  return IconvConverter::open(codePage);
}

}  // namespace vrn::platform
