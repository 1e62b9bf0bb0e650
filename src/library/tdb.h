#pragma once
// Tdb: the connection to the library database vrn.db and every operation
// that the library browser and the attribute editor perform on it.
//
// LibTree holds one row per tree node (category or topic) and is read back
// in ID order, which is the order of siblings. Rows are found by nid, the
// node's data value; id_parent is the parent's nid, -1 at the top level.
// icon is 0 for a category, 2 for a topic, NULL for a row stored with its
// text before its caption. SearchCombo keeps the browser's search history,
// BlocksAttr one JSON document per block name. The other three tables exist
// for code on the host side. Every statement text here is shared with that
// code, spacing included.
//
// Table names are the program's own ("LibTree", "SearchCombo", "BlocksAttr")
// and go into the statement text; values are always bound. SQLite failures
// raise SqliteError.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "library/sqlite_db.h"
#include "library/tree.h"

namespace vrn::library {

// Lines of an editor or a list box; stored as one text, lines joined by CR LF.
using StringList = std::vector<std::u16string>;
using Tidxarray = std::vector<std::int32_t>;

class Tdb {
 public:
  // Create: path is the data directory (an existing directory, or a path
  // ending in a delimiter), whose vrn.db is opened or created; or the path
  // of the database file itself. Missing folders are created. A new file
  // gets all six tables and the root row; an existing one gets BlocksAttr if
  // it lacks it. A new file that could not be set up is removed again.
  explicit Tdb(const std::filesystem::path& path);

  // Rebuilds the whole tree from LibTree (table is not used: the query names
  // LibTree) and sets maxid to the largest nid, -1 for an empty table.
  void FillTree(Tree& tree, std::string_view table, std::int32_t& maxid);
  // nids of the LibTree rows whose txt contains pat; "%" and "_" in pat act
  // as wildcards, and only ASCII letters match regardless of case.
  Tidxarray Search(std::u16string_view pat);
  // The node's stored text; empty when there is no row or reading fails.
  std::u16string ReadTopic(const TreeNode& node, std::string_view table);

  void AddNewTxt(const TreeNode& node, const StringList& txt, std::string_view table);
  void Add0(std::string_view table);
  void AddNewNode(const TreeNode& node, std::u16string_view txt, std::string_view table);
  void UpdateTxt(const TreeNode& node, const StringList& txt, std::string_view table);
  void UpdateNode(const TreeNode& node, std::u16string_view txt, std::string_view table);
  void DeleteNode(const TreeNode& node, std::string_view table);
  // Store the text / the caption, inserting the row when the node has none.
  void UpdateTopic(const TreeNode& node, const StringList& txt, std::string_view table);
  void UpdateNodeName(const TreeNode& node, std::u16string_view txt, std::string_view table);
  // Exchanges nid, name, txt and icon of the two nodes' rows, so that the
  // siblings change places at the next FillTree; ID and id_parent stay.
  // Nothing changes unless both rows exist.
  void SwapNode(const TreeNode& node1, const TreeNode& node2, std::string_view table);

  // Stores a node moved in the tree: its row takes its parent's nid, and the
  // rows of its new siblings (siblings: their nids in display order, the
  // node among them) are rewritten so that their ID order is that order.
  // All in one transaction; rows not yet stored take no part.
  void MoveNode(const TreeNode& node, const Tidxarray& siblings, std::string_view table);

  // The table's item column in row order; empty when the table is missing.
  void ReadList(std::string_view table, StringList& list);
  // Replaces the table's rows with the list, all or nothing.
  void WriteList(std::string_view table, const StringList& list);
  // The json of the row for block bname (ASCII case ignored); empty when
  // the table or the row is missing.
  std::u16string ReadJson(std::string_view table, std::u16string_view bname);

  // The folder of the database file, ending in a delimiter.
  const std::filesystem::path& fpath() const { return fpath_; }
  const std::filesystem::path& slDBPath() const { return slDBPath_; }
  // The last schema statement executed.
  const std::string& sSQL() const { return sSQL_; }

 private:
  void createSchema();
  void executeSchema(std::string statement);
  bool hasRow(const TreeNode& node, std::string_view query);

  std::filesystem::path fpath_;
  std::filesystem::path slDBPath_;
  std::string sSQL_;
  std::unique_ptr<SqliteDb> sldb_;
};

}  // namespace vrn::library
