#pragma once
// Document: one open drawing of the built-in host, and the late-bound
// AutoCAD document object over it.
//
// The model keeps every object of the drawing as its DXF record (see
// record.h); properties are views of groups and a change rewrites just the
// groups concerned, so whatever the model does not interpret (extension
// data, reactors, dictionaries, entities of other kinds, which are kept
// opaque) is written back unchanged.
//
// Handles. A drawing whose header has $HANDSEED uses handles: an object's
// handle is its group 5 (105 for DIMSTYLE), a new object takes the next
// free handle and $HANDSEED is raised past it, so it always stays above
// every handle of the drawing. An R12 drawing without $HANDSEED has no
// handles: its entities get handles in memory (in file order, from 1),
// which HandleToObject finds but which are never written. Handles are not
// reused, also after undo.
//
// Undo. Before an entity, a table or the header changes for the first time
// in an undo step, the document journals its state (undo_journal.h);
// erased entities stay in the drawing, flagged, so that undo can bring them
// back. Sending "U" (or "_U", "_.U") at the command line undoes one step.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ascii/case_insensitive_hash.h"
#include "drawing/command_line.h"
#include "drawing/drawing_data.h"
#include "drawing/drawing_files.h"
#include "drawing/handles.h"
#include "drawing/scripted_input.h"
#include "drawing/undo_journal.h"
#include "host/host_error.h"
#include "host/member_table.h"
#include "host/object.h"
#include "host/point.h"
#include "host/variant.h"

namespace vrn::drawing {

class SelectionSet;

// AutoCAD's error for a change to an entity on a locked layer. AutoCAD's
// automation errors are 0x8020nnnn, nnnn the place in its list of error
// statuses ("Key not found" is 0x80200014); "On locked layer" stands 63
// places after that one.
inline constexpr host::HRESULT kOnLockedLayer = static_cast<host::HRESULT>(0x80200053u);

// Where entities live: model space and the active paper-space layout share
// the ENTITIES section (group 67 tells them apart); every other block holds
// its own entities.
struct Space {
  enum class Kind { Model, Paper, Block };
  Kind kind = Kind::Model;
  std::size_t block = 0;  // index into DrawingData::blocks for Kind::Block
};

// True for the block of a paper-space layout: *Paper_Space, *Paper_Space0 ...
bool isLayoutBlockName(std::string_view name);

class Document final : public host::Object, public std::enable_shared_from_this<Document> {
 public:
  // `path` is the drawing's full file name, empty for a new drawing that has
  // not been saved; `name` its name as shown ("Drawing1.dwg" for a new one).
  Document(DrawingData data, std::string path, std::string name,
           std::shared_ptr<const DrawingFiles> files, std::shared_ptr<ScriptedInput> input,
           FileClaim claim = {});

  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

  // --- the drawing -------------------------------------------------------
  // The drawing as it stands, for saving; changes go through the members.
  const DrawingData& data() const { return data_; }
  const std::string& path() const { return path_; }
  const std::string& name() const { return name_; }
  // Saves through the drawing files; an empty `path` saves under the present one.
  void save(const std::string& path = {});
  bool saved() const { return !journal_.dirty(); }

  std::u16string decode(std::string_view bytes) const;
  std::string encode(std::u16string_view text) const;
  bool hasSubclassMarkers() const { return subclassMarkers_; }

  // --- entities ------------------------------------------------------------
  // The live entity with this handle (hexadecimal), or null.
  EntityPtr findEntity(std::string_view handle) const;
  std::string handleOf(const Entity& entity) const;
  host::ObjectPtr objectOf(const EntityPtr& entity);
  // The live (not erased) entities of a space, in drawing order. Kept until
  // an entity is added, erased or brought back, so that walking a space by
  // index (Count, Item(i)) stays linear.
  const std::vector<EntityPtr>& entitiesOf(const Space& space) const;
  // The Blocks collection in order: model space, paper space, then every
  // other block (the *Paper_SpaceN layouts among them). No member adds or
  // removes a block, so the list is made once, and walking Blocks by index
  // stays linear in the number of blocks.
  const std::vector<Space>& blockSpaces() const;
  // Model space when ActiveSpace is 1 (TILEMODE on), else paper space.
  Space activeSpace() const;
  // The live entities of every layout: model space and the active paper
  // space (the ENTITIES section), then the other paper-space layouts, whose
  // entities live in their *Paper_SpaceN blocks.
  std::vector<EntityPtr> allEntities() const;
  // Adds an entity made of `groups` (0 TYPE first, no handle or owner) to
  // `space`; the document gives it its handle, owner and space flag.
  EntityPtr addEntity(const Space& space, std::vector<Group> groups);
  // A copy of `entity` (with its attributes) in the same place, new handles.
  EntityPtr copyEntity(const EntityPtr& entity);
  void eraseEntity(const EntityPtr& entity);
  // Raises "On locked layer" (kOnLockedLayer) when the entity's layer is
  // locked: AutoCAD refuses every change to such an entity, though it adds
  // new ones to a locked layer.
  void requireUnlocked(const Entity& entity);

