#include "drawing/file_names.h"

#include <algorithm>

#include "ascii/letter_case.h"
#include "host/member_table.h"

namespace vrn::drawing {
namespace {

std::size_t lastSeparator(std::string_view path) { return path.find_last_of("/\\"); }

}  // namespace

std::string fileNameOf(std::string_view path) {
  const std::size_t at = lastSeparator(path);
  return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string folderOf(std::string_view path) {
  const std::size_t at = lastSeparator(path);
  return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

std::string fileSystemName(std::string_view path) {
  std::string name(path);
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

bool hasDxfExtension(std::string_view path) {
  return lowerAscii(fileNameOf(path)).ends_with(".dxf");
}

}  // namespace vrn::drawing
