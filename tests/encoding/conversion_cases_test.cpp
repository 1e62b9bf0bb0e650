// The conversion cases kept as one-line records in data/cases/*.txt:
//
//   routine [type] [forward|backward] [rtl|ltr] [reverseTTF] | input | expected
//
// Input and expected are byte-form bytes in hex (E0 31) or UTF-16 units
// (U+05D0), separated by blanks; an empty field is an empty text. Routines
// that take wide text get the bytes through the code page. A record that
// does not parse fails the test, so no case is skipped unnoticed.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "encoding/char_tables.h"
#include "encoding/conversions.h"
#include "encoding/reorder.h"
#include "encoding/reversal.h"
#include "encoding/string_conversion.h"
#include "support/case_records.h"

namespace vrn::encoding {
namespace {

struct Args {
  std::optional<int> type;
  bool backward = false;
  bool rightToLeft = false;
  bool reverseTTF = false;
};

struct Case {
  std::string routine;
  Args args;
  std::u16string input;
  std::u16string expected;
};

std::optional<unsigned> parseHex(std::string_view digits) {
  unsigned value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::u16string> parseText(const std::string& field) {
  std::u16string text;
  std::istringstream tokens(field);
  std::string token;
  while (tokens >> token) {
    if (token.starts_with("U+")) {
      const auto unit = parseHex(std::string_view(token).substr(2));
      if (!unit || *unit > 0xFFFF) {
        return std::nullopt;
      }
      text += static_cast<char16_t>(*unit);
    } else {
      const auto byte = parseHex(token);
      if (!byte || token.size() != 2) {
        return std::nullopt;
      }
      text += wideForm(std::string(1, static_cast<char>(*byte)));
    }
  }
  return text;
}

std::optional<Args> parseArgs(std::istringstream& tokens) {
  Args args;
  std::string token;
  while (tokens >> token) {
    if (token == "forward" || token == "backward") {
      args.backward = token == "backward";
    } else if (token == "rtl" || token == "ltr") {
      args.rightToLeft = token == "rtl";
    } else if (token == "reverseTTF") {
      args.reverseTTF = true;
    } else if (int type = 0;
               std::from_chars(token.data(), token.data() + token.size(), type).ec == std::errc()) {
      args.type = type;
    } else {
      return std::nullopt;
    }
  }
  return args;
}

std::optional<Case> parseCase(const std::string& line) {
  const std::vector<std::string> fields = test::splitFields(line, '|');
  if (fields.size() != 3) {
    return std::nullopt;
  }
  std::istringstream head(fields[0]);
  Case c;
  head >> c.routine;
  auto args = parseArgs(head);
  auto input = parseText(fields[1]);
  auto expected = parseText(fields[2]);
  if (c.routine.empty() || !args || !input || !expected) {
    return std::nullopt;
  }
  c.args = *args;
  c.input = *input;
  c.expected = *expected;
  return c;
}

using Routine = std::function<std::u16string(const Args&, const std::u16string&)>;

fntType typeOf(const Args& a) { return static_cast<fntType>(a.type.value_or(0)); }
FontState fontOf(const Args& a) { return FontState{typeOf(a), a.backward}; }

Routine bytes(std::function<std::string(std::string)> f) {
  return [f](const Args&, const std::u16string& s) { return wideForm(f(byteForm(s))); };
}

Routine bytesTyped(std::function<std::string(const Args&, std::string)> f) {
  return [f](const Args& a, const std::u16string& s) { return wideForm(f(a, byteForm(s))); };
}

const std::map<std::string, Routine>& routines() {
  static const std::map<std::string, Routine> table = {
      {"DosToWin", bytes(DosToWin)},
      {"WinToDos", bytes(WinToDos)},
      {"EngToDos", bytes(EngToDos)},
      {"EngToWin", bytes(EngToWin)},
      {"DosToEng", bytes(DosToEng)},
      {"WinToEng", bytes(WinToEng)},
      {"RevStr", bytes(RevStr)},
      {"FixRuns", bytes(FixRuns)},
      {"VisualOrder", bytes([](std::string s) { return VisualOrder(s); })},
      {"VisualOrderDC", bytes([](std::string s) { return VisualOrderDC(s); })},
      {"RightToLeftDC", bytes([](std::string s) { return RightToLeftDC(s); })},
      {"LeftToRightDC", bytes([](std::string s) { return LeftToRightDC(s); })},
      {"DosToUni", [](const Args&, const std::u16string& s) { return DosToUni(s); }},
      {"RevStrW", [](const Args&, const std::u16string& s) { return RevStrW(s); }},
      {"reverseCharacters",
       [](const Args&, const std::u16string& s) { return reverseCharacters(s); }},
      {"FixRunsW", [](const Args&, const std::u16string& s) { return FixRunsW(s); }},
      {"VisualOrderW", [](const Args&, const std::u16string& s) { return VisualOrderW(s); }},
      {"cDosToWin", [](const Args&, const std::u16string& s) { return cDosToWin(s); }},
      {"cWinToDos", [](const Args&, const std::u16string& s) { return cWinToDos(s); }},
      {"ConvertRightToLeft",
       [](const Args&, const std::u16string& s) { return ConvertRightToLeft(s); }},
      {"ConvertLeftToRight",
       [](const Args&, const std::u16string& s) { return ConvertLeftToRight(s); }},
      {"ConvertRightToLeftW",
       [](const Args&, const std::u16string& s) { return ConvertRightToLeftW(s); }},
      {"ConvertLeftToRightW",
       [](const Args&, const std::u16string& s) { return ConvertLeftToRightW(s); }},
      {"AcadToEditDos",
       [](const Args& a, const std::u16string& s) { return AcadToEditDos(s, fontOf(a)); }},
      {"EditToacadDos",
       [](const Args& a, const std::u16string& s) { return EditToacadDos(s, fontOf(a)); }},
      {"AcadToEditWin",
       [](const Args& a, const std::u16string& s) { return AcadToEditWin(s, fontOf(a)); }},
      {"EditToacadWin",
       [](const Args& a, const std::u16string& s) {
         return EditToacadWin(s, fontOf(a), a.reverseTTF);
       }},
      {"AAcadToEditWin",
       [](const Args& a, const std::u16string& s) {
         return AAcadToEditWin(s, fontOf(a), a.rightToLeft, a.reverseTTF);
       }},
      {"fAcadToEditWinL", bytesTyped([](const Args& a, std::string s) {
         return fAcadToEditWinL(s, static_cast<std::int16_t>(a.type.value_or(0)),
                                a.backward ? 1 : 0, a.rightToLeft);
       })},
      // the wide forms, as the members call them; they agree with the byte
      // forms on the byte form's texts (conversion_properties_test)
      {"AcadToStr",
       [](const Args& a, const std::u16string& s) {
         return AcadToStr(std::u16string_view(s), typeOf(a), a.backward);
       }},
      {"StrToAcad",
       [](const Args& a, const std::u16string& s) {
         return StrToAcad(std::u16string_view(s), typeOf(a), a.backward);
       }},
  };
  return table;
}

std::string show(const std::u16string& s) {
  std::ostringstream out;
  for (char16_t c : s) {
    out << "U+" << std::hex << std::uppercase << std::setw(4) << std::setfill('0')
        << static_cast<unsigned>(c) << ' ';
  }
  return out.str();
}

// One case: false when the record does not parse or names no routine.
bool runCase(const test::CaseRecord& record) {
  const std::optional<Case> c = parseCase(record.text);
  if (!c) {
    ADD_FAILURE() << record.where << ": record does not parse";
    return false;
  }
  const auto routine = routines().find(c->routine);
  if (routine == routines().end()) {
    ADD_FAILURE() << record.where << ": unknown routine " << c->routine;
    return false;
  }
  const std::u16string actual = routine->second(c->args, c->input);
  EXPECT_EQ(actual, c->expected) << record.where << ": " << record.text << "\n  got "
                                 << show(actual);
  return true;
}

TEST(ConversionCases, EveryRecordOfTheDataFilesHolds) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VRN_TEST_DATA_DIR "/cases")) {
    if (entry.path().extension() == ".txt") {
      ++files;
      test::runCaseRecords(entry.path(), runCase);
    }
  }
  EXPECT_GT(files, 0) << "no case files in " << VRN_TEST_DATA_DIR "/cases";
}

}  // namespace
}  // namespace vrn::encoding
