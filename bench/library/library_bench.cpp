// FillTree and Search against the sqlite3 command running the same query on
// the same file in the same run. The library is a random tree whose rows are
// stored in random order, so most children come before their parents; the
// topics are Hebrew text. Each figure is the best of several runs, after one
// run that warms the file cache. The sqlite3 figures include starting the
// process, which is what a host-side caller of the command line pays too.
//
// Usage: vrn_library_bench [rows]   (default 100000; also runs a quarter and
// a half of that to show how FillTree grows)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "library/sqlite_db.h"
#include "library/tdb.h"

namespace fs = std::filesystem;
using vrn::library::SqliteDb;
using vrn::library::SqliteTransaction;
using vrn::library::Tdb;
using vrn::library::Tree;

namespace {

constexpr int kRuns = 5;
constexpr const char16_t* kSearchWord = u"ירושלים";
constexpr const char* kSearchWordUtf8 = "ירושלים";

const std::vector<std::u16string> kWords = {
    u"שלום",  u"עולם", u"ירושלים", u"תכנית", u"קומה",   u"חתך",  u"חזית",   u"מפלס",
    u"קיר",   u"בטון", u"פלדה",    u"גבס",   u"דלת",    u"חלון", u"מדרגות", u"מעלית",
    u"חניה",  u"גינה", u"מרפסת",   u"גג",    u"יסודות", u"ביוב", u"חשמל",   u"אינסטלציה",
    u"מיזוג", u"תקרה", u"ריצוף",   u"טיח",   u"צבע",    u"אבן"};

std::u16string topicText(std::mt19937& random) {
  std::uniform_int_distribution<std::size_t> word(0, kWords.size() - 1);
  std::uniform_int_distribution<int> count(8, 16);
  std::u16string text;
  for (int i = count(random); i > 0; --i) {
    if (!text.empty()) text += u' ';
    text += kWords[word(random)];
  }
  return text;
}

// A fresh vrn.db holding the root row and rows nodes below it.
fs::path makeLibrary(const fs::path& dir, int rows) {
  fs::remove_all(dir);
  Tdb created(dir);
  SqliteDb db(created.slDBPath().string());
  std::mt19937 random(20261210);
  std::vector<int> parents(static_cast<std::size_t>(rows) + 1, -1);
  for (int nid = 1; nid <= rows; ++nid) {
    parents[static_cast<std::size_t>(nid)] = std::uniform_int_distribution<int>(0, nid - 1)(random);
  }
  std::vector<int> order(static_cast<std::size_t>(rows));
  std::iota(order.begin(), order.end(), 1);
  std::shuffle(order.begin(), order.end(), random);

  SqliteTransaction transaction(db);
  auto insert =
      db.prepare("INSERT INTO LibTree (nid, id_parent, icon, name, txt) VALUES (?, ?, ?, ?, ?)");
  for (int nid : order) {
    insert.bind(1, nid)
        .bind(2, parents[static_cast<std::size_t>(nid)])
        .bind(3, nid % 3 == 0 ? 0 : 2)
        .bind(4, kWords[static_cast<std::size_t>(nid) % kWords.size()])
        .bind(5, topicText(random))
        .execute();
    insert.reset();
  }
  transaction.commit();
  return created.slDBPath();
}

double bestMilliseconds(const std::function<void()>& run) {
  run();
  double best = 1e300;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(
        best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count());
  }
  return best;
}

// The sqlite3 command with the query read from a file, rows to /dev/null.
double sqliteCommandMilliseconds(const fs::path& db, const fs::path& queryFile,
                                 const std::string& query) {
  std::ofstream(queryFile) << query << ";\n";
  const std::string command =
      "sqlite3 '" + db.string() + "' < '" + queryFile.string() + "' > /dev/null";
  return bestMilliseconds([&] {
    if (std::system(command.c_str()) != 0) {
      std::fprintf(stderr, "sqlite3 failed: %s\n", command.c_str());
      std::exit(1);
    }
  });
}

void printRow(const char* what, int rows, double ours, double theirs) {
  std::printf("%-8s %8d rows   vrn %8.2f ms   sqlite3 %8.2f ms   ratio %5.2f   %6.0f ns/row\n",
              what, rows, ours, theirs, ours / theirs, ours * 1e6 / rows);
}

}  // namespace

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
  if (rows < 4) {
    std::fprintf(stderr, "usage: vrn_library_bench [rows >= 4]\n");
    return 2;
  }
  if (std::system("sqlite3 -version > /dev/null") != 0) {
    std::fprintf(stderr, "the sqlite3 command is needed for the comparison\n");
    return 1;
  }
  const fs::path work =
      fs::temp_directory_path() / ("vrn-library-bench-" + std::to_string(std::random_device()()));
  const fs::path queryFile = work / "query.sql";

  std::printf("FillTree: random tree, rows in random parent order; sqlite3 runs the same SELECT\n");
  fs::path largest;
  for (int size : {rows / 4, rows / 2, rows}) {
    const fs::path db = makeLibrary(work / std::to_string(size), size);
    Tdb library(db);
    Tree tree;
    std::int32_t maxid = 0;
    const double ours = bestMilliseconds([&] { library.FillTree(tree, "LibTree", maxid); });
    const double theirs =
        sqliteCommandMilliseconds(db, queryFile, "SELECT  nid,id_parent,icon,name FROM   LibTree ");
    if (tree.count() != static_cast<std::size_t>(size) + 1 || maxid != size) {
      std::fprintf(stderr, "FillTree built %zu nodes, maxid %d\n", tree.count(), maxid);
      return 1;
    }
    printRow("FillTree", size, ours, theirs);
    largest = db;
  }

  std::printf("Search: LIKE over Hebrew topics for \"%s\"\n", kSearchWordUtf8);
  Tdb library(largest);
  std::size_t found = 0;
  const double ours = bestMilliseconds([&] { found = library.Search(kSearchWord).size(); });
  const double theirs = sqliteCommandMilliseconds(
      largest, queryFile,
      std::string("SELECT nid FROM LibTree  WHERE txt LIKE  '%") + kSearchWordUtf8 + "%' ");
  printRow("Search", rows, ours, theirs);
  std::printf("         %zu topics found\n", found);

  fs::remove_all(work);
  return 0;
}
