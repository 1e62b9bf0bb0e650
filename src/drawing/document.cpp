#include "drawing/document.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "ascii/letter_case.h"
#include "drawing/command_line.h"
#include "drawing/entity_object.h"
#include "drawing/file_names.h"
#include "drawing/header_variables.h"
#include "host/host_error.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

using host::HostError;
namespace hr = host::hr;

bool isPaper(const Entity& e) { return e.record.integer(67) == 1; }

bool sameAscii(std::string_view a, std::string_view b) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

Document::Document(DrawingData data, std::string path, std::string name,
                   std::shared_ptr<const DrawingFiles> files, std::shared_ptr<ScriptedInput> input,
                   FileClaim claim)
    : data_(std::move(data)),
      path_(std::move(path)),
      name_(std::move(name)),
      files_(std::move(files)),
      claim_(std::move(claim)),
      input_(std::move(input)) {
  if (!data_.codec) data_.codec = utf8Codec();
  const std::string version = headerValue(data_.header, "$ACADVER", 1, "AC1009");
  subclassMarkers_ = version >= "AC1012";
  writesHandles_ = headerVariable(data_.header, "$HANDSEED").has_value();
  // R12 names the style in capitals, as it names its tables' entries.
  implicitStandard_ = Record(newTextStyle(subclassMarkers_ ? u"Standard" : u"STANDARD", "", ""));
  // Every table lookup reads each table's name: the few table heads are
  // split into their groups once rather than scanned on every lookup.
  for (const Table& t : data_.tables) t.head.groups();
  indexHandles();
}

// --- handles ------------------------------------------------------------------

template <class Visit>
void Document::forEveryEntity(const Visit& visit) const {
  const auto walk = [&](std::span<const EntityPtr> list, auto& self) -> void {
    for (const EntityPtr& e : list) {
      visit(e);
      self(e->children, self);
    }
  };
  walk(data_.entities, walk);
  for (const Block& b : data_.blocks) walk(b.entities, walk);
}

// An entity read from a file comes with its own handle; one without (or,
// in data not read from a file, with a handle another entity already has)
// gets one in memory only.
void Document::indexHandles() {
  bool allOwn = writesHandles_;
  forEveryEntity([&](const EntityPtr& e) {
    for (const EntityPtr& c : e->children) parents_[c.get()] = e.get();
    allOwn = allOwn && e->handle != 0;
  });
  if (writesHandles_) {
    const auto seed = parseHandle(headerValue(data_.header, "$HANDSEED", 5));
    const Handle highest = highestHandle(data_);
    nextHandle_ = highest == kLastHandle ? std::nullopt
                                         : std::optional(std::max(seed.value_or(1), highest + 1));
  }
  if (allOwn) return;  // the file's reader has refused handles used twice
  handleMapBuilt_ = true;
  forEveryEntity([&](const EntityPtr& e) {
    const auto own = !writesHandles_  ? std::nullopt
                     : e->handle != 0 ? std::optional(e->handle)
                                      : recordHandle(e->record);
    indexEntity(e, own && !byHandle_.contains(*own) ? *own : nextFreeHandle());
  });
}

void Document::indexEntity(const EntityPtr& entity, Handle handle) {
  if (handleMapBuilt_) byHandle_[handle] = entity;
  entity->handle = handle;
}

// The first few lookups walk the entities; a document asked more often
// maps them, once.
EntityPtr Document::entityWithHandle(Handle handle) const {
  constexpr int kWalksBeforeMapping = 4;
  if (!handleMapBuilt_ && walkedLookups_ < kWalksBeforeMapping) {
    ++walkedLookups_;
    EntityPtr found;
    forEveryEntity([&](const EntityPtr& e) {
      if (!found && e->handle == handle) found = e;
    });
    return found;
  }
  if (!handleMapBuilt_) {
    handleMapBuilt_ = true;
    forEveryEntity([&](const EntityPtr& e) { byHandle_.emplace(e->handle, e); });
  }
  const auto it = byHandle_.find(handle);
  return it == byHandle_.end() ? nullptr : it->second;
}

// Handles are never wrapped round to small numbers, which other objects may
// have: once the last one is given, the drawing takes no new object.
Handle Document::nextFreeHandle() {
  if (!nextHandle_) {
    throw HostError(hr::kFail, "The drawing has no free handle left for a new object: " +
                                   formatHandle(kLastHandle) + " is in use");
  }
  const Handle h = *nextHandle_;
  nextHandle_ = h == kLastHandle ? std::nullopt : std::optional(h + 1);
  return h;
}

