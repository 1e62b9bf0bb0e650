#include "dxf/code_page_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ascii/letter_case.h"
#include "platform/windows_code_pages.h"

namespace vrn::dxf {
namespace {

using ByteTable = std::array<char16_t, 256>;

struct CodePage {
  std::string_view dwgName;  // as $DWGCODEPAGE names it, upper case
  unsigned windowsCodePage;
  bool doubleByte;
};

// The code pages AutoCAD names in $DWGCODEPAGE.
constexpr CodePage kCodePages[] = {
    {"ANSI_1250", 1250, false},  {"ANSI_1251", 1251, false},  {"ANSI_1252", 1252, false},
    {"ANSI_1253", 1253, false},  {"ANSI_1254", 1254, false},  {"ANSI_1255", 1255, false},
    {"ANSI_1256", 1256, false},  {"ANSI_1257", 1257, false},  {"ANSI_1258", 1258, false},
    {"ANSI_874", 874, false},    {"DOS437", 437, false},      {"DOS850", 850, false},
    {"DOS852", 852, false},      {"DOS855", 855, false},      {"DOS857", 857, false},
    {"DOS860", 860, false},      {"DOS861", 861, false},      {"DOS862", 862, false},
    {"DOS863", 863, false},      {"DOS864", 864, false},      {"DOS865", 865, false},
    {"DOS866", 866, false},      {"DOS869", 869, false},      {"ISO8859-1", 28591, false},
    {"ISO8859-2", 28592, false}, {"ISO8859-3", 28593, false}, {"ISO8859-4", 28594, false},
    {"ISO8859-5", 28595, false}, {"ISO8859-6", 28596, false}, {"ISO8859-7", 28597, false},
    {"ISO8859-8", 28598, false}, {"ISO8859-9", 28599, false}, {"ISO8859-10", 28600, false},
    {"MACINTOSH", 10000, false}, {"ASCII", 20127, false},     {"ANSI_932", 932, true},
    {"DOS932", 932, true},       {"ANSI_936", 936, true},     {"ANSI_949", 949, true},
    {"ANSI_950", 950, true},     {"ANSI_1361", 1361, true},
};

// Bytes that ICU (the POSIX side) leaves undefined but Windows maps into
// the private use area. Windows' tables are what AutoCAD on Windows used to
// write these drawings, so they win.
struct PrivateUseByte {
  std::string_view dwgName;
  unsigned char byte;
  char16_t unit;
};
constexpr PrivateUseByte kWindowsPrivateUse[] = {
    {"ANSI_1253", 0xAA, 0xF8F9}, {"ANSI_1253", 0xD2, 0xF8FA}, {"ANSI_1253", 0xFF, 0xF8FB},
    {"ANSI_1255", 0xCA, 0x05BA}, {"ANSI_1255", 0xD9, 0xF88D}, {"ANSI_1255", 0xDA, 0xF88E},
    {"ANSI_1255", 0xDB, 0xF88F}, {"ANSI_1255", 0xDC, 0xF890}, {"ANSI_1255", 0xDD, 0xF891},
    {"ANSI_1255", 0xDE, 0xF892}, {"ANSI_1255", 0xDF, 0xF893}, {"ANSI_1255", 0xFB, 0xF894},
    {"ANSI_1255", 0xFC, 0xF895}, {"ANSI_1255", 0xFF, 0xF896}, {"ANSI_1257", 0xA1, 0xF8FC},
    {"ANSI_1257", 0xA5, 0xF8FD},
};

// A character's bytes: one byte as itself, a lead and trail byte pair as
// lead << 8 | trail (leads are 0x80 and above).
using Bytes = std::uint16_t;

bool isPair(Bytes bytes) { return bytes >= 0x100; }

// What a codec reads and writes, built once per code page.
struct Mapping {
  ByteTable single{};  // each byte standing alone
  // Double-byte pages: by lead << 8 | trail, 0 where the pair is no character.
  std::vector<char16_t> pairs;
  // The system's own bytes for a unit, where they read back as that unit.
  std::map<char16_t, Bytes> preferred;
};

// Bytes 0x00-0x7F are ASCII in every code page here (ICU's IBM tables swap
// a few control codes that Windows leaves alone, and iconv's Johab puts the
// won sign at the backslash, which DXF needs for its escapes); the
// rest comes from the system's code page, then Windows' private-use
// mappings, and an undefined byte (a lead byte whose pair is undefined
// among them) keeps its value.
// Every byte must decode to a unit of its own, or it would not survive a
// save: where a byte's unit is taken already (by ASCII, another byte or a
// pair), the byte gets U+F700 + byte, a private-use unit, or when a pair
// has that too, U+DC00 + byte, a lone surrogate no code page gives.
ByteTable singleTable(const CodePage& page, platform::SingleByteTable defined,
                      std::set<char16_t> taken) {
  for (unsigned b = 0; b < 0x80; ++b) defined[b] = static_cast<char16_t>(b);
  for (const auto& extra : kWindowsPrivateUse) {
    if (extra.dwgName == page.dwgName) defined[extra.byte] = extra.unit;
  }
  ByteTable table{};
  std::array<bool, 256> own{};
  for (unsigned b = 0; b < 256; ++b) {
    own[b] = defined[b] && taken.insert(*defined[b]).second;
    if (own[b]) table[b] = *defined[b];
  }
  for (unsigned b = 0x80; b < 256; ++b) {
    if (own[b]) continue;
    for (const unsigned candidate : {b, 0xF700 + b, 0xDC00 + b}) {
      if (taken.insert(static_cast<char16_t>(candidate)).second) {
        table[b] = static_cast<char16_t>(candidate);
        break;
      }
    }
  }
  return table;
}

Mapping singleByteMapping(const CodePage& page) {
  Mapping mapping;
  mapping.single = singleTable(page, platform::singleByteTable(page.windowsCodePage), {});
  return mapping;
}

Mapping doubleByteMapping(const CodePage& page) {
  const platform::DoubleByteTable table = platform::doubleByteTable(page.windowsCodePage);
  Mapping mapping;
  mapping.pairs.assign(0x10000, 0);
  std::set<char16_t> taken;
  for (unsigned pair = 0x8000; pair < 0x10000; ++pair) {
    if (!table.pairs[pair]) continue;
    mapping.pairs[pair] = *table.pairs[pair];
    taken.insert(*table.pairs[pair]);
  }
  mapping.single = singleTable(page, table.bytes, std::move(taken));
  for (unsigned unit = 0x80; unit < 0x10000; ++unit) {
    const auto bytes = table.units[unit];
    if (!bytes) continue;
    const char16_t readBack = isPair(*bytes) ? mapping.pairs[*bytes] : mapping.single[*bytes];
    if (readBack == unit) mapping.preferred.emplace(static_cast<char16_t>(unit), *bytes);
  }
  return mapping;
}

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

unsigned hexValue(std::string_view digits) {
  unsigned value = 0;
  for (char c : digits) {
    const unsigned d =
        c <= '9' ? static_cast<unsigned>(c - '0') : static_cast<unsigned>((c | 0x20) - 'a' + 10);
    value = value * 16 + d;
  }
  return value;
}

void appendEscape(char16_t unit, std::string& bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  bytes += "\\U+";
  for (int shift = 12; shift >= 0; shift -= 4)
    bytes += kHex[static_cast<unsigned>(unit >> shift) & 0xFu];
}

std::optional<char16_t> decodeMif(char page, std::string_view hex);

class CodePageCodec final : public drawing::TextCodec {
 public:
  explicit CodePageCodec(Mapping mapping)
      : toUnit_(mapping.single), pairs_(std::move(mapping.pairs)) {
    std::map<char16_t, Bytes> toBytes = std::move(mapping.preferred);
    for (unsigned b = 0x80; b < 256; ++b) toBytes.emplace(toUnit_[b], static_cast<Bytes>(b));
    for (unsigned pair = 0; pair < pairs_.size(); ++pair) {
      if (pairs_[pair] == 0) continue;
      lead_[pair >> 8] = true;
      toBytes.emplace(pairs_[pair], static_cast<Bytes>(pair));
    }
    toBytes_.assign(toBytes.begin(), toBytes.end());
  }

