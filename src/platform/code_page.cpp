// The byte form's conversions that do not depend on the platform: the
// lookup in the platform's unit-to-byte table and the returning overloads.

#include "platform/code_page.h"

#include <cstddef>

#include "platform/wide_to_byte_table.h"

namespace vrn::platform {
namespace {

const WideToByteTable& wideToByte() {
  static const WideToByteTable table = buildWideToByte();
  return table;
}

}  // namespace

void toByteForm(std::u16string_view wide, std::string& bytes) {
  const WideToByteTable& table = wideToByte();
  bytes.resize(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) bytes[i] = static_cast<char>(table[wide[i]]);
}

std::u16string fromByteForm(std::string_view bytes) {
  std::u16string wide;
  fromByteForm(bytes, wide);
  return wide;
}

std::string toByteForm(std::u16string_view wide) {
  std::string bytes;
  toByteForm(wide, bytes);
  return bytes;
}

}  // namespace vrn::platform
