#include "dxf/code_page_codec.h"

#include <unicode/ucnv.h>

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

namespace vrn::dxf {
namespace {

using ByteTable = std::array<char16_t, 256>;

struct CodePage {
  std::string_view dwgName;  // as $DWGCODEPAGE names it, upper case
  const char* icuName;
};

// The single-byte code pages AutoCAD names in $DWGCODEPAGE. The double-byte
// ones (ANSI_932, ANSI_936, ANSI_949, ANSI_950, ANSI_1361 ...) are not
// supported: a drawing in one of them cannot be opened before AC1021.
constexpr CodePage kCodePages[] = {
    {"ANSI_1250", "windows-1250"}, {"ANSI_1251", "windows-1251"}, {"ANSI_1252", "windows-1252"},
    {"ANSI_1253", "windows-1253"}, {"ANSI_1254", "windows-1254"}, {"ANSI_1255", "windows-1255"},
    {"ANSI_1256", "windows-1256"}, {"ANSI_1257", "windows-1257"}, {"ANSI_1258", "windows-1258"},
    {"ANSI_874", "windows-874"},   {"DOS437", "ibm-437"},         {"DOS850", "ibm-850"},
    {"DOS852", "ibm-852"},         {"DOS855", "ibm-855"},         {"DOS857", "ibm-857"},
    {"DOS860", "ibm-860"},         {"DOS861", "ibm-861"},         {"DOS862", "ibm-862"},
    {"DOS863", "ibm-863"},         {"DOS864", "ibm-864"},         {"DOS865", "ibm-865"},
    {"DOS866", "ibm-866"},         {"DOS869", "ibm-869"},         {"ISO8859-1", "ISO-8859-1"},
    {"ISO8859-2", "ISO-8859-2"},   {"ISO8859-3", "ISO-8859-3"},   {"ISO8859-4", "ISO-8859-4"},
    {"ISO8859-5", "ISO-8859-5"},   {"ISO8859-6", "ISO-8859-6"},   {"ISO8859-7", "ISO-8859-7"},
    {"ISO8859-8", "ISO-8859-8"},   {"ISO8859-9", "ISO-8859-9"},   {"ISO8859-10", "ISO-8859-10"},
    {"MACINTOSH", "macintosh"},    {"ASCII", "US-ASCII"},
};

// Bytes that ICU leaves undefined but Windows maps into the private use
// area. Windows' tables are what AutoCAD on Windows used to write these
// drawings, so they win.
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

// One byte through ICU, or nothing when ICU has no mapping for it.
std::optional<char16_t> icuUnit(UConverter* converter, unsigned char byte) {
  const char in = static_cast<char>(byte);
  UChar out[4];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter);
  const int32_t length = ucnv_toUChars(converter, out, 4, &in, 1, &status);
  if (U_FAILURE(status) || length != 1) return std::nullopt;
  return out[0];
}

// Bytes 0x00-0x7F are ASCII in every code page here (ICU's IBM tables swap
// a few control codes that Windows leaves alone); the rest comes from ICU,
// then Windows' private-use mappings, and an undefined byte keeps its value.
// Every byte must decode to a unit of its own, or it would not survive a
// save: in the few tables where a byte's unit is taken already (by ASCII or
// another byte), the byte gets U+F700 + byte, a private-use unit.
ByteTable buildTable(const CodePage& page) {
  std::array<std::optional<char16_t>, 256> defined{};
  for (unsigned b = 0; b < 0x80; ++b) defined[b] = static_cast<char16_t>(b);
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(page.icuName, &status);
  if (U_SUCCESS(status)) {
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    for (unsigned b = 0x80; b < 256; ++b) defined[b] = icuUnit(converter, static_cast<unsigned char>(b));
    ucnv_close(converter);
  }
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
  const char* icuName = nullptr;
  switch (page) {
    case '1': icuName = "windows-932"; break;
    case '2': icuName = "windows-950"; break;
    case '3': icuName = "windows-949"; break;
    case '5': icuName = "windows-936"; break;
    default: return std::nullopt;  // 4 (Johab) has no ICU converter
  }
  const unsigned code = hexValue(hex);
  const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(icuName, &status);
  if (U_FAILURE(status)) return std::nullopt;
  ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  UChar out[4];
  const int32_t length = ucnv_toUChars(converter, out, 4, bytes, 2, &status);
  ucnv_close(converter);
  if (U_FAILURE(status) || length != 1) return std::nullopt;
  return out[0];
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
      text += toUnit_[static_cast<unsigned char>(bytes[i])];
    }
    return text;
  }

  std::string encode(std::u16string_view text) const override {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t unit : text) {
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
