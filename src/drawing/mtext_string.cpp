#include "drawing/mtext_string.h"

#include <algorithm>

namespace vrn::drawing {

std::string joinMTextString(const Record& record) {
  std::string out;
  for (const Group& g : record.groups()) {
    if (g.code == 3) out += g.value;
  }
  out += record.value(1);
  return out;
}

std::vector<std::string> splitMTextString(std::string_view encoded, const TextCodec& codec) {
  std::vector<std::string> chunks;
  while (encoded.size() > kMTextChunkBytes) {
    const std::size_t cut = codec.fittingLength(encoded, kMTextChunkBytes);
    chunks.emplace_back(encoded.substr(0, cut));
    encoded.remove_prefix(cut);
  }
  chunks.emplace_back(encoded);
  return chunks;
}

void writeMTextString(Record& record, std::string_view encoded, const TextCodec& codec) {
  if (joinMTextString(record) == encoded) return;
  const std::vector<std::string> chunks = splitMTextString(encoded, codec);
  auto& groups = record.edit();
  // The chunks go where the string was: at the first group 3 or the group 1.
  auto at = std::find_if(groups.begin(), groups.end(),
                         [](const Group& g) { return g.code == 3 || g.code == 1; });
  std::ptrdiff_t position = at - groups.begin();
  if (at == groups.end()) {
    // No string yet: after the height, as DXF orders MTEXT.
    const auto height =
        std::find_if(groups.begin(), groups.end(), [](const Group& g) { return g.code == 40; });
    position = height == groups.end() ? static_cast<std::ptrdiff_t>(groups.size())
                                      : height - groups.begin() + 1;
  }
  std::erase_if(groups, [](const Group& g) { return g.code == 3 || g.code == 1; });
  position = std::min(position, static_cast<std::ptrdiff_t>(groups.size()));
  std::vector<Group> fresh;
  for (std::size_t i = 0; i + 1 < chunks.size(); ++i) fresh.push_back(Group{3, chunks[i]});
  fresh.push_back(Group{1, chunks.back()});
  groups.insert(groups.begin() + position, fresh.begin(), fresh.end());
}

}  // namespace vrn::drawing
