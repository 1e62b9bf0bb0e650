#include "dxf/dxf_reader.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "ascii/blanks.h"
#include "drawing/entity_arena.h"
#include "drawing/handles.h"
#include "dxf/code_page_codec.h"
#include "dxf/group_scanner.h"
#include "host/host_error.h"

namespace vrn::dxf {
namespace {

using drawing::Block;
using drawing::DrawingData;
using drawing::Entity;
using drawing::EntityPtr;
using drawing::formatHandle;
using drawing::handleCode;
using drawing::keepHandSeedAbove;
using drawing::parseHandle;
using drawing::Record;
using drawing::Section;
using drawing::Table;

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

struct HandleUse {
  std::uint64_t handle;
  std::size_t line;
  bool operator<(const HandleUse& other) const {
    return handle != other.handle ? handle < other.handle : line < other.line;
  }
};

// Handles come in runs that already ascend (each table, each block, the
// entities), so merging those runs is close to linear, where sorting a
// million handles from scratch took a sixth of a load. A file with many
// runs has no order worth using and is sorted whole.
void sortHandles(std::vector<HandleUse>& uses) {
  constexpr std::size_t kMostRuns = 64;
  std::vector<std::size_t> bounds{0};
  for (std::size_t i = 1; i < uses.size(); ++i) {
    if (uses[i] < uses[i - 1]) bounds.push_back(i);
    if (bounds.size() > kMostRuns) {
      std::sort(uses.begin(), uses.end());
      return;
    }
  }
  bounds.push_back(uses.size());
  const auto at = [&](std::size_t i) { return uses.begin() + static_cast<std::ptrdiff_t>(i); };
  while (bounds.size() > 2) {
    std::vector<std::size_t> merged{0};
    for (std::size_t k = 2; k < bounds.size(); k += 2) {
      std::inplace_merge(at(bounds[k - 2]), at(bounds[k - 1]), at(bounds[k]));
      merged.push_back(bounds[k]);
    }
    if (bounds.size() % 2 == 0) merged.push_back(bounds.back());
    bounds = std::move(merged);
  }
}

class DxfReader {
 public:
  DxfReader(std::shared_ptr<const void> buffer, std::string_view text, const std::string& fileName)
      : buffer_(std::move(buffer)), textEnd_(text.data() + text.size()), scanner_(text, fileName) {
    hasLookahead_ = scanner_.next(lookahead_);
  }

  DrawingData read();

 private:
  // Reads the record that starts at the next group 0 (with any groups
  // before the very first one) into groups_. False at the end of the file.
  bool nextRecord();
  std::string_view type() const;  // the current record's type
  std::string_view nextType() const;
  std::size_t line() const { return groups_.front().line; }
  // Groups [from, to) of the current record; `object` records also enter
  // the handle check, and their handle is kept in lastHandle_ (0: none).
  Record makeRecord(std::size_t from, std::size_t to, bool object = true);
  Record wholeRecord(bool object = true) { return makeRecord(0, groups_.size(), object); }

  void readHeader(DrawingData& data, std::size_t from);
  void readTables(DrawingData& data, std::string_view section, std::size_t sectionLine);
  void readBlocks(DrawingData& data, std::string_view section, std::size_t sectionLine);
  // Entities up to the record of type `end`, which stays current.
  void readEntities(std::vector<EntityPtr>& entities, std::string_view end, std::string_view owner,
                    std::size_t ownerLine);
  EntityPtr readEntity();
  void readOpaque(Section& section, std::string_view name, std::size_t sectionLine);

  // Moves to the next record, failing when there is none or when it ends
  // the section while `owner` (begun at `ownerLine`) still lacks `end`.
  void advanceWithin(std::string_view owner, std::size_t ownerLine, std::string_view end);

  void checkHandles();
  std::shared_ptr<const drawing::TextCodec> codecFor() const;

  std::shared_ptr<const void> buffer_;
  const char* textEnd_;
  GroupScanner scanner_;
  RawGroup lookahead_;
  bool hasLookahead_ = false;
  std::vector<RawGroup> groups_;
  const char* recordEnd_ = nullptr;
  std::vector<HandleUse> handles_;
  drawing::Handle lastHandle_ = 0;
  drawing::EntityArena entities_;

