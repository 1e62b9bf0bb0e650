#include "encoding/text_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "host/utf8.h"
#include "platform/code_page.h"
#include "platform/disk_flush.h"

namespace vrn::encoding {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

unsigned byteAt(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool validUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const unsigned lead = byteAt(bytes, i);
    std::size_t extra = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + extra >= bytes.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const unsigned next = byteAt(bytes, i + k);
      if (next < (k == 1 ? low : 0x80u) || next > (k == 1 ? high : 0xBFu)) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::u16string utf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned first = byteAt(bytes, i);
    const unsigned second = byteAt(bytes, i + 1);
    text += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return text;
}

std::vector<std::u16string> splitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::runtime_error fileError(const char* what, const fs::path& file) {
  return std::runtime_error(std::string(what) + " " + file.string());
}

}  // namespace

std::u16string decodeTextFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return utf8ToUtf16(bytes.substr(kUtf8Mark.size()));
  if (bytes.starts_with(kUtf16LeMark)) return utf16(bytes.substr(kUtf16LeMark.size()), false);
  if (bytes.starts_with(kUtf16BeMark)) return utf16(bytes.substr(kUtf16BeMark.size()), true);
  if (validUtf8(bytes)) return utf8ToUtf16(bytes);
  return platform::fromByteForm(bytes);
}

std::vector<std::u16string> readTextLines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw fileError("Cannot read", file);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw fileError("Cannot read", file);
  return splitLines(decodeTextFile(bytes));
}

void writeTextLines(const fs::path& file, const std::vector<std::u16string>& lines) {
  std::string bytes(kUtf8Mark);
  for (const std::u16string& line : lines) bytes += utf16ToUtf8(line) + "\r\n";
  fs::path temp = file;
  temp += ".vrn-tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out || !platform::flushFileToDisk(temp).empty()) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      throw fileError("Cannot write", file);
    }
  }
  std::error_code error;
  fs::rename(temp, file, error);
  if (error) {
    fs::remove(temp, error);
    throw fileError("Cannot write", file);
  }
  platform::flushFolderToDisk(file.parent_path().empty() ? fs::path(".") : file.parent_path());
}

}  // namespace vrn::encoding
