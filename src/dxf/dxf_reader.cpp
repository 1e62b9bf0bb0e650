#include "dxf/dxf_reader.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "ascii/blanks.h"
#include "drawing/dxf_lines.h"
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
using drawing::Handle;
using drawing::handleCode;
using drawing::keepHandSeedAbove;
using drawing::parseHandle;
using drawing::Record;
using drawing::Section;
using drawing::Table;

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Handles come in runs that already ascend (each table, each block, the
// entities), so merging those runs is close to linear, where sorting a
// million handles from scratch took a sixth of a load. A file with many
// runs has no order worth using and is sorted whole.
void sortHandles(std::vector<Handle>& uses) {
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

// Where a top-level entity's record seems to start, in the 64 KiB from
// `from` on: a code line "  0" as AutoCAD writes it, whose value names
// neither a follower nor the end of the section. Null when none does. Only
// a guess, which the reader of the part before confirms by meeting it.
const char* entityStartFrom(std::string_view text, std::size_t from) {
  constexpr std::size_t kSearched = std::size_t{1} << 16;
  const std::string_view searched = text.substr(from, kSearched);
  const char* end = text.data() + text.size();
  for (auto at = searched.find("\n  0"); at != std::string_view::npos;
       at = searched.find("\n  0", at + 1)) {
    const char* start = searched.data() + at + 1;
    const char* p = start;
    int code = -1;
    if (!drawing::quickDxfCode(p, end, code) || code != 0) continue;
    const std::string_view type = trimBlanks(drawing::nextDxfLine(p, end));
    if (type.empty() || type == "ATTRIB" || type == "VERTEX" || type == "SEQEND" ||
        type == "ENDSEC" || type == "SECTION" || type == "EOF") {
      continue;
    }
    return start;
  }
  return nullptr;
}

class DxfReader {
 public:
  // `twice`: a handle known to be used twice, whose first two uses the
  // reader is to name. `readInTwoFrom`: see readDxf.
  DxfReader(std::shared_ptr<const void> buffer, std::string_view text, const std::string& fileName,
            std::size_t readInTwoFrom, std::optional<Handle> twice = std::nullopt)
      : buffer_(std::move(buffer)),
        text_(text),
        scanner_(text, fileName),
        readInTwoFrom_(readInTwoFrom),
        twice_(twice) {
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
  // The ENTITIES section: a large one in two halves, the second read by a
  // thread of its own from where an entity seems to start halfway.
  void readSectionEntities(std::vector<EntityPtr>& entities, std::string_view owner,
                           std::size_t ownerLine);
  // True when the next record starts at halfway_, where the second half's
  // reader began; forgets halfway_ once passed. readEntities stops there.
  bool reachedHalfway();
  // Takes over the entities and the state of `second`, which read on from
  // halfway_ to the end of the section.
  void joinSecondHalf(DxfReader& second, std::vector<EntityPtr>& entities,
                      std::vector<EntityPtr>& secondEntities);
  void readOpaque(Section& section, std::string_view name, std::size_t sectionLine);

  // Moves to the next record, failing when there is none or when it ends
  // the section while `owner` (begun at `ownerLine`) still lacks `end`.
  void advanceWithin(std::string_view owner, std::size_t ownerLine, std::string_view end);

  void checkHandles();
  // Fails on the second use of twice_, naming both lines.
  void noteUseOfTwice(std::size_t line);
  std::shared_ptr<const drawing::TextCodec> codecFor() const;

  std::shared_ptr<const void> buffer_;
  std::string_view text_;
  GroupScanner scanner_;
  std::size_t readInTwoFrom_;
  const char* halfway_ = nullptr;
  RawGroup lookahead_;
  bool hasLookahead_ = false;
  std::vector<RawGroup> groups_;
  const char* recordEnd_ = nullptr;
  // The handles of every object, without their lines: a drawing's handles
  // are nearly always unique, and the lines of one used twice are cheaper
  // found by reading the file again than kept for every object.
  std::vector<Handle> handles_;
  Handle lastHandle_ = 0;
  std::optional<Handle> twice_;
  std::size_t firstUseOfTwice_ = 0;
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
      handles_.push_back(*handle);
      lastHandle_ = *handle;
      if (*handle == twice_) noteUseOfTwice(groups_[i].line);
      break;
    }
  }
  std::uint64_t codes = 0;
  std::size_t stringAt = Record::npos;
  for (std::size_t i = from; i < to; ++i) {
    codes |= Record::codeBit(groups_[i].code);
    if (groups_[i].code == 1 && stringAt == Record::npos) {
      stringAt = static_cast<std::size_t>(groups_[i].start - begin);
    }
  }
  return Record(buffer_, std::string_view(begin, static_cast<std::size_t>(end - begin)), codes,
                stringAt);
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
      data.fileEnd.assign(groups_.front().start, text_.data() + text_.size());
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
        readSectionEntities(data.entities, owner, sectionLine);
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
  if (!handles_.empty()) keepHandSeedAbove(data.header, handles_.back());  // sorted
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
    if (reachedHalfway()) return;
    advanceWithin(owner, ownerLine, end);
    if (type() == end) return;
    if (end == "ENDBLK" && type() == "BLOCK") {
      scanner_.fail(line(),
                    std::string(owner) + " (line " + std::to_string(ownerLine) + ") has no ENDBLK");
    }
    entities.push_back(readEntity());
  }
}

