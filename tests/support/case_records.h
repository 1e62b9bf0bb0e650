#pragma once
// One-line case records: a data file holds one case a line, in whatever
// form its test reads; blank lines and lines that start with '#' are
// comments. Blanks at either end of a line and a carriage return before its
// end belong to no record.
//
// The runner counts: it prints how many cases of a file ran and fails the
// test when a record did not run or the file holds none, so that a case
// never drops out unnoticed.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vrn::test {

struct CaseRecord {
  std::string text;   // the line without its surrounding blanks
  std::string where;  // "file.txt:12", for failure messages
};

// The records of `file` in order. A file that cannot be read fails the test
// and gives none.
std::vector<CaseRecord> readCaseRecords(const std::filesystem::path& file);

// Runs every record of `file`: `run` checks the record's case and answers
// whether it ran; false (a record that does not parse, a routine nobody
// knows) fails the test with the record.
void runCaseRecords(const std::filesystem::path& file,
                    const std::function<bool(const CaseRecord&)>& run);

// The fields of a record between separators, each without its blanks.
std::vector<std::string> splitFields(std::string_view record, char separator);

}  // namespace vrn::test
