#include "support/cp1255_table.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/case_records.h"

namespace vrn::test {

std::vector<Cp1255Entry> readCp1255Table() {
  std::vector<Cp1255Entry> table;
  for (const CaseRecord& record : readCaseRecords(VRN_TEST_SUPPORT_DATA_DIR "/cp1255.txt")) {
    unsigned byte = 0;
    unsigned unit = 0;
    char rest = 0;
    if (std::sscanf(record.text.c_str(), "0x%2X U+%4X %c", &byte, &unit, &rest) != 2) {
      ADD_FAILURE() << record.where << ": not an entry: " << record.text;
      continue;
    }
    table.push_back({static_cast<unsigned char>(byte), static_cast<char16_t>(unit)});
  }
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].byte != i) {
      ADD_FAILURE() << "cp1255.txt lists byte " << unsigned{table[i].byte} << " where byte " << i
                    << " belongs";
      break;
    }
  }
  EXPECT_EQ(table.size(), 256u) << "cp1255.txt lists every byte once, in order";
  return table;
}

}  // namespace vrn::test
