#include "encoding/text_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "host/utf8.h"
#include "platform/disk_flush.h"
#include "platform/text_encoding.h"

namespace vrn::encoding {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

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

std::u16string decodeTextFile(std::string_view bytes) { return platform::decodeText(bytes).text; }

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