  std::string acadVer_;
  std::string codePage_ = "ANSI_1252";
  std::size_t codePageLine_ = 0;
};

bool DxfReader::nextRecord() {
  groups_.clear();
  if (!hasLookahead_) return false;
  bool seenZero = lookahead_.code == 0;
  groups_.push_back(lookahead_);
  hasLookahead_ = false;
  if (seenZero && trimBlanks(groups_.front().value) == "EOF") {
    recordEnd_ = scanner_.position();  // what follows EOF is kept, not read
    return true;
  }
  // The scanner fills the group where it is kept: a group copied from a
  // local variable just written stalls the processor on every group.
  for (;;) {
    RawGroup& group = groups_.emplace_back();
    if (!scanner_.next(group)) {
      groups_.pop_back();
      break;
    }
    if (group.code == 0 && seenZero) {
      lookahead_ = group;
      hasLookahead_ = true;
      groups_.pop_back();
      break;
    }
    seenZero = seenZero || group.code == 0;
  }
  recordEnd_ = hasLookahead_ ? lookahead_.start : scanner_.position();
  return true;
}

std::string_view DxfReader::type() const {
  for (const auto& group : groups_) {
    if (group.code == 0) return trimBlanks(group.value);
  }
  return {};
}

std::string_view DxfReader::nextType() const {
  return hasLookahead_ && lookahead_.code == 0 ? trimBlanks(lookahead_.value) : std::string_view{};
}

// The record keeps just a view of its text: it splits its groups out of it
// when someone reads them, and most records of a large drawing are only
// ever copied back to the file.
Record DxfReader::makeRecord(std::size_t from, std::size_t to, bool object) {
  const char* begin = from < groups_.size() ? groups_[from].start : recordEnd_;
  const char* end = to < groups_.size() ? groups_[to].start : recordEnd_;
  lastHandle_ = 0;
  if (object) {
    const int code = handleCode(type());
    for (std::size_t i = from; i < to; ++i) {
      if (groups_[i].code != code) continue;
      const auto handle = parseHandle(groups_[i].value);
      if (!handle) {
        scanner_.fail(groups_[i].line, "handle \"" + std::string(groups_[i].value.substr(0, 40)) +
                                           "\" is not a hexadecimal number");
      }
      handles_.push_back({*handle, groups_[i].line});
      lastHandle_ = *handle;
      break;
    }
  }
  std::uint64_t codes = 0;
  for (std::size_t i = from; i < to; ++i) codes |= Record::codeBit(groups_[i].code);
  return Record(buffer_, std::string_view(begin, static_cast<std::size_t>(end - begin)), codes);
}

void DxfReader::advanceWithin(std::string_view owner, std::size_t ownerLine, std::string_view end) {
  const std::size_t lastLine = scanner_.line();
  if (!nextRecord()) {
    scanner_.fail(ownerLine, std::string(owner) + " has no " + std::string(end) +
                                 " (the file ends at line " + std::to_string(lastLine - 1) + ")");
  }
  const std::string_view t = type();
  if (t != end && (t == "SECTION" || t == "ENDSEC" || t == "EOF")) {
    scanner_.fail(line(), std::string(owner) + " (line " + std::to_string(ownerLine) + ") has no " +
                              std::string(end) + " before " + std::string(t));
  }
}

DrawingData DxfReader::read() {
  DrawingData data;
  bool seen[5] = {};
  while (nextRecord()) {
    const std::string_view t = type();
    if (t == "EOF") {
      data.fileEnd.assign(groups_.front().start, textEnd_);
      break;
    }
    if (t != "SECTION")
      scanner_.fail(line(), "expected a SECTION, found \"" + std::string(t.substr(0, 40)) + "\"");
    const std::size_t sectionLine = line();
    std::size_t nameAt = 0;
    while (nameAt < groups_.size() && groups_[nameAt].code != 2) ++nameAt;
    if (nameAt == groups_.size()) scanner_.fail(sectionLine, "SECTION without a name (group 2)");
    const std::string name(trimBlanks(groups_[nameAt].value));
    const std::string owner = "section " + name;

    Section section;
    section.kind = name == "HEADER"     ? Section::Kind::Header
                   : name == "TABLES"   ? Section::Kind::Tables
                   : name == "BLOCKS"   ? Section::Kind::Blocks
                   : name == "ENTITIES" ? Section::Kind::Entities
                                        : Section::Kind::Opaque;
    const auto kindIndex = static_cast<std::size_t>(section.kind);
    if (section.kind != Section::Kind::Opaque) {
      if (seen[kindIndex]) scanner_.fail(sectionLine, "the " + name + " section appears twice");
      seen[kindIndex] = true;
    }
    switch (section.kind) {
      case Section::Kind::Header:
        section.begin = makeRecord(0, nameAt + 1, false);
        readHeader(data, nameAt + 1);
        advanceWithin(owner, sectionLine, "ENDSEC");
        if (type() != "ENDSEC")
          scanner_.fail(line(), "unexpected \"" + std::string(type()) + "\" in the HEADER section");
        break;
      case Section::Kind::Tables:
        section.begin = wholeRecord(false);
        readTables(data, owner, sectionLine);
        break;
      case Section::Kind::Blocks:
        section.begin = wholeRecord(false);
        readBlocks(data, owner, sectionLine);
        break;
      case Section::Kind::Entities:
        section.begin = wholeRecord(false);
        readEntities(data.entities, "ENDSEC", owner, sectionLine);
        break;
      case Section::Kind::Opaque:
        section.begin = wholeRecord(false);
        readOpaque(section, owner, sectionLine);
        break;
    }
    section.end = wholeRecord(false);
    data.sections.push_back(std::move(section));
  }
  checkHandles();
  if (!handles_.empty()) keepHandSeedAbove(data.header, handles_.back().handle);  // sorted
  data.codec = codecFor();
  return data;
}

void DxfReader::readHeader(DrawingData& data, std::size_t from) {
  data.header = makeRecord(from, groups_.size(), false);
  for (std::size_t i = from; i + 1 < groups_.size(); ++i) {
    if (groups_[i].code != 9) continue;
    const std::string_view name = trimBlanks(groups_[i].value);
    if (name == "$ACADVER") acadVer_ = trimBlanks(groups_[i + 1].value);
    if (name == "$DWGCODEPAGE") {
      codePage_ = trimBlanks(groups_[i + 1].value);
      codePageLine_ = groups_[i + 1].line + 1;  // the value's line
    }
  }
}

std::shared_ptr<const drawing::TextCodec> DxfReader::codecFor() const {
  auto codec = drawingCodec(acadVer_, codePage_);
  if (!codec)
    scanner_.fail(codePageLine_,
                  "the code page \"" + codePage_ + "\" ($DWGCODEPAGE) is not supported");
  return codec;
}

void DxfReader::readTables(DrawingData& data, std::string_view section, std::size_t sectionLine) {
  for (;;) {
    advanceWithin(section, sectionLine, "ENDSEC");
    if (type() == "ENDSEC") return;
    if (type() != "TABLE")
      scanner_.fail(line(),
                    "expected a TABLE, found \"" + std::string(type().substr(0, 40)) + "\"");
    Table table;
    table.head = wholeRecord();
    const std::size_t tableLine = line();
    const std::string owner = "table " + std::string(trimBlanks(table.head.value(2)));
    for (;;) {
      advanceWithin(owner, tableLine, "ENDTAB");
      if (type() == "ENDTAB") break;
      if (type() == "TABLE")
        scanner_.fail(line(), owner + " (line " + std::to_string(tableLine) + ") has no ENDTAB");
      table.entries.push_back(wholeRecord());
    }
    table.end = wholeRecord();
    data.tables.push_back(std::move(table));
  }
}

void DxfReader::readBlocks(DrawingData& data, std::string_view section, std::size_t sectionLine) {
  for (;;) {
    advanceWithin(section, sectionLine, "ENDSEC");
    if (type() == "ENDSEC") return;
    if (type() != "BLOCK")
      scanner_.fail(line(),
                    "expected a BLOCK, found \"" + std::string(type().substr(0, 40)) + "\"");
    Block block;
    block.begin = wholeRecord();
    const std::string owner = "block " + std::string(trimBlanks(block.begin.value(2)));
    readEntities(block.entities, "ENDBLK", owner, line());
    block.end = wholeRecord();
    data.blocks.push_back(std::move(block));
  }
}

void DxfReader::readEntities(std::vector<EntityPtr>& entities, std::string_view end,
                             std::string_view owner, std::size_t ownerLine) {
  for (;;) {
    advanceWithin(owner, ownerLine, end);
    if (type() == end) return;
    if (end == "ENDBLK" && type() == "BLOCK") {
      scanner_.fail(line(),
                    std::string(owner) + " (line " + std::to_string(ownerLine) + ") has no ENDBLK");
    }
    entities.push_back(readEntity());
  }
}

// INSERT takes the ATTRIBs after it and POLYLINE its VERTEXes, up to the
// SEQEND. A SEQEND that does not follow is not made up: the entity is kept
// as the file has it.
EntityPtr DxfReader::readEntity() {
  EntityPtr entity = entities_.make();
  entity->record = wholeRecord();
  entity->handle = lastHandle_;
  const std::string_view t = type();
  const std::string_view follower = t == "INSERT" ? "ATTRIB" : t == "POLYLINE" ? "VERTEX" : "";
  if (follower.empty()) return entity;
  while (nextType() == follower) {
    nextRecord();
    // Followers are made one by one: an arena entity holding pointers into
    // its own arena would keep the arena alive for ever.
    auto child = std::make_shared<Entity>();
    child->record = wholeRecord();
    child->handle = lastHandle_;
    entity->children.push_back(std::move(child));
  }
  if (nextType() == "SEQEND") {
    nextRecord();
    entity->seqend = wholeRecord();
  }
  return entity;
}

void DxfReader::readOpaque(Section& section, std::string_view name, std::size_t sectionLine) {
  for (;;) {
    advanceWithin(name, sectionLine, "ENDSEC");
    if (type() == "ENDSEC") return;
    section.records.push_back(wholeRecord());
  }
}

void DxfReader::checkHandles() {
  sortHandles(handles_);
  const auto twice = std::adjacent_find(
      handles_.begin(), handles_.end(),
      [](const HandleUse& a, const HandleUse& b) { return a.handle == b.handle; });
  if (twice == handles_.end()) return;
  scanner_.fail(std::next(twice)->line, "handle " + formatHandle(twice->handle) +
                                            " is used twice (lines " + std::to_string(twice->line) +
                                            " and " + std::to_string(std::next(twice)->line) + ")");
}

// Formats this reader cannot read, told apart by their first bytes.
void rejectUnsupported(std::string_view text, const std::string& fileName) {
  if (startsWith(text, "AutoCAD Binary DXF")) {
    throw host::HostError(
        host::hr::kFail,
        fileName + ": binary DXF files are not supported; save the drawing as ASCII DXF");
  }
  if (text.size() >= 6 && startsWith(text, "AC") &&
      std::all_of(text.begin() + 2, text.begin() + 6,
                  [](char c) { return c >= '0' && c <= '9'; })) {
    throw host::HostError(
        host::hr::kFail,
        fileName + ": DWG drawings are not supported; save the drawing as ASCII DXF");
  }
  if (trimBlanks(text).find_first_not_of("\r\n") == std::string_view::npos) {
    throw host::HostError(host::hr::kFail, fileName + ": the file is empty");
  }
}

std::string lineEndOf(std::string_view text) {
  const std::size_t newline = text.find('\n');
  return newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r' ? "\r\n"
                                                                                       : "\n";
}

}  // namespace

DrawingData readDxf(std::shared_ptr<const void> owner, std::string_view text,
                    const std::string& fileName) {
  const std::string_view byteOrderMark = "\xEF\xBB\xBF";
  const bool marked = startsWith(text, byteOrderMark);
  if (marked) text.remove_prefix(byteOrderMark.size());
  rejectUnsupported(text, fileName);
  DxfReader reader(std::move(owner), text, fileName);
  DrawingData data = reader.read();
  data.lineEnd = lineEndOf(text);
  if (marked) data.fileStart = byteOrderMark;
  return data;
}

DrawingData readDxf(std::shared_ptr<const std::string> text, const std::string& fileName) {
  const std::string_view view(*text);
  return readDxf(std::move(text), view, fileName);
}

}  // namespace vrn::dxf
