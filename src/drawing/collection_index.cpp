#include "drawing/collection_index.h"

#include "ascii/letter_case.h"
#include "host/host_error.h"
#include "host/member_table.h"
#include "host/utf8.h"

namespace vrn::drawing {

std::size_t collectionIndex(const host::Variant& index, std::size_t count) {
  const std::int32_t i = index.toInt();
  if (i < 0 || static_cast<std::size_t>(i) >= count) {
    throw host::HostError(host::hr::kBadIndex, "Index out of range: " + std::to_string(i));
  }
  return static_cast<std::size_t>(i);
}

bool sameName(std::u16string_view a, std::u16string_view b) {
  return lowerAscii(utf16ToUtf8(a)) == lowerAscii(utf16ToUtf8(b));
}

std::size_t namedIndex(const host::Variant& index, const std::vector<std::u16string>& names) {
  if (index.type() != host::Variant::Type::String) return collectionIndex(index, names.size());
  const std::u16string wanted = index.toString();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (sameName(names[i], wanted)) return i;
  }
  throw host::HostError(host::hr::kInvalidArg, "Key not found: " + utf16ToUtf8(wanted));
}

}  // namespace vrn::drawing
