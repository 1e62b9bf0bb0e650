#include "library/browser/text_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "host/utf8.h"
#include "platform/code_page.h"

namespace vrn::library {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::u16string fromUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(bigEndian ? static_cast<char16_t>(first << 8 | second)
                             : static_cast<char16_t>(second << 8 | first));
  }
  return text;
}

}  // namespace

std::u16string readTextFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot open " + file.string());
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string_view view(bytes);
  if (view.starts_with(kUtf8Bom)) return utf8ToUtf16(view.substr(kUtf8Bom.size()));
  if (view.starts_with("\xFF\xFE")) return fromUtf16(view.substr(2), false);
  if (view.starts_with("\xFE\xFF")) return fromUtf16(view.substr(2), true);
  return platform::fromByteForm(view);
}

void writeTextFile(const std::filesystem::path& file, std::u16string_view text) {
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << kUtf8Bom << utf16ToUtf8(text);
    if (!out.flush()) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw std::runtime_error("Cannot write " + file.string());
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw std::runtime_error("Cannot write " + file.string());
  }
}

}  // namespace vrn::library
