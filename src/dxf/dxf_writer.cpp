#include "dxf/dxf_writer.h"

#include <charconv>
#include <span>

#include "drawing/handles.h"

namespace vrn::dxf {
namespace {

using drawing::EntityPtr;
using drawing::highestHandle;
using drawing::keepHandSeedAbove;
using drawing::Record;
using drawing::Section;

class DxfWriter {
 public:
  DxfWriter(const drawing::DrawingData& data, const std::function<void(std::string_view)>& sink)
      : data_(data), sink_(sink) {
    out_.reserve(kChunk + kChunk / 4);
  }

  void write() {
    out_ += data_.fileStart;
    for (const auto& section : data_.sections) writeSection(section);
    flushCopied();
    if (data_.fileEnd.empty()) {
      // A file cut off after its last ENDSEC may lack the final line end.
      if (!endsWithLineEnd_) out_ += data_.lineEnd;
      writeGroup(0, "EOF");
    } else {
      out_ += data_.fileEnd;
    }
    sink_(out_);
  }

 private:
  static constexpr std::size_t kChunk = std::size_t{1} << 20;

  void flushIfFull() {
    if (out_.size() < kChunk) return;
    sink_(out_);
    out_.clear();
  }

  // Unchanged records that follow each other in the loaded file go out as
  // one piece of that file, uncopied.
  void copy(std::string_view original) {
    if (original.empty()) return;
    endsWithLineEnd_ = original.back() == '\n';
    if (copied_.data() + copied_.size() == original.data()) {
      copied_ = {copied_.data(), copied_.size() + original.size()};
      return;
    }
    flushCopied();
    copied_ = original;
  }

  void flushCopied() {
    if (copied_.empty()) return;
    if (!out_.empty()) {
      sink_(out_);
      out_.clear();
    }
    sink_(copied_);
    copied_ = {};
  }

  void writeGroup(int code, std::string_view value) {
    char digits[16];
    const auto [ptr, ec] = std::to_chars(digits, digits + sizeof digits, code);
    const auto width = static_cast<std::size_t>(ptr - digits);
    if (width < 3) out_.append(3 - width, ' ');
    out_.append(digits, width);
    out_ += data_.lineEnd;
    out_ += value;
    out_ += data_.lineEnd;
    endsWithLineEnd_ = true;
  }

  void writeRecord(const Record& record) {
    if (!record.changed()) {
      copy(record.original());
      return;
    }
    flushCopied();
    for (const auto& group : record.groups()) writeGroup(group.code, group.value);
    flushIfFull();
  }

  void writeEntities(std::span<const EntityPtr> entities) {
    for (const auto& entity : entities) {
      if (entity->erased) continue;
      writeRecord(entity->record);
      writeEntities(entity->children);
      if (const Record* seqend = entity->children.seqend()) writeRecord(*seqend);
    }
  }

  void writeHeader() {
    Record header = data_.header;
    keepHandSeedAbove(header, highestHandle(data_, true));
    writeRecord(header);
  }

  void writeSection(const Section& section) {
    writeRecord(section.begin);
    switch (section.kind) {
      case Section::Kind::Header:
        writeHeader();
        break;
      case Section::Kind::Tables:
        for (const auto& table : data_.tables) {
          writeRecord(table.head);
          for (const auto& entry : table.entries) writeRecord(entry);
          writeRecord(table.end);
        }
        break;
      case Section::Kind::Blocks:
        for (const auto& block : data_.blocks) {
          writeRecord(block.begin);
          writeEntities(block.entities);
          writeRecord(block.end);
        }
        break;
      case Section::Kind::Entities:
        writeEntities(data_.entities);
        break;
      case Section::Kind::Opaque:
        for (const auto& record : section.records) writeRecord(record);
        break;
    }
    writeRecord(section.end);
  }

  const drawing::DrawingData& data_;
  const std::function<void(std::string_view)>& sink_;
  std::string out_;
  std::string_view copied_;
  bool endsWithLineEnd_ = true;
};

}  // namespace

void writeDxf(const drawing::DrawingData& data, const std::function<void(std::string_view)>& sink) {
  DxfWriter(data, sink).write();
}

std::string dxfText(const drawing::DrawingData& data) {
  std::string text;
  writeDxf(data, [&](std::string_view piece) { text += piece; });
  return text;
}

}  // namespace vrn::dxf
