#include "encoding/font_conversion.h"

#include <gtest/gtest.h>

#include "encoding/char_tables.h"
#include "encoding/conversions.h"

namespace vrn::encoding {
namespace {

constexpr auto Dos = fntType::DosHebrew;
constexpr auto Eng = fntType::DosEnglish;
constexpr auto EngR = fntType::DosEnglishR;
constexpr auto Win = fntType::WindowsHeb;
constexpr auto TT = fntType::TrueType;

// Alef then bet, stored in each layout, with a Latin letter after them.
const std::string kDos = "\x80\x81Z";
const std::string kEng = "tcZ";
const std::string kWin = "\xE0\xE1Z";

struct FntCase {
  std::string in;
  fntType a;
  bool ab;
  fntType b;
  bool bb;
  std::string out;
};

class ConvertFntTypeCells : public testing::TestWithParam<FntCase> {};

TEST_P(ConvertFntTypeCells, GivesTheStoredFormOfTheTarget) {
  const FntCase& c = GetParam();
  EXPECT_EQ(ConvertFntType(c.in, c.a, c.ab, c.b, c.bb), c.out);
  EXPECT_EQ(ConvertFntTypeW(wideForm(c.in), c.a, c.ab, c.b, c.bb), wideForm(c.out));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertFntTypeCells,
    testing::Values(
        FntCase{kDos, Dos, false, Dos, false, kDos}, FntCase{kDos, Dos, false, Eng, false, kEng},
        FntCase{kDos, Dos, false, EngR, false, "Zct"}, FntCase{kDos, Dos, false, Win, false, kWin},
        FntCase{kEng, Eng, false, Dos, false, kDos},
        FntCase{kEng, EngR, false, Dos, false, "Z\x81\x80"},
        FntCase{kEng, Eng, false, EngR, false, "Zct"},
        FntCase{kEng, EngR, false, EngR, false, kEng}, FntCase{kEng, Eng, false, Win, false, kWin},
        FntCase{kWin, Win, false, Dos, false, kDos}, FntCase{kWin, Win, false, Eng, false, kEng},
        FntCase{kWin, Win, false, EngR, false, "Zct"}, FntCase{kWin, Win, false, Win, false, kWin},
        // A different backward flag reverses first, same type or not.
        FntCase{kWin, Win, true, Win, false, "Z\xE1\xE0"},
        FntCase{kWin, Win, false, Dos, true, "Z\x81\x80"},
        // TrueType never is a target.
        FntCase{kWin, Win, false, TT, false, ""}, FntCase{kDos, Dos, false, TT, true, ""}));

struct RemapCase {
  std::string in;
  fntType a;
  fntType b;
  std::string out;
};

class RemapLettersCells : public testing::TestWithParam<RemapCase> {};

TEST_P(RemapLettersCells, ChangesLetterCodesOnly) {
  const RemapCase& c = GetParam();
  EXPECT_EQ(RemapLetters(wideForm(c.in), c.a, c.b), wideForm(c.out));
}

INSTANTIATE_TEST_SUITE_P(
    Table, RemapLettersCells,
    testing::Values(RemapCase{kDos, Dos, Dos, kDos}, RemapCase{kDos, Dos, Eng, kEng},
                    RemapCase{kDos, Dos, Win, kWin}, RemapCase{kEng, Eng, Dos, kDos},
                    RemapCase{kEng, EngR, Dos, kDos}, RemapCase{kEng, Eng, Eng, kEng},
                    RemapCase{kEng, EngR, Win, kWin}, RemapCase{kWin, Win, Dos, kDos},
                    RemapCase{kWin, Win, Eng, kEng}, RemapCase{kWin, Win, Win, kWin},
                    RemapCase{kWin, TT, Dos, kWin}, RemapCase{kWin, TT, Eng, kWin},
                    RemapCase{kDos, Dos, EngR, kDos}, RemapCase{kDos, Dos, TT, kDos}));

// Whatever the pair of types and flags, the converted text reads as the
// original did.
TEST(ConvertFntTypeW, KeepsWhatAReaderReads) {
  const std::u16string word = u"\u05E9\u05DC\u05D5\u05DD 12";  // shalom 12
  for (const fntType a : {Dos, Eng, EngR, Win}) {
    for (const fntType b : {Dos, Eng, EngR, Win}) {
      for (const bool ab : {false, true}) {
        for (const bool bb : {false, true}) {
          const std::u16string stored = EditToacadWin(word, {a, ab}, false);
          const std::u16string out = ConvertFntTypeW(stored, a, ab, b, bb);
          EXPECT_EQ(AcadToEditWin(out, {b, bb}), word)
              << int(a) << (ab ? "b" : "") << " -> " << int(b) << (bb ? "b" : "");
        }
      }
    }
  }
}

TEST(ConvertFntTypeW, ReadsDosLettersInAWindowsStyleAsDos) {
  EXPECT_EQ(ConvertFntTypeW(wideForm(kDos), Win, false, Eng, false), wideForm(kEng));
}

}  // namespace
}  // namespace vrn::encoding
