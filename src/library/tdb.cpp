#include "library/tdb.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>

#include "library/sqlite_error.h"

namespace vrn::library {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLibTree =
    "CREATE TABLE LibTree  ([ID] INTEGER PRIMARY KEY,[nid] INTEGER,[icon] INTEGER,[name] TEXT "
    ",[id_parent] INTEGER,[txt] TEXT COLLATE NOCASE)";
constexpr std::string_view kLispTree =
    "CREATE TABLE LispTree  ([ID] INTEGER PRIMARY KEY,[nid] INTEGER,[icon] INTEGER,[name] TEXT "
    ",[id_parent] INTEGER,[lsp] TEXT COLLATE NOCASE)";
constexpr std::string_view kBlockHistory =
    "CREATE TABLE BlockHistory  ([ID] INTEGER PRIMARY KEY,[type] INTEGER,[block] TEXT,[tag] TEXT "
    ",[prompt] TEXT ,[value] TEXT,[ddate] DATETIME ,[cod] TEXT )";
constexpr std::string_view kClips =
    "CREATE TABLE Clips  ([ID] INTEGER PRIMARY KEY,[nid] INTEGER,[icon] INTEGER,[id_parent] "
    "INTEGER ,[kind] INTEGER ,[fmt] TEXT ,[ddate] DATETIME ,[stream] BLOB ,[txt] TEXT)";
constexpr std::string_view kSearchCombo =
    "CREATE TABLE  SearchCombo ([ID] INTEGER PRIMARY KEY,[item] TEXT)";
constexpr std::string_view kBlocksAttr =
    "CREATE TABLE BlocksAttr  ([ID] INTEGER PRIMARY KEY,[bname] TEXT COLLATE NOCASE,[json] TEXT)";
constexpr std::string_view kBlocksAttrUpgrade =
    "CREATE TABLE IF NOT EXISTS BlocksAttr  ([ID] INTEGER PRIMARY KEY,[bname] TEXT COLLATE "
    "NOCASE,[json] TEXT)";

constexpr std::u16string_view kRootName = u"All Categories";
constexpr int kCategoryIcon = 0;
constexpr int kSelectedCategoryIcon = 1;

std::string utf8Name(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

std::string concat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

std::u16string joinLines(const StringList& lines) {
  std::u16string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += u"\r\n";
    text += lines[i];
  }
  return text;
}

std::int32_t parentData(const TreeNode& node) {
  return node.parent() != nullptr ? node.parent()->data() : -1;
}

// A directory is named either by existing as one or by a trailing delimiter.
bool namesDirectory(const fs::path& path) { return fs::is_directory(path) || !path.has_filename(); }

std::string insertTxtStatement(std::string_view table) {
  return concat({"INSERT INTO ", table, " (nid, id_parent,name,txt) VALUES",
                 " (:nid, :id_parent, :name, :txt);"});
}

void insertTxtRow(SqliteDb& db, std::string_view table, std::int32_t nid, std::int32_t idParent,
                  std::u16string_view name, std::u16string_view txt) {
  db.prepare(insertTxtStatement(table))
      .bind(":nid", nid)
      .bind(":id_parent", idParent)
      .bind(":name", name)
      .bind(":txt", txt)
      .execute();
}

}  // namespace

// A folder that cannot be made raises the file system's error (with the
// path in its message); like SQLite's own, it is no host error.
Tdb::Tdb(const fs::path& path) : fpath_(path) {
  if (namesDirectory(path)) {
    // A fresh data directory holds no vrn.db yet: it is made there.
    fs::create_directories(path);
    slDBPath_ = path / "vrn.db";
  } else {
    slDBPath_ = path;
    fpath_ = path.parent_path();
    if (!fpath_.empty()) fs::create_directories(fpath_);
  }
  fpath_ /= "";  // the trailing delimiter
  const bool existed = fs::exists(slDBPath_);
  sldb_ = std::make_unique<SqliteDb>(utf8Name(slDBPath_));
  if (existed) {
    executeSchema(std::string(kBlocksAttrUpgrade));
    return;
  }
  try {
    createSchema();
  } catch (...) {
    // An empty or half-made file would pass for an existing library next time.
    sldb_.reset();
    std::error_code ignored;
    fs::remove(slDBPath_, ignored);
    throw;
  }
}

void Tdb::createSchema() {
  SqliteTransaction transaction(*sldb_);
  executeSchema(std::string(kLibTree));
  Add0("LibTree");
  for (std::string_view statement : {kLispTree, kBlockHistory, kClips, kSearchCombo, kBlocksAttr}) {
    executeSchema(std::string(statement));
  }
  transaction.commit();
}

void Tdb::executeSchema(std::string statement) {
  sSQL_ = std::move(statement);
  sldb_->execute(sSQL_);
}

