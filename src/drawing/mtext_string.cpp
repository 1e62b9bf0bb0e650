#include "drawing/mtext_string.h"

#include <algorithm>

namespace vrn::drawing {
namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The longest cut at or before `limit` that leaves sequences and escapes whole.
std::size_t safeCut(std::string_view text, std::size_t limit) {
  std::size_t cut = limit;
  // A UTF-8 sequence is at most four bytes: back off over at most three
  // continuation bytes (a single-byte code page just gets a shorter chunk).
  for (int i = 0; i < 3 && cut > 1 && isContinuation(text[cut]); ++i) --cut;
  // Carets pair up from the first of a run ("^^" is a control character):
  // an odd run before the cut ends in a caret whose character follows it.
  std::size_t carets = 0;
  while (carets < cut && text[cut - 1 - carets] == '^') ++carets;
  if (carets % 2 == 1 && cut > 1) --cut;
  // An escape "\U+XXXX" is 7 bytes, "\M+NXXXX" 8; move the cut before one it would split.
  const std::size_t from = cut >= 7 ? cut - 7 : 0;
  for (std::size_t i = from; i < cut; ++i) {
    if (text[i] != '\\' || i + 2 >= text.size() || text[i + 2] != '+') continue;
    const char kind = text[i + 1];
    const std::size_t length = kind == 'U' ? 7 : kind == 'M' ? 8 : 0;
    if (length != 0 && i + length > cut && i > 0) return i;
  }
  return cut;
}

}  // namespace

std::string joinMTextString(const Record& record) {
  std::string out;
  for (const Group& g : record.groups()) {
    if (g.code == 3) out += g.value;
  }
  out += record.value(1);
  return out;
}

std::vector<std::string> splitMTextString(std::string_view encoded) {
  std::vector<std::string> chunks;
  while (encoded.size() > kMTextChunkBytes) {
    const std::size_t cut = safeCut(encoded, kMTextChunkBytes);
    chunks.emplace_back(encoded.substr(0, cut));
    encoded.remove_prefix(cut);
  }
  chunks.emplace_back(encoded);
  return chunks;
}

void writeMTextString(Record& record, std::string_view encoded) {
  if (joinMTextString(record) == encoded) return;
  const std::vector<std::string> chunks = splitMTextString(encoded);
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