Handle Document::takeHandle() {
  const Handle h = nextFreeHandle();
  if (writesHandles_ && nextHandle_) {
    setHeaderValue(data_.header, "$HANDSEED", 5, formatHandle(*nextHandle_));
  }
  return h;
}

void Document::stamp(Record& record, Handle handle, const std::string& owner) const {
  auto& groups = record.edit();
  std::erase_if(groups, [](const Group& g) { return g.code == 5 || g.code == 330; });
  auto at = groups.begin() + (groups.empty() ? 0 : 1);
  if (writesHandles_) at = groups.insert(at, {5, formatHandle(handle)}) + 1;
  if (subclassMarkers_ && !owner.empty()) groups.insert(at, {330, owner});
}

// Gives a new entity and its followers (fresh copies of them) handles, and
// owners where the drawing records them.
void Document::giveHandle(const EntityPtr& entity, const std::string& owner) {
  const Handle h = takeHandle();
  stamp(entity->record, h, owner);
  indexEntity(entity, h);
  const std::string self = formatHandle(h);
  for (EntityPtr& child : entity->children) {
    child = std::make_shared<Entity>(*child);
    giveHandle(child, self);
    parents_[child.get()] = entity.get();
  }
  if (Record* seqend = entity->children.seqend()) stamp(*seqend, takeHandle(), self);
}

std::string Document::newRecordHandle() {
  return writesHandles_ ? formatHandle(takeHandle()) : std::string();
}

std::string Document::handleOf(const Entity& entity) const {
  return entity.handle == 0 ? std::string() : formatHandle(entity.handle);
}

EntityPtr Document::findEntity(std::string_view handle) const {
  const auto h = parseHandle(handle);
  if (!h) return nullptr;
  EntityPtr entity = entityWithHandle(*h);
  if (!entity || entity->erased) return nullptr;
  // An attribute of an erased block reference is gone with it.
  const auto parent = parents_.find(entity.get());
  if (parent != parents_.end() && parent->second->erased) return nullptr;
  return entity;
}

host::ObjectPtr Document::objectOf(const EntityPtr& entity) {
  return std::make_shared<EntityObject>(shared_from_this(), entity);
}

// --- entities -----------------------------------------------------------------

const std::vector<EntityPtr>& Document::entitiesOf(const Space& space) const {
  const auto key = std::make_pair(static_cast<int>(space.kind), space.block);
  if (const auto it = spaceCache_.find(key); it != spaceCache_.end()) return it->second.list();
  const auto& list =
      space.kind == Space::Kind::Block ? data_.blocks.at(space.block).entities : data_.entities;
  const auto belongs = [&](const EntityPtr& e) {
    return !e->erased &&
           (space.kind == Space::Kind::Block || isPaper(*e) == (space.kind == Space::Kind::Paper));
  };
  SpaceEntities& cached = spaceCache_[key];
  // A list of nothing but the space's own entities (a block's, a model
  // space without paper-space or erased ones) is used as it is: a copy
  // would cost a pointer per entity of a large drawing.
  if (std::all_of(list.begin(), list.end(), belongs)) {
    cached.whole = &list;
  } else {
    std::copy_if(list.begin(), list.end(), std::back_inserter(cached.some), belongs);
  }
  return cached.list();
}

const std::vector<Space>& Document::blockSpaces() const {
  if (!blockSpaces_.empty()) return blockSpaces_;
  blockSpaces_ = {{Space::Kind::Model, 0}, {Space::Kind::Paper, 0}};
  for (std::size_t i = 0; i < data_.blocks.size(); ++i) {
    const std::string lower = lowerAscii(data_.blocks[i].begin.value(2));
    if (lower != "*model_space" && lower != "*paper_space") {
      blockSpaces_.push_back({Space::Kind::Block, i});
    }
  }
  return blockSpaces_;
}

Space Document::activeSpace() const {
  const Record tilemode({{70, headerValue(data_.header, "$TILEMODE", 70, "1")}});
  return {tilemode.integer(70, 1) != 0 ? Space::Kind::Model : Space::Kind::Paper, 0};
}

bool isLayoutBlockName(std::string_view name) {
  return lowerAscii(name).starts_with("*paper_space");
}