  // --- tables and variables ----------------------------------------------------
  Table* table(std::string_view name);
  // The entry of `table` named `name` (ignoring case), or null.
  Record* tableEntry(std::string_view table, std::u16string_view name);
  // The index in `table` of its first entry named `name` (ignoring case),
  // or npos; answered from an index of the names that every change to the
  // tables drops, so a lookup per text costs one hash.
  std::size_t entryIndex(std::string_view table, std::u16string_view name);
  // True when `table` has an entry `name`, the implicit Standard style included.
  bool hasEntry(std::string_view table, std::u16string_view name);
  std::u16string entryName(const Record& entry) const { return decode(entry.value(2)); }
  std::u16string headerString(std::string_view variable, int code,
                              std::u16string_view fallback) const;
  void setHeaderString(std::string_view variable, int code, std::u16string_view value);
  // A handle for a new table record, or "" when the drawing writes none.
  std::string newRecordHandle();
  // --- text styles (document_text_styles.cpp) ----------------------------------
  // AutoCAD always has the text style Standard. A drawing whose STYLE table
  // lacks it (minimal R12 files have no tables at all) shows it with
  // AutoCAD's defaults, and takes it in only when something is written to
  // it: reading or converting texts leaves the drawing as it was read.
  // Null while the drawing has a Standard style of its own.
  const Record* implicitStandardStyle();
  // The index of the Standard style in the STYLE table; an implicit one is
  // added first (with the table and its section where missing), journaled.
  std::size_t standardStyleIndex();
  // The STYLE table, made where the drawing lacks it; journaled.
  Table& styleTable();
  // The groups of a text style with AutoCAD's defaults; `handle` and `owner`
  // (the table's handle) are left out where empty.
  std::vector<Group> newTextStyle(std::u16string_view name, const std::string& handle,
                                  const std::string& owner) const;
  // The text style name a dimension style uses.
  std::u16string dimensionTextStyle(const Record& dimstyle) const;
  Record* activeDimStyle();

  host::Variant getVariable(std::string_view name);
  void setVariable(std::string_view name, const host::Variant& value);

  // --- journal ------------------------------------------------------------------
  UndoJournal& journal() { return journal_; }
  void rememberEntity(const EntityPtr& entity);
  void rememberTable(Table& table);
  // Lets `edit` change the record and journals the state before, unless
  // nothing changed (writing a value a property already has is no change).
  template <class Edit>
  void changeRecord(const EntityPtr& entity, Edit&& edit) {
    if (journal_.remembers(entity.get())) {
      edit(entity->record);
      return;
    }
    Entity before = *entity;
    edit(entity->record);
    if (!entity->record.sameGroups(before.record)) {
      journal_.remember(entity.get(), [entity, before = std::move(before)] { *entity = before; });
    }
  }
  void rememberHeader();
  void undo();

  // --- command line and input --------------------------------------------------------
  // Everything sent with SendCommand, in order.
  const std::vector<std::u16string>& commandLog() const { return commandLog_; }
  void sendCommand(std::u16string_view text);
  // The message of the alert box the command line shows, if any; the
  // commands sent after it wait until the user confirms it.
  const std::optional<std::u16string>& pendingAlert() const { return pendingAlert_; }
  void answerAlert();
  ScriptedInput& input() { return *input_; }

  std::vector<std::shared_ptr<SelectionSet>>& selectionSets() { return selectionSets_; }

 private:
  static const host::MemberTable<Document>& members();
  void indexHandles();
  void indexEntity(const EntityPtr& entity, Handle handle);
  // Visits every entity of the drawing (attributes and vertices too), erased or not.
  template <class Visit>
  void forEveryEntity(const Visit& visit) const;
  EntityPtr entityWithHandle(Handle handle) const;
  Handle nextFreeHandle();
  Handle takeHandle();
  void giveHandle(const EntityPtr& entity, const std::string& owner);
  void stamp(Record& record, Handle handle, const std::string& owner) const;
  std::string ownerHandle(const Space& space);
  std::vector<EntityPtr>* containerOf(const Entity& entity);
  void tablesChanged() {
    entryIndices_.clear();
    lockedLayers_.clear();
  }

  DrawingData data_;
  std::string path_;
  std::string name_;
  std::shared_ptr<const DrawingFiles> files_;
  FileClaim claim_;  // the hold on path_'s file while the document has it
  std::shared_ptr<ScriptedInput> input_;
  UndoJournal journal_;
  void runSteps(std::vector<CommandLineStep> steps);
  std::optional<std::u16string> pendingAlert_;
  std::vector<CommandLineStep> waiting_;
  bool subclassMarkers_ = false;
  bool writesHandles_ = false;
  std::optional<Handle> nextHandle_ = 1;  // empty once the last handle is given
  // Built once handles are looked up more than a few times: listing or
  // editing a few texts of a large drawing never needs it.
  mutable std::unordered_map<Handle, EntityPtr> byHandle_;
  mutable bool handleMapBuilt_ = false;
  mutable int walkedLookups_ = 0;
  std::unordered_map<const Entity*, const Entity*> parents_;  // attribute -> block reference
  std::map<std::string, host::Variant> variables_;  // lower-case name -> value kept in memory
  std::vector<std::u16string> commandLog_;
  // A space's entities: the drawing's own list when every entity of it
  // belongs, else those that do. Cleared whenever a list changes.
  struct SpaceEntities {
    const std::vector<EntityPtr>* whole = nullptr;
    std::vector<EntityPtr> some;
    const std::vector<EntityPtr>& list() const { return whole ? *whole : some; }
  };
  mutable std::map<std::pair<int, std::size_t>, SpaceEntities> spaceCache_;
  mutable std::vector<Space> blockSpaces_;
  std::vector<std::shared_ptr<SelectionSet>> selectionSets_;
  Record implicitStandard_;
  // Lower-case table name -> lower-case entry name -> index of its first entry.
  template <class Value>
  using NameMap =
      std::unordered_map<std::string, Value, AsciiCaseInsensitiveHash, AsciiCaseInsensitiveEqual>;
  NameMap<NameMap<std::size_t>> entryIndices_;
  // Whether a layer, named as entities name it (in the drawing's bytes), is
  // locked: every change asks it of its entity's layer.
  std::map<std::string, bool, std::less<>> lockedLayers_;
};

using DocumentPtr = std::shared_ptr<Document>;

}  // namespace vrn::drawing