void Tdb::FillTree(Tree& tree, std::string_view /*table*/, std::int32_t& maxid) {
  maxid = -1;
  tree.beginUpdate();
  struct ResumeUpdates {
    Tree& tree;
    ~ResumeUpdates() { tree.endUpdate(); }
  } resume{tree};
  tree.clear();

  const SqliteTable rows = sldb_->readTable("SELECT  nid,id_parent,icon,name FROM   LibTree ");
  const int nidColumn = rows.columnIndex("nid");
  const int iconColumn = rows.columnIndex("icon");
  const int parentColumn = rows.columnIndex("id_parent");
  const int nameColumn = rows.columnIndex("name");

  std::unordered_map<std::int32_t, TreeNode*> byNid;
  byNid.reserve(rows.rowCount() * 2);
  for (std::size_t r = 0; r < rows.rowCount(); ++r) {
    const std::int32_t nid = rows.fieldAsInt(r, nidColumn);
    const std::int32_t idParent = rows.fieldAsInt(r, parentColumn);
    const int icon = rows.fieldAsInt(r, iconColumn);
    maxid = std::max(maxid, nid);

    TreeNode* parent = nullptr;
    if (idParent >= 0) {
      auto [slot, isNew] = byNid.try_emplace(idParent, nullptr);
      if (isNew) {
        // The parent's row comes later (or never): a placeholder holds the
        // children until then. idParent >= 0, so the negation cannot overflow.
        slot->second = tree.add(nullptr, u"---");
        slot->second->setCaption(u"");
        slot->second->setData(-idParent);
      }
      parent = slot->second;
    }

    auto [slot, isNew] = byNid.try_emplace(nid, nullptr);
    TreeNode* node = slot->second;
    if (isNew) {
      node = slot->second = tree.add(parent, rows.fieldAsText(r, nameColumn));
    } else {
      node->setCaption(rows.fieldAsText(r, nameColumn));
      // A damaged file may make a node its own ancestor; it then stays put
      // rather than cutting its subtree off the tree.
      if (parent != node && (parent == nullptr || !node->isAncestorOf(*parent)))
        tree.moveToEnd(*node, parent);
    }
    node->setData(nid);
    node->setImageIndex(icon);
    node->setSelectedIndex(icon == kCategoryIcon ? kSelectedCategoryIcon : icon);
  }
}

Tidxarray Tdb::Search(std::u16string_view pat) {
  std::u16string pattern = u"%";
  pattern += pat;
  pattern += u"%";
  SqliteStatement query = sldb_->prepare("SELECT nid FROM LibTree  WHERE txt LIKE  ? ");
  query.bind(1, pattern);
  Tidxarray nids;
  while (query.step()) nids.push_back(query.columnInt(0));
  return nids;
}

std::u16string Tdb::ReadTopic(const TreeNode& node, std::string_view table) {
  try {
    SqliteStatement query = sldb_->prepare(concat({"SELECT txt FROM ", table, " WHERE nid = ? "}));
    query.bind(1, node.data());
    return query.step() ? query.columnText(0) : std::u16string();
  } catch (const SqliteError&) {
    return {};
  }
}

void Tdb::AddNewTxt(const TreeNode& node, const StringList& txt, std::string_view table) {
  insertTxtRow(*sldb_, table, node.data(), parentData(node), node.caption(), joinLines(txt));
}

void Tdb::Add0(std::string_view table) { insertTxtRow(*sldb_, table, 0, -1, kRootName, u""); }

void Tdb::AddNewNode(const TreeNode& node, std::u16string_view txt, std::string_view table) {
  sldb_
      ->prepare(concat({"INSERT INTO ", table, " (nid, id_parent,name, icon) VALUES",
                        " (:nid, :id_parent, :name, :icon);"}))
      .bind(":nid", node.data())
      .bind(":id_parent", parentData(node))
      .bind(":name", txt)
      .bind(":icon", node.imageIndex())
      .execute();
}

void Tdb::UpdateTxt(const TreeNode& node, const StringList& txt, std::string_view table) {
  sldb_->prepare(concat({"UPDATE  ", table, " SET   txt = :txt ", "WHERE nid = :nid"}))
      .bind(":txt", joinLines(txt))
      .bind(":nid", node.data())
      .execute();
}

void Tdb::UpdateNode(const TreeNode& node, std::u16string_view txt, std::string_view table) {
  sldb_->prepare(concat({"UPDATE  ", table, " SET   name = :name ", "WHERE nid = :nid"}))
      .bind(":name", txt)
      .bind(":nid", node.data())
      .execute();
}

void Tdb::DeleteNode(const TreeNode& node, std::string_view table) {
  sldb_->prepare(concat({"DELETE FROM ", table, " WHERE nid = :nid"}))
      .bind(":nid", node.data())
      .execute();
}

bool Tdb::hasRow(const TreeNode& node, std::string_view query) {
  SqliteStatement statement = sldb_->prepare(query);
  statement.bind(1, node.data());
  return statement.step();
}

void Tdb::UpdateTopic(const TreeNode& node, const StringList& txt, std::string_view table) {
  if (hasRow(node, concat({"SELECT txt FROM ", table, " WHERE nid = ? "}))) {
    UpdateTxt(node, txt, table);
  } else {
    AddNewTxt(node, txt, table);
  }
}

