#include "drawing/handles.h"

#include <charconv>
#include <span>

#include "ascii/blanks.h"
#include "drawing/header_variables.h"

namespace vrn::drawing {
namespace {

struct HighestHandle {
  bool changedOnly;
  Handle highest = 0;

  void note(const Record& record) {
    if (changedOnly && !record.changed()) return;
    if (const auto h = recordHandle(record); h && *h > highest) highest = *h;
  }

  // An entity that has a handle holds it in its record too (as read or as
  // given), so the record is not read for it.
  void note(const Entity& entity) {
    if (changedOnly || entity.handle == 0) {
      note(entity.record);
    } else if (entity.handle > highest) {
      highest = entity.handle;
    }
  }

  void note(std::span<const EntityPtr> entities) {
    for (const EntityPtr& entity : entities) {
      note(*entity);
      note(entity->children);
      if (const Record* seqend = entity->children.seqend()) note(*seqend);
    }
  }
};

constexpr std::size_t kMaxHandleDigits = 16;

}  // namespace

std::optional<Handle> parseHandle(std::string_view text) {
  text = trimBlanks(text);
  if (text.empty() || text.size() > kMaxHandleDigits) return std::nullopt;
  Handle value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc() || ptr != text.data() + text.size() || value == 0) return std::nullopt;
  return value;
}

std::string formatHandle(Handle handle) {
  char buffer[20];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, handle, 16);
  std::string text(buffer, ptr);
  for (char& c : text) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

int handleCode(std::string_view type) { return type == "DIMSTYLE" ? 105 : 5; }

int handleCode(const Record& record) { return handleCode(record.type()); }

// Reads the record's text in place: a record read from a file is not split
// into groups for this.
std::optional<Handle> recordHandle(const Record& record) {
  const int code = handleCode(record);
  if (!record.has(code)) return std::nullopt;
  return parseHandle(record.value(code));
}

Handle highestHandle(const DrawingData& data, bool changedOnly) {
  HighestHandle result{changedOnly};
  for (const Table& table : data.tables) {
    result.note(table.head);
    for (const Record& entry : table.entries) result.note(entry);
    result.note(table.end);
  }
  for (const Block& block : data.blocks) {
    result.note(block.begin);
    result.note(block.entities);
    result.note(block.end);
  }
  result.note(data.entities);
  for (const Section& section : data.sections) {
    for (const Record& record : section.records) result.note(record);
  }
  return result.highest;
}

bool keepHandSeedAbove(Record& header, Handle highest) {
  if (!headerVariable(header, "$HANDSEED") || highest == kLastHandle) return false;
  const auto seed = parseHandle(headerValue(header, "$HANDSEED", 5));
  if (seed && *seed > highest) return false;
  setHeaderValue(header, "$HANDSEED", 5, formatHandle(highest + 1));
  return true;
}

}  // namespace vrn::drawing