std::vector<EntityPtr> Document::allEntities() const {
  std::vector<EntityPtr> out;
  const auto take = [&](const std::vector<EntityPtr>& list) {
    for (const EntityPtr& e : list) {
      if (!e->erased) out.push_back(e);
    }
  };
  take(data_.entities);
  for (const Block& b : data_.blocks) {
    if (isLayoutBlockName(b.begin.value(2))) take(b.entities);
  }
  return out;
}

std::string Document::ownerHandle(const Space& space) {
  std::u16string name = u"*Model_Space";
  if (space.kind == Space::Kind::Paper) name = u"*Paper_Space";
  if (space.kind == Space::Kind::Block) {
    const Record& begin = data_.blocks.at(space.block).begin;
    if (begin.has(330)) return std::string(begin.value(330));
    name = decode(begin.value(2));
  }
  if (const Record* entry = tableEntry("BLOCK_RECORD", name)) {
    return std::string(entry->value(5));
  }
  return {};
}

EntityPtr Document::addEntity(const Space& space, std::vector<Group> groups) {
  if (space.kind == Space::Kind::Paper) {
    const auto layer =
        std::find_if(groups.begin(), groups.end(), [](const Group& g) { return g.code == 8; });
    groups.insert(layer, Group{67, "1"});
  }
  auto entity = std::make_shared<Entity>();
  entity->record = Record(std::move(groups));
  giveHandle(entity, ownerHandle(space));
  auto& list =
      space.kind == Space::Kind::Block ? data_.blocks.at(space.block).entities : data_.entities;
  list.push_back(entity);
  spaceCache_.clear();
  journal_.created(entity.get(), [entity] { entity->erased = true; });
  return entity;
}

std::vector<EntityPtr>* Document::containerOf(const Entity& entity) {
  const auto holds = [&](const std::vector<EntityPtr>& list) {
    return std::any_of(list.begin(), list.end(),
                       [&](const EntityPtr& e) { return e.get() == &entity; });
  };
  if (holds(data_.entities)) return &data_.entities;
  for (Block& b : data_.blocks) {
    if (holds(b.entities)) return &b.entities;
  }
  return nullptr;
}

void Document::requireUnlocked(const Entity& entity) {
  constexpr int kLocked = 4;  // a layer's flag (group 70)
  const std::string_view name = entity.record.value(8, "0");
  auto known = lockedLayers_.find(name);
  if (known == lockedLayers_.end()) {
    const Record* layer = tableEntry("LAYER", decode(name));
    known = lockedLayers_.emplace(name, layer && (layer->integer(70) & kLocked) != 0).first;
  }
  if (known->second) throw HostError(kOnLockedLayer, "On locked layer");
}

EntityPtr Document::copyEntity(const EntityPtr& entity) {
  std::vector<EntityPtr>* list = containerOf(*entity);
  if (!list) throw HostError(hr::kFail, "An attribute cannot be copied on its own");
  auto copy = std::make_shared<Entity>(*entity);
  const std::string owner(entity->record.value(330));
  giveHandle(copy, owner);
  list->push_back(copy);
  spaceCache_.clear();
  journal_.created(copy.get(), [copy] { copy->erased = true; });
  return copy;
}

void Document::eraseEntity(const EntityPtr& entity) {
  requireUnlocked(*entity);
  rememberEntity(entity);
  entity->erased = true;
  spaceCache_.clear();
}

// --- tables and variables ---------------------------------------------------------

std::u16string Document::decode(std::string_view bytes) const { return data_.codec->decode(bytes); }
std::string Document::encode(std::u16string_view text) const { return data_.codec->encode(text); }

Table* Document::table(std::string_view name) {
  for (Table& t : data_.tables) {
    if (sameAscii(t.head.value(2), name)) return &t;
  }
  return nullptr;
}

bool Document::hasEntry(std::string_view tableName, std::u16string_view name) {
  if (tableEntry(tableName, name)) return true;
  const Record* standard = lowerAscii(tableName) == "style" ? implicitStandardStyle() : nullptr;
  return standard && lowerAscii(utf16ToUtf8(name)) == lowerAscii(standard->value(2));
}

Record* Document::tableEntry(std::string_view tableName, std::u16string_view name) {
  const std::size_t at = entryIndex(tableName, name);
  return at == Record::npos ? nullptr : &table(tableName)->entries[at];
}

