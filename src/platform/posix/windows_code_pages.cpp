// Windows' code pages through ICU's converters, by the ICU name of each
// Windows code page number.

#include "platform/windows_code_pages.h"

#include <unicode/ucnv.h>

#include <cstdint>
#include <memory>
#include <string>

namespace vrn::platform {
namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's "windows-N" alias does not reach every one of these.
std::string icuName(unsigned codePage) {
  if (codePage == 10000) return "macintosh";
  if (codePage == 20127) return "US-ASCII";
  if (codePage >= 28591 && codePage <= 28600) return "ISO-8859-" + std::to_string(codePage - 28590);
  const bool dos = codePage >= 437 && codePage <= 869 && codePage != 874;
  return (dos ? "ibm-" : "windows-") + std::to_string(codePage);
}

// A converter that stops at an unmapped byte instead of substituting;
// null when ICU does not know the code page.
Converter openStrict(unsigned codePage) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(icuName(codePage).c_str(), &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

std::optional<char16_t> singleUnit(UConverter* converter, const char* bytes, std::int32_t length) {
  UChar out[4];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter);
  const std::int32_t written = ucnv_toUChars(converter, out, 4, bytes, length, &status);
  if (U_FAILURE(status) || written != 1) return std::nullopt;
  return out[0];
}

}  // namespace

SingleByteTable singleByteTable(unsigned codePage) {
  SingleByteTable table{};
  const Converter converter = openStrict(codePage);
  if (!converter) return table;
  for (unsigned b = 0; b < table.size(); ++b) {
    const char byte = static_cast<char>(b);
    table[b] = singleUnit(converter.get(), &byte, 1);
  }
  return table;
}

std::optional<char16_t> doubleByteCharacter(unsigned codePage, unsigned char lead,
                                            unsigned char trail) {
  const Converter converter = openStrict(codePage);
  if (!converter) return std::nullopt;
  const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  return singleUnit(converter.get(), bytes, 2);
}

}  // namespace vrn::platform
