#pragma once
// The plain text files the library editor loads and saves. A file is read
// in the encoding its byte-order mark names (UTF-8, UTF-16 LE or BE), else
// as Windows-1255. Saving writes UTF-8 with a byte-order mark, so that no
// character of the editor is lost, through a temporary file renamed over
// the target.

#include <filesystem>
#include <string>

namespace vrn::library {

std::u16string readTextFile(const std::filesystem::path& file);
void writeTextFile(const std::filesystem::path& file, std::u16string_view text);

}  // namespace vrn::library
