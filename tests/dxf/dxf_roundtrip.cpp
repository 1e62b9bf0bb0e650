// vrn_dxf_roundtrip: loads a drawing, applies the changes named on the
// command line to its records and saves it, for the ezdxf cross-check.
//
//   vrn_dxf_roundtrip IN OUT [--text HANDLE TEXT]... [--text-hex HANDLE HEX]...
//                    [--retext HANDLE]... [--add-text TEXT]...
//
// --retext decodes the text of the entity HANDLE and sets it again, which
// must leave its bytes as they were; --text replaces the text of the entity HANDLE (a long MTEXT is
// split over groups 3 and 1 in chunks of at most 250 bytes, as the drawing model does); --text-hex
// does the same with a text given as the hex digits of its UTF-8 bytes, for texts a command line
// cannot carry (NUL);
// --add-text adds a TEXT to model space whose handle is the current
// $HANDSEED, left for the writer to raise. TEXT arguments are UTF-8 and are
// encoded with the drawing's codec.
#include <cstdio>
#include <exception>
#include <span>
#include <string>
#include <vector>

#include "drawing/drawing_data.h"
#include "drawing/header_variables.h"
#include "drawing/mtext_string.h"
#include "dxf/dxf_files.h"
#include "hex_argument.h"
#include "host/utf8.h"

namespace {

using vrn::drawing::DrawingData;
using vrn::drawing::EntityPtr;
using vrn::drawing::Group;
using vrn::drawing::Record;

EntityPtr findIn(std::span<const EntityPtr> entities, const std::string& handle) {
  for (const auto& entity : entities) {
    if (entity->record.value(5) == handle) return entity;
    if (auto child = findIn(entity->children, handle)) return child;
  }
  return nullptr;
}

EntityPtr findEntity(const DrawingData& data, const std::string& handle) {
  if (auto entity = findIn(data.entities, handle)) return entity;
  for (const auto& block : data.blocks) {
    if (auto entity = findIn(block.entities, handle)) return entity;
  }
  throw std::runtime_error("no entity with handle " + handle);
}

void setBytes(const DrawingData& data, Record& record, const std::string& bytes) {
  if (record.type() != "MTEXT") {
    record.set(1, bytes);
    return;
  }
  auto& groups = record.edit();
  auto first = groups.begin();
  while (first != groups.end() && first->code != 3 && first->code != 1) ++first;
  const auto at = first - groups.begin();
  std::erase_if(groups, [](const Group& g) { return g.code == 3 || g.code == 1; });
  const auto chunks = vrn::drawing::splitMTextString(bytes, *data.codec);
  std::vector<Group> text;
  for (std::size_t i = 0; i < chunks.size(); ++i)
    text.push_back({i + 1 < chunks.size() ? 3 : 1, chunks[i]});
  groups.insert(groups.begin() + at, text.begin(), text.end());
}

void setText(const DrawingData& data, Record& record, const std::string& utf8) {
  setBytes(data, record, data.codec->encode(vrn::utf8ToUtf16(utf8)));
}

void retext(const DrawingData& data, Record& record) {
  setBytes(data, record, data.codec->encode(data.codec->decode(record.value(1))));
}

std::string modelSpaceOwner(const DrawingData& data) {
  for (const auto& table : data.tables) {
    for (const auto& entry : table.entries) {
      if (entry.type() == "BLOCK_RECORD" && entry.value(2) == "*Model_Space")
        return std::string(entry.value(5));
    }
  }
  return {};
}

void addText(DrawingData& data, const std::string& utf8) {
  const std::string handle = vrn::drawing::headerValue(data.header, "$HANDSEED", 5);
  const bool subclasses = !modelSpaceOwner(data).empty();
  std::vector<Group> groups{{0, "TEXT"}, {5, handle}};
  if (subclasses) groups.insert(groups.end(), {{330, modelSpaceOwner(data)}, {100, "AcDbEntity"}});
  groups.push_back({8, "0"});
  if (subclasses) groups.push_back({100, "AcDbText"});
  groups.insert(groups.end(), {{10, "5.0"},
                               {20, "-120.0"},
                               {30, "0.0"},
                               {40, "2.5"},
                               {1, data.codec->encode(vrn::utf8ToUtf16(utf8))}});
  if (subclasses) groups.push_back({100, "AcDbText"});
  auto entity = std::make_shared<vrn::drawing::Entity>();
  entity->record = Record(std::move(groups));
  data.entities.push_back(std::move(entity));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: vrn_dxf_roundtrip IN OUT [--text HANDLE TEXT]... [--text-hex HANDLE "
                 "HEX]... [--retext HANDLE]... [--add-text TEXT]...\n");
    return 2;
  }
  try {
    const vrn::dxf::DxfFiles files;
    vrn::drawing::FileClaim claim;
    DrawingData data = files.load(argv[1], claim);
    for (int i = 3; i < argc; ++i) {
      const std::string option = argv[i];
      if ((option == "--text" || option == "--text-hex") && i + 2 < argc) {
        const std::string text =
            option == "--text" ? argv[i + 2] : vrn::dxf::test::bytesFromHex(argv[i + 2]);
        setText(data, findEntity(data, argv[i + 1])->record, text);
        i += 2;
      } else if (option == "--retext" && i + 1 < argc) {
        retext(data, findEntity(data, argv[++i])->record);
      } else if (option == "--add-text" && i + 1 < argc) {
        addText(data, argv[++i]);
      } else {
        throw std::runtime_error("unknown option " + option);
      }
    }
    vrn::drawing::FileClaim saved;
    files.save(data, argv[2], saved);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
