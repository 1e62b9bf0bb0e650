#include "encoding/char_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "encoding/reorder.h"
#include "encoding/reversal.h"
#include "platform/code_page.h"

namespace vrn::encoding {
namespace {

using ByteMap = std::array<unsigned char, 256>;

constexpr unsigned char kDosAlef = 0x80;
constexpr unsigned char kDosTav = 0x9A;
constexpr unsigned char kWinAlef = 0xE0;
constexpr unsigned char kWinTav = 0xFA;
constexpr char16_t kDosToUnicodeOffset = 0x550;
constexpr char16_t kUnicodeAlef = kDosAlef + kDosToUnicodeOffset;
constexpr char16_t kUnicodeTav = kDosTav + kDosToUnicodeOffset;

// The keys of the 27 letters, alef to tav.
constexpr std::string_view kLetterKeys = "tcdsvuzjyhlfkonibxg;p.mera,";

struct PunctuationKey {
  char key;
  char dos;
  char win;
};
constexpr std::array<PunctuationKey, 4> kPunctuationKeys = {{
    {'\'', ',', ','},
    {'/', '.', '.'},
    {'q', '/', '\\'},
    {'w', '\'', '\''},
}};

constexpr ByteMap identityMap() {
  ByteMap map{};
  for (std::size_t i = 0; i < map.size(); ++i) {
    map[i] = static_cast<unsigned char>(i);
  }
  return map;
}

constexpr unsigned char byteOf(char c) { return static_cast<unsigned char>(c); }

enum class Side { Dos, Win };

constexpr ByteMap keysToLetters(Side side) {
  ByteMap map = identityMap();
  const unsigned char alef = side == Side::Dos ? kDosAlef : kWinAlef;
  for (std::size_t n = 0; n < kLetterKeys.size(); ++n) {
    map[byteOf(kLetterKeys[n])] = static_cast<unsigned char>(alef + n);
  }
  for (const PunctuationKey& p : kPunctuationKeys) {
    map[byteOf(p.key)] = byteOf(side == Side::Dos ? p.dos : p.win);
  }
  return map;
}

constexpr ByteMap lettersToKeys(Side side) {
  ByteMap map = identityMap();
  const unsigned char alef = side == Side::Dos ? kDosAlef : kWinAlef;
  for (const PunctuationKey& p : kPunctuationKeys) {
    map[byteOf(side == Side::Dos ? p.dos : p.win)] = byteOf(p.key);
  }
  for (std::size_t n = 0; n < kLetterKeys.size(); ++n) {
    map[alef + n] = byteOf(kLetterKeys[n]);
  }
  return map;
}

constexpr ByteMap shiftRange(unsigned char first, unsigned char last, int by) {
  ByteMap map = identityMap();
  for (std::size_t b = first; b <= last; ++b) {
    map[b] = static_cast<unsigned char>(static_cast<int>(b) + by);
  }
  return map;
}

constexpr ByteMap kEngToDosMap = keysToLetters(Side::Dos);
constexpr ByteMap kEngToWinMap = keysToLetters(Side::Win);
constexpr ByteMap kDosToEngMap = lettersToKeys(Side::Dos);
constexpr ByteMap kWinToEngMap = lettersToKeys(Side::Win);
constexpr ByteMap kDosToWinMap = shiftRange(kDosAlef, kDosTav, kWinAlef - kDosAlef);
constexpr ByteMap kWinToDosMap = shiftRange(kWinAlef, kWinTav, kDosAlef - kWinAlef);

std::string applyMap(const ByteMap& map, std::string s) {
  for (char& c : s) {
    c = static_cast<char>(map[byteOf(c)]);
  }
  return s;
}

bool inRange(unsigned c, unsigned first, unsigned last) { return c >= first && c <= last; }

struct ByteRange {
  unsigned first;
  unsigned last;
};

// The bytes that are Hebrew letters in the layout of ft.
std::optional<ByteRange> hebrewBytes(fntType ft) {
  switch (ft) {
    case fntType::DosHebrew:
      return ByteRange{kDosAlef, kDosTav};
    case fntType::DosEnglish:
    case fntType::DosEnglishR:
      return ByteRange{0x60, 0x7A};  // the back-quote and a-z
    case fntType::WindowsHeb:
    case fntType::TrueType:
      return ByteRange{kWinAlef, kWinTav};
  }
  return std::nullopt;
}

bool holdsNoByteIn(std::string_view s, ByteRange range) {
  return std::none_of(s.begin(), s.end(),
                      [range](char c) { return inRange(byteOf(c), range.first, range.last); });
}

template <typename Text>
Text mirrorIn(Text s) {
  for (auto& c : s) {
    switch (c) {
      case '(':
        c = ')';
        break;
      case ')':
        c = '(';
        break;
      case '<':
        c = '>';
        break;
      case '>':
        c = '<';
        break;
      default:
        break;
    }
  }
  return s;
}

}  // namespace

std::string byteForm(std::u16string_view wide) { return platform::toByteForm(wide); }
std::u16string wideForm(std::string_view bytes) { return platform::fromByteForm(bytes); }

std::string DosToWin(std::string s) { return applyMap(kDosToWinMap, std::move(s)); }
std::string WinToDos(std::string s) { return applyMap(kWinToDosMap, std::move(s)); }

std::u16string DosToUni(std::u16string_view s) {
  const std::string bytes = byteForm(s);
  std::u16string result(s);
  for (std::size_t i = 0; i < result.size(); ++i) {
    const unsigned byte = byteOf(bytes[i]);
    if (inRange(result[i], kDosAlef, kDosTav)) {
      result[i] = static_cast<char16_t>(result[i] + kDosToUnicodeOffset);
    } else if (inRange(byte, kDosAlef, kDosTav)) {
      result[i] = static_cast<char16_t>(byte + kDosToUnicodeOffset);
    }
  }
  return result;
}

std::string EngToDos(std::string s) { return applyMap(kEngToDosMap, std::move(s)); }
std::string EngToWin(std::string s) { return applyMap(kEngToWinMap, std::move(s)); }
char DosToEngChar(char c) { return static_cast<char>(kDosToEngMap[byteOf(c)]); }
std::string DosToEng(std::string s) { return applyMap(kDosToEngMap, std::move(s)); }
std::string WinToEng(std::string s) { return applyMap(kWinToEngMap, std::move(s)); }

bool isEnglishOnly(std::u16string_view s, fntType ft) {
  if (ft == fntType::TrueType) {
    return std::none_of(s.begin(), s.end(),
                        [](char16_t u) { return inRange(u, kUnicodeAlef, kUnicodeTav); });
  }
  const std::optional<ByteRange> range = hebrewBytes(ft);
  return !range || holdsNoByteIn(byteForm(s), *range);
}

bool IsEnglishOnlyBytes(std::string_view s, fntType ft) {
  if (ft == fntType::DosEnglish || ft == fntType::DosEnglishR) {
    return true;
  }
  const std::optional<ByteRange> range = hebrewBytes(ft);
  return !range || holdsNoByteIn(s, *range);
}

std::string mirrorBrackets(std::string s) { return mirrorIn(std::move(s)); }
std::u16string mirrorBrackets(std::u16string s) { return mirrorIn(std::move(s)); }

std::u16string cDosToWin(std::u16string_view s) { return wideForm(FixRuns(RevStr(byteForm(s)))); }

std::u16string cWinToDos(std::u16string_view s) { return wideForm(RevStr(FixRuns(byteForm(s)))); }

}  // namespace vrn::encoding