void Tdb::UpdateNodeName(const TreeNode& node, std::u16string_view txt, std::string_view table) {
  if (hasRow(node, concat({"SELECT nid FROM ", table, " WHERE nid = ? "}))) {
    UpdateNode(node, txt, table);
  } else {
    AddNewNode(node, txt, table);
  }
}

void Tdb::MoveNode(const TreeNode& node, const Tidxarray& siblings, std::string_view table) {
  struct Row {
    std::int64_t id;
    std::int32_t nid;
    std::u16string name;
    std::u16string txt;
    std::optional<std::int64_t> icon;
  };
  SqliteTransaction transaction(*sldb_);
  sldb_->prepare(concat({"UPDATE ", table, " SET id_parent = ? WHERE nid = ? "}))
      .bind(1, parentData(node))
      .bind(2, node.data())
      .execute();
  std::vector<Row> rows;
  std::vector<std::int64_t> ids;
  for (const std::int32_t nid : siblings) {
    SqliteStatement query =
        sldb_->prepare(concat({"SELECT id,name,txt,icon FROM ", table, " WHERE nid = ? "}));
    query.bind(1, nid);
    if (!query.step()) continue;
    rows.push_back({query.columnInt64(0), nid, query.columnText(1), query.columnText(2),
                    query.columnNullableInt(3)});
    ids.push_back(rows.back().id);
  }
  std::sort(ids.begin(), ids.end());
  SqliteStatement update = sldb_->prepare(
      concat({"UPDATE ", table, " SET nid=:nid, name=:name, txt=:txt, icon=:icon WHERE id = :id"}));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    update.bind(":nid", rows[i].nid)
        .bind(":name", rows[i].name)
        .bind(":txt", rows[i].txt)
        .bind(":icon", rows[i].icon)
        .bind(":id", ids[i]);
    update.execute();
    update.reset();
  }
  transaction.commit();
}

void Tdb::SwapNode(const TreeNode& node1, const TreeNode& node2, std::string_view table) {
  struct Row {
    std::int64_t id;
    std::u16string name;
    std::u16string txt;
    std::optional<std::int64_t> icon;
  };
  auto readRow = [&](const TreeNode& node) -> std::optional<Row> {
    SqliteStatement query =
        sldb_->prepare(concat({"SELECT id,name,txt FROM ", table, " WHERE nid = ? "}));
    query.bind(1, node.data());
    if (!query.step()) return std::nullopt;
    Row row{query.columnInt64(0), query.columnText(1), query.columnText(2), std::nullopt};
    SqliteStatement icon = sldb_->prepare(concat({"SELECT icon FROM ", table, " WHERE id = ? "}));
    icon.bind(1, row.id);
    if (icon.step()) row.icon = icon.columnNullableInt(0);
    return row;
  };
  const std::optional<Row> row1 = readRow(node1);
  const std::optional<Row> row2 = readRow(node2);
  // With one row missing the exchange would leave two rows with one nid.
  if (!row1 || !row2) return;

  SqliteTransaction transaction(*sldb_);
  SqliteStatement update = sldb_->prepare(
      concat({"UPDATE  ", table, " SET nid=:nid, name =:name, txt = :txt ", "WHERE id = :id"}));
  // The icon travels with the node too: a topic moved past a category stays
  // a topic when the library is opened again.
  SqliteStatement updateIcon =
      sldb_->prepare(concat({"UPDATE  ", table, " SET icon = :icon WHERE id = :id"}));
  auto write = [&](const TreeNode& from, const Row& fromRow, const Row& target) {
    update.bind(":nid", from.data())
        .bind(":name", fromRow.name)
        .bind(":txt", fromRow.txt)
        .bind(":id", target.id);
    update.execute();
    update.reset();
    updateIcon.bind(":icon", fromRow.icon).bind(":id", target.id).execute();
    updateIcon.reset();
  };
  write(node2, *row2, *row1);
  write(node1, *row1, *row2);
  transaction.commit();
}

void Tdb::ReadList(std::string_view table, StringList& list) {
  list.clear();
  if (!sldb_->tableExists(table)) return;
  const SqliteTable rows = sldb_->readTable(concat({"SELECT [item]  FROM  ", table}));
  for (std::size_t r = 0; r < rows.rowCount(); ++r) list.push_back(rows.fieldAsText(r, 0));
}

void Tdb::WriteList(std::string_view table, const StringList& list) {
  SqliteTransaction transaction(*sldb_);
  sldb_->execute(concat({"DELETE FROM ", table}));
  SqliteStatement insert =
      sldb_->prepare(concat({"INSERT INTO ", table, " (item) VALUES (:item)"}));
  for (const std::u16string& item : list) {
    insert.bind(":item", item).execute();
    insert.reset();
  }
  transaction.commit();
}

std::u16string Tdb::ReadJson(std::string_view table, std::u16string_view bname) {
  if (!sldb_->tableExists(table)) return {};
  // Bound, not pasted between quotes: any name, quotes and column names
  // included, matches only its own row.
  SqliteStatement query =
      sldb_->prepare(concat({"SELECT [json]  FROM  ", table, " WHERE bname = ? "}));
  query.bind(1, bname);
  return query.step() ? query.columnText(0) : std::u16string();
}

}  // namespace vrn::library
