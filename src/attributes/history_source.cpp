#include "attributes/history_source.h"

#include "library/tdb.h"
#include "platform/registry.h"

namespace vrn::attributes {

std::u16string readHistoryText(library::Tdb& db, std::u16string_view blockName) {
  std::u16string text = db.ReadJson("BlocksAttr", blockName);
  if (!text.empty()) return text;
  return platform::readUserRegistryString(kBlocksRegistryKey, blockName).value_or(u"");
}

}  // namespace vrn::attributes