std::size_t Document::entryIndex(std::string_view tableName, std::u16string_view name) {
  Table* t = table(tableName);
  if (!t) return Record::npos;
  auto index = entryIndices_.find(tableName);
  if (index == entryIndices_.end()) {
    index = entryIndices_.try_emplace(std::string(tableName)).first;
    for (std::size_t i = 0; i < t->entries.size(); ++i) {
      index->second.try_emplace(utf16ToUtf8(entryName(t->entries[i])), i);
    }
  }
  const auto found = index->second.find(utf16ToUtf8(name));
  return found == index->second.end() ? Record::npos : found->second;
}

std::u16string Document::headerString(std::string_view variable, int code,
                                      std::u16string_view fallback) const {
  const auto values = headerVariable(data_.header, variable);
  if (!values) return std::u16string(fallback);
  for (const Group& g : *values) {
    if (g.code == code) return decode(g.value);
  }
  return std::u16string(fallback);
}

void Document::setHeaderString(std::string_view variable, int code, std::u16string_view value) {
  std::string encoded = encode(value);
  const auto values = headerVariable(data_.header, variable);
  if (values && std::any_of(values->begin(), values->end(),
                            [&](const Group& g) { return g.code == code && g.value == encoded; })) {
    return;
  }
  rememberHeader();
  setHeaderValue(data_.header, variable, code, std::move(encoded));
}

std::u16string Document::dimensionTextStyle(const Record& dimstyle) const {
  if (const auto h = parseHandle(dimstyle.value(340))) {
    for (const Table& t : data_.tables) {
      for (const Record& r : t.entries) {
        if (r.type() == "STYLE" && recordHandle(r) == h) return entryName(r);
      }
    }
  }
  return headerString("$DIMTXSTY", 7, u"Standard");
}

Record* Document::activeDimStyle() {
  return tableEntry("DIMSTYLE", headerString("$DIMSTYLE", 2, u"Standard"));
}

// --- journal -------------------------------------------------------------------------

void Document::rememberEntity(const EntityPtr& entity) {
  if (journal_.remembers(entity.get())) return;
  journal_.remember(entity.get(), [entity, before = *entity] { *entity = before; });
}

// Found again by name when undone: adding a table moves the others.
void Document::rememberTable(Table& t) {
  tablesChanged();
  if (journal_.remembers(&t)) return;
  journal_.remember(&t, [this, name = std::string(t.head.value(2)), before = t] {
    if (Table* now = table(name)) *now = before;
  });
}

void Document::rememberHeader() {
  if (journal_.remembers(&data_.header)) return;
  journal_.remember(&data_.header, [this, before = data_.header] { data_.header = before; });
}

void Document::undo() {
  journal_.undo();
  tablesChanged();
  spaceCache_.clear();
  // Restoring the header may bring back an older $HANDSEED; handles given
  // out since must stay below it.
  if (writesHandles_) {
    const auto seed = parseHandle(headerValue(data_.header, "$HANDSEED", 5));
    if (nextHandle_ && seed.value_or(0) < *nextHandle_) {
      setHeaderValue(data_.header, "$HANDSEED", 5, formatHandle(*nextHandle_));
    }
  }
}

void Document::sendCommand(std::u16string_view text) {
  commandLog_.emplace_back(text);
  journal_.commandSent();
  runSteps(stepsIn(text));
}

// An alert holds the command line: what follows it waits for the answer.
void Document::runSteps(std::vector<CommandLineStep> steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (steps[i].alert) {
      pendingAlert_ = steps[i].text;
      waiting_.assign(steps.begin() + static_cast<std::ptrdiff_t>(i) + 1, steps.end());
      return;
    }
    if (isUndoCommand(steps[i].text)) undo();
  }
}

void Document::answerAlert() {
  if (!pendingAlert_) return;
  pendingAlert_.reset();
  runSteps(std::exchange(waiting_, {}));
}

// --- files ----------------------------------------------------------------------------

void Document::save(const std::string& path) {
  const std::string target = path.empty() ? path_ : path;
  if (!files_) throw HostError(hr::kFail, "This host cannot write drawing files");
  if (target.empty()) throw HostError(hr::kFail, "The drawing has no file name yet; use SaveAs");
  // What the built-in drawing writes is DXF, whatever the name says.
  if (!path.empty() && !hasDxfExtension(path)) {
    throw HostError(hr::kInvalidArg, "SaveAs: the built-in drawing writes DXF files only, and " +
                                         fileNameOf(path) + " is not named .dxf");
  }
  files_->save(data_, fileSystemName(target), claim_);
  path_ = target;
  name_ = fileNameOf(target);
  journal_.markClean();
}

}  // namespace vrn::drawing