// The two halves give what one reader gives, errors included: the second
// half counts only when the first half's reader meets its start as the start
// of a record; otherwise (the guess was no record's start, or lay past the
// section), or when the second half failed, the first reader reads on
// alone, and fails where one reader would, at the same line.
void DxfReader::readSectionEntities(std::vector<EntityPtr>& entities, std::string_view owner,
                                    std::size_t ownerLine) {
  const std::size_t from =
      hasLookahead_ ? static_cast<std::size_t>(lookahead_.start - text_.data()) : text_.size();
  const std::size_t rest = text_.size() - from;
  halfway_ = rest >= readInTwoFrom_ && !twice_ ? entityStartFrom(text_, from + rest / 2) : nullptr;
  if (halfway_ == nullptr) return readEntities(entities, "ENDSEC", owner, ownerLine);

  const std::string_view secondText =
      text_.substr(static_cast<std::size_t>(halfway_ - text_.data()));
  std::optional<DxfReader> second;
  std::vector<EntityPtr> secondEntities;
  bool secondRead = false;
  {
    // Joined before `second` goes, even when the first half fails.
    std::jthread secondHalf([&] {
      try {
        second.emplace(buffer_, secondText, scanner_.fileName(), readInTwoFrom_);
        second->readEntities(secondEntities, "ENDSEC", owner, ownerLine);
        secondRead = true;
      } catch (...) {
        // The first reader meets the same error, with its true line.
      }
    });
    readEntities(entities, "ENDSEC", owner, ownerLine);  // stops at halfway_ or the end
  }
  const bool metHalfway = type() != "ENDSEC";
  halfway_ = nullptr;
  if (!metHalfway) return;
  if (secondRead) {
    joinSecondHalf(*second, entities, secondEntities);
  } else {
    readEntities(entities, "ENDSEC", owner, ownerLine);
  }
}

bool DxfReader::reachedHalfway() {
  if (halfway_ == nullptr || !hasLookahead_ || lookahead_.start < halfway_) return false;
  if (lookahead_.start == halfway_) return true;
  halfway_ = nullptr;
  return false;
}

void DxfReader::joinSecondHalf(DxfReader& second, std::vector<EntityPtr>& entities,
                               std::vector<EntityPtr>& secondEntities) {
  const std::size_t linesBefore = lookahead_.line - 1;
  entities.reserve(entities.size() + secondEntities.size());  // not twice the room, as insert takes
  entities.insert(entities.end(), std::make_move_iterator(secondEntities.begin()),
                  std::make_move_iterator(secondEntities.end()));
  handles_.insert(handles_.end(), second.handles_.begin(), second.handles_.end());
  groups_ = std::move(second.groups_);
  for (RawGroup& group : groups_) group.line += linesBefore;
  lookahead_ = second.lookahead_;
  lookahead_.line += linesBefore;
  hasLookahead_ = second.hasLookahead_;
  recordEnd_ = second.recordEnd_;
  lastHandle_ = second.lastHandle_;
  scanner_.continueFrom(second.scanner_, linesBefore);
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
    entity->children.setSeqend(wholeRecord());
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
  const auto twice = std::adjacent_find(handles_.begin(), handles_.end());
  if (twice == handles_.end() || twice_) return;
  DxfReader(buffer_, text_, scanner_.fileName(), readInTwoFrom_, *twice).read();
}

void DxfReader::noteUseOfTwice(std::size_t line) {
  if (firstUseOfTwice_ == 0) {
    firstUseOfTwice_ = line;
    return;
  }
  scanner_.fail(line, "handle " + formatHandle(*twice_) + " is used twice (lines " +
                          std::to_string(firstUseOfTwice_) + " and " + std::to_string(line) + ")");
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
                    const std::string& fileName, std::size_t readInTwoFrom) {
  const std::string_view byteOrderMark = "\xEF\xBB\xBF";
  const bool marked = startsWith(text, byteOrderMark);
  if (marked) text.remove_prefix(byteOrderMark.size());
  rejectUnsupported(text, fileName);
  DxfReader reader(std::move(owner), text, fileName, readInTwoFrom);
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
