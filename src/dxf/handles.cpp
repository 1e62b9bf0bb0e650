#include "dxf/handles.h"

#include <charconv>

namespace vrn::dxf {
namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

struct MaxHandle {
  bool changedOnly;
  std::uint64_t max = 0;

  void raiseTo(const drawing::Record& record) {
    if (changedOnly && !record.changed()) return;
    const std::size_t at = record.find(handleCode(record.type()));
  if (at == drawing::Record::npos) return;
    if (auto handle = parseHandle(record.groups()[at].value); handle && *handle > max) max = *handle;
  }

  void raiseTo(const std::vector<drawing::EntityPtr>& entities) {
    for (const auto& entity : entities) {
      raiseTo(entity->record);
      raiseTo(entity->children);
      if (entity->seqend) raiseTo(*entity->seqend);
    }
  }
};

}  // namespace

std::optional<std::uint64_t> parseHandle(std::string_view text) {
  text = trimmed(text);
  if (text.empty() || text.size() > 16) return std::nullopt;
  std::uint64_t value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::uint64_t maxHandle(const drawing::DrawingData& data, bool changedOnly) {
  MaxHandle max{changedOnly};
  for (const auto& table : data.tables) {
    max.raiseTo(table.head);
    for (const auto& entry : table.entries) max.raiseTo(entry);
    max.raiseTo(table.end);
  }
  for (const auto& block : data.blocks) {
    max.raiseTo(block.begin);
    max.raiseTo(block.entities);
    max.raiseTo(block.end);
  }
  max.raiseTo(data.entities);
  for (const auto& section : data.sections) {
    for (const auto& record : section.records) max.raiseTo(record);
  }
  return max.max;
}

std::size_t headerValueIndex(const drawing::Record& header, std::string_view name) {
  const auto& groups = header.groups();
  for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
    if (groups[i].code == 9 && trimmed(groups[i].value) == name) return i + 1;
  }
  return drawing::Record::npos;
}

bool keepHandSeedAbove(drawing::Record& header, std::uint64_t max) {
  const std::size_t at = headerValueIndex(header, "$HANDSEED");
  if (at == drawing::Record::npos) return false;
  const auto seed = parseHandle(header.groups()[at].value);
  if (seed && *seed > max) return false;
  header.edit()[at].value = formatHandle(max + 1);
  return true;
}

}  // namespace vrn::dxf
