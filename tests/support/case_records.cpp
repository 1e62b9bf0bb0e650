#include "support/case_records.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>

#include "ascii/blanks.h"

namespace vrn::test {

std::vector<CaseRecord> readCaseRecords(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) {
    ADD_FAILURE() << "cannot read " << file;
    return {};
  }
  std::vector<CaseRecord> records;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string_view text = line;
    if (text.ends_with('\r')) text.remove_suffix(1);
    text = trimBlanks(text);
    if (text.empty() || text.front() == '#') continue;
    records.push_back({std::string(text), file.filename().string() + ":" + std::to_string(number)});
  }
  return records;
}

void runCaseRecords(const std::filesystem::path& file,
                    const std::function<bool(const CaseRecord&)>& run) {
  const std::vector<CaseRecord> records = readCaseRecords(file);
  std::size_t ran = 0;
  for (const CaseRecord& record : records) {
    if (run(record)) {
      ++ran;
    } else {
      ADD_FAILURE() << record.where << ": the case did not run: " << record.text;
    }
  }
  std::cout << file.filename().string() << ": ran " << ran << " of " << records.size()
            << " cases\n";
  EXPECT_GT(records.size(), 0u) << file << " holds no case";
  EXPECT_EQ(ran, records.size()) << file;
}

std::vector<std::string> splitFields(std::string_view record, char separator) {
  std::vector<std::string> fields;
  for (;;) {
    const auto end = record.find(separator);
    fields.emplace_back(trimBlanks(record.substr(0, end)));
    if (end == std::string_view::npos) return fields;
    record.remove_prefix(end + 1);
  }
}

}  // namespace vrn::test
