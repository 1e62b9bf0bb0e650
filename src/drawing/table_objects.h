#pragma once
// Layers, text styles and dimension styles: the collections over the
// LAYER, STYLE and DIMSTYLE tables and one object per entry.

#include "drawing/document.h"

namespace vrn::drawing {

enum class TableKind { Layers, TextStyles, DimStyles };

class TableEntryObject final : public host::Object {
 public:
  // The entry index that stands for the implicit Standard text style.
  static constexpr std::size_t kImplicitStandard = static_cast<std::size_t>(-1);

  TableEntryObject(DocumentPtr document, TableKind kind, std::size_t entry)
      : document_(std::move(document)), kind_(kind), entry_(entry) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

  Document& document() const { return *document_; }
  // The entry's record; raises when undo has removed it.
  const Record& record() const;
  std::u16string name() const { return document_->entryName(record()); }
  // Lets `edit` change the entry, journaled unless nothing changed. The
  // implicit Standard style becomes part of the drawing only then.
  template <class Edit>
  void change(Edit&& edit) {
    Record edited = record();
    edit(edited);
    if (edited.sameGroups(record())) return;
    const std::size_t at = index();
    Table& t = table();
    document_->rememberTable(t);
    edit(t.entries[at]);
  }

 private:
  Table& table() const;
  // The entry's index in its table; the implicit Standard style is added first.
  std::size_t index() const;

  DocumentPtr document_;
  TableKind kind_;
  std::size_t entry_;
};

class TableObject final : public host::Object {
 public:
  TableObject(DocumentPtr document, TableKind kind) : document_(std::move(document)), kind_(kind) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

  // The entries the collection shows, as indices into the table.
  std::vector<std::size_t> entries() const;
  host::ObjectPtr item(const host::Variant& index) const;
  // TextStyles.Add: the style of that name, created when missing.
  host::ObjectPtr addTextStyle(std::u16string_view name);

 private:
  bool shows(const Record& entry) const;

  DocumentPtr document_;
  TableKind kind_;
};

const char* tableName(TableKind kind);

}  // namespace vrn::drawing