  std::u16string decode(std::string_view bytes) const override {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
      const Character character = characterAt(bytes, i);
      text += character.unit;
      i += character.length;
    }
    return text;
  }

  std::size_t fittingLength(std::string_view bytes, std::size_t limit) const override {
    std::size_t end = 0;
    while (end < bytes.size()) {
      const std::size_t next = end + characterAt(bytes, end).length;
      if (next > limit) break;
      end = next;
    }
    return end;
  }

  // A lead byte that stands alone (its pair undefined when read) would join
  // the byte after it into a pair: then it is written as an escape.
  std::string encode(std::u16string_view text) const override {
    std::string bytes;
    bytes.reserve(text.size());
    std::optional<std::pair<std::size_t, char16_t>> loneLead;
    for (char16_t unit : text) {
      const std::size_t start = bytes.size();
      append(unit, bytes);
      const bool alone =
          bytes.size() == start + 1 && lead_[static_cast<unsigned char>(bytes[start])];
      if (loneLead && pairUnit(static_cast<unsigned char>(bytes[loneLead->first]),
                               static_cast<unsigned char>(bytes[start])) != 0) {
        std::string escape;
        appendEscape(loneLead->second, escape);
        bytes.replace(loneLead->first, 1, escape);
      }
      loneLead.reset();
      if (alone) loneLead.emplace(bytes.size() - 1, unit);
    }
    return bytes;
  }

  // The unit of a lead and trail byte pair, or 0.
  char16_t pairUnit(unsigned char lead, unsigned char trail) const {
    return pairs_.empty() ? 0 : pairs_[(static_cast<std::size_t>(lead) << 8) | trail];
  }

