#include "dxf/code_page_codec.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/utf8.h"
#include "platform/windows_code_pages.h"

namespace vrn::dxf {
namespace {

using ByteTable = std::array<char16_t, 256>;

struct CodePage {
  std::string_view dwgName;  // as $DWGCODEPAGE names it, upper case
  unsigned windowsCodePage;
};

// The single-byte code pages AutoCAD names in $DWGCODEPAGE. The double-byte
// ones (ANSI_932, ANSI_936, ANSI_949, ANSI_950, ANSI_1361 ...) are not
// supported: a drawing in one of them cannot be opened before AC1021.
constexpr CodePage kCodePages[] = {
    {"ANSI_1250", 1250},   {"ANSI_1251", 1251},  {"ANSI_1252", 1252},  {"ANSI_1253", 1253},
    {"ANSI_1254", 1254},   {"ANSI_1255", 1255},  {"ANSI_1256", 1256},  {"ANSI_1257", 1257},
    {"ANSI_1258", 1258},   {"ANSI_874", 874},    {"DOS437", 437},      {"DOS850", 850},
    {"DOS852", 852},       {"DOS855", 855},      {"DOS857", 857},      {"DOS860", 860},
    {"DOS861", 861},       {"DOS862", 862},      {"DOS863", 863},      {"DOS864", 864},
    {"DOS865", 865},       {"DOS866", 866},      {"DOS869", 869},      {"ISO8859-1", 28591},
    {"ISO8859-2", 28592},  {"ISO8859-3", 28593}, {"ISO8859-4", 28594}, {"ISO8859-5", 28595},
    {"ISO8859-6", 28596},  {"ISO8859-7", 28597}, {"ISO8859-8", 28598}, {"ISO8859-9", 28599},
    {"ISO8859-10", 28600}, {"MACINTOSH", 10000}, {"ASCII", 20127},
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

// Bytes 0x00-0x7F are ASCII in every code page here (ICU's IBM tables swap
// a few control codes that Windows leaves alone); the rest comes from the
// system's code page, then Windows' private-use mappings, and an undefined
// byte keeps its value.
// Every byte must decode to a unit of its own, or it would not survive a
// save: in the few tables where a byte's unit is taken already (by ASCII or
// another byte), the byte gets U+F700 + byte, a private-use unit.
ByteTable buildTable(const CodePage& page) {
  platform::SingleByteTable defined = platform::singleByteTable(page.windowsCodePage);
  for (unsigned b = 0; b < 0x80; ++b) defined[b] = static_cast<char16_t>(b);
  for (const auto& extra : kWindowsPrivateUse) {
    if (extra.dwgName == page.dwgName) defined[extra.byte] = extra.unit;
  }
  ByteTable table{};
  std::set<char16_t> taken;
  for (unsigned b = 0; b < 256; ++b) {
    if (defined[b] && taken.insert(*defined[b]).second) table[b] = *defined[b];
  }
  for (unsigned b = 0x80; b < 256; ++b) {
    if (defined[b] && table[b] == *defined[b]) continue;
    const auto own = static_cast<char16_t>(b);
    table[b] = taken.insert(own).second ? own : static_cast<char16_t>(0xF700 + b);
  }
  return table;
}

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

unsigned hexValue(std::string_view digits) {
  unsigned value = 0;
  for (char c : digits) {
    const unsigned d = c <= '9' ? static_cast<unsigned>(c - '0')
                                : static_cast<unsigned>((c | 0x20) - 'a' + 10);
    value = value * 16 + d;
  }
  return value;
}

// "\M+nXXXX": a double-byte character of an East Asian code page, written
// by AutoCAD for drawings whose code page lacks it.
std::optional<char16_t> decodeMif(char page, std::string_view hex) {
  unsigned codePage = 0;
  switch (page) {
    case '1': codePage = 932; break;
    case '2': codePage = 950; break;
    case '3': codePage = 949; break;
    case '5': codePage = 936; break;
    default: return std::nullopt;  // 4 (Johab): ICU has none, so no platform reads it
  }
  const unsigned code = hexValue(hex);
  return platform::doubleByteCharacter(codePage, static_cast<unsigned char>(code >> 8),
                                       static_cast<unsigned char>(code & 0xFF));
}

class CodePageCodec final : public drawing::TextCodec {
 public:
  explicit CodePageCodec(const ByteTable& table) : toUnit_(table) {
    for (unsigned b = 0x80; b < 256; ++b) {
      toByte_.emplace_back(table[b], static_cast<unsigned char>(b));
    }
    std::sort(toByte_.begin(), toByte_.end());
  }

  std::u16string decode(std::string_view bytes) const override {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\\' && i + 2 < bytes.size() && bytes[i + 2] == '+') {
        if (auto unit = escapeAt(bytes, i)) {
          text += *unit;
          i += bytes[i + 1] == 'U' ? 6u : 7u;
          continue;
        }
      }
      if (bytes[i] == '^' && i + 1 < bytes.size()) {
        if (const auto control = drawing::caretCharacter(bytes[i + 1])) {
          text += *control;
          ++i;
          continue;
        }
      }
      text += toUnit_[static_cast<unsigned char>(bytes[i])];
    }
    return text;
  }

  std::string encode(std::u16string_view text) const override {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t unit : text) {
      if (drawing::appendCaretForm(unit, bytes)) continue;
      if (auto byte = byteOf(unit)) {
        bytes += static_cast<char>(*byte);
      } else {
        static constexpr char kHex[] = "0123456789ABCDEF";
        bytes += "\\U+";
        for (int shift = 12; shift >= 0; shift -= 4) bytes += kHex[static_cast<unsigned>(unit >> shift) & 0xFu];
      }
    }
    return bytes;
  }

 private:
  std::optional<unsigned char> byteOf(char16_t unit) const {
    if (unit < 0x80) return static_cast<unsigned char>(unit);
    auto it = std::lower_bound(toByte_.begin(), toByte_.end(), std::pair{unit, static_cast<unsigned char>(0)});
    if (it == toByte_.end() || it->first != unit) return std::nullopt;
    return it->second;
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
  std::vector<std::pair<char16_t, unsigned char>> toByte_;
};

std::string upperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

}  // namespace

std::shared_ptr<const drawing::TextCodec> codePageCodec(std::string_view dwgCodePage) {
  const std::string name = upperCase(dwgCodePage);
  const auto page = std::find_if(std::begin(kCodePages), std::end(kCodePages),
                                 [&](const CodePage& p) { return p.dwgName == name; });
  if (page == std::end(kCodePages)) return nullptr;

  // Tables are built on first use and shared by every drawing.
  static std::mutex mutex;
  static std::map<std::string_view, std::shared_ptr<const drawing::TextCodec>> codecs;
  const std::lock_guard lock(mutex);
  auto& codec = codecs[page->dwgName];
  if (!codec) codec = std::make_shared<const CodePageCodec>(buildTable(*page));
  return codec;
}

std::shared_ptr<const drawing::TextCodec> drawingCodec(std::string_view acadVer,
                                                       std::string_view dwgCodePage) {
  if (acadVer >= "AC1021") return drawing::utf8Codec();
  return codePageCodec(dwgCodePage);
}

}  // namespace vrn::dxf