 private:
  void append(char16_t unit, std::string& bytes) const {
    if (drawing::appendCaretForm(unit, bytes)) return;
    if (unit < 0x80) {
      bytes += static_cast<char>(unit);
      return;
    }
    const auto it = std::lower_bound(toBytes_.begin(), toBytes_.end(), std::pair{unit, Bytes{0}});
    if (it == toBytes_.end() || it->first != unit) {
      appendEscape(unit, bytes);
      return;
    }
    if (isPair(it->second)) bytes += static_cast<char>(it->second >> 8);
    bytes += static_cast<char>(it->second & 0xFF);
  }

  struct Character {
    char16_t unit;
    std::size_t length;  // of its bytes
  };

  // The character whose bytes start at `at`: a lead and trail byte pair, an
  // escape, a caret notation or a byte.
  Character characterAt(std::string_view bytes, std::size_t at) const {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    const bool hasNext = at + 1 < bytes.size();
    if (lead_[byte] && hasNext) {
      if (const char16_t unit = pairUnit(byte, static_cast<unsigned char>(bytes[at + 1])))
        return {unit, 2};
    }
    if (byte == '\\' && at + 2 < bytes.size() && bytes[at + 2] == '+') {
      if (const auto unit = escapeAt(bytes, at)) return {*unit, bytes[at + 1] == 'U' ? 7u : 8u};
    }
    if (byte == '^' && hasNext) {
      if (const auto control = drawing::caretCharacter(bytes[at + 1])) return {*control, 2};
    }
    return {toUnit_[byte], 1};
  }

  // The character of a "\U+XXXX" or "\M+nXXXX" escape at `at`.
  static std::optional<char16_t> escapeAt(std::string_view bytes, std::size_t at) {
    const char kind = bytes[at + 1];
    if (kind == 'U') {
      if (at + 7 > bytes.size()) return std::nullopt;
      const std::string_view hex = bytes.substr(at + 3, 4);
      if (!std::all_of(hex.begin(), hex.end(), isHexDigit)) return std::nullopt;
      return static_cast<char16_t>(hexValue(hex));
    }
    if (kind == 'M') {
      if (at + 8 > bytes.size()) return std::nullopt;
      const std::string_view hex = bytes.substr(at + 4, 4);
      if (!std::all_of(hex.begin(), hex.end(), isHexDigit)) return std::nullopt;
      return decodeMif(bytes[at + 3], hex);
    }
    return std::nullopt;
  }

  ByteTable toUnit_;
  std::vector<char16_t> pairs_;
  std::array<bool, 256> lead_{};
  std::vector<std::pair<char16_t, Bytes>> toBytes_;  // units 0x80 and above, sorted
};

// Tables are built on first use and shared by every drawing.
std::shared_ptr<const CodePageCodec> codecOf(const CodePage& page) {
  static std::mutex mutex;
  static std::map<std::string_view, std::shared_ptr<const CodePageCodec>> codecs;
  const std::lock_guard lock(mutex);
  auto& codec = codecs[page.dwgName];
  if (!codec) {
    codec = std::make_shared<const CodePageCodec>(page.doubleByte ? doubleByteMapping(page)
                                                                  : singleByteMapping(page));
  }
  return codec;
}

// "\M+nXXXX": a double-byte character of an East Asian code page, written
// by AutoCAD for drawings whose code page lacks it.
std::optional<char16_t> decodeMif(char page, std::string_view hex) {
  const std::string_view names[] = {"ANSI_932", "ANSI_950", "ANSI_949", "ANSI_1361", "ANSI_936"};
  if (page < '1' || page > '5') return std::nullopt;
  const std::string_view name = names[page - '1'];
  const auto codePage = std::find_if(std::begin(kCodePages), std::end(kCodePages),
                                     [&](const CodePage& p) { return p.dwgName == name; });
  const unsigned code = hexValue(hex);
  const char16_t unit = codecOf(*codePage)->pairUnit(static_cast<unsigned char>(code >> 8),
                                                     static_cast<unsigned char>(code & 0xFF));
  if (unit == 0) return std::nullopt;
  return unit;
}

}  // namespace

std::shared_ptr<const drawing::TextCodec> codePageCodec(std::string_view dwgCodePage) {
  const std::string name = upperAscii(dwgCodePage);
  const auto page = std::find_if(std::begin(kCodePages), std::end(kCodePages),
                                 [&](const CodePage& p) { return p.dwgName == name; });
  if (page == std::end(kCodePages)) return nullptr;
  return codecOf(*page);
}

std::shared_ptr<const drawing::TextCodec> drawingCodec(std::string_view acadVer,
                                                       std::string_view dwgCodePage) {
  if (acadVer >= "AC1021") return drawing::utf8Codec();
  return codePageCodec(dwgCodePage);
}

}  // namespace vrn::dxf
