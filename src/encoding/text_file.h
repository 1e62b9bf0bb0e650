#pragma once
// The editors' and the library's text files ("Import from file", "Export to
// file", "Load from file", "Save to file"): lines of
// Hebrew text that must come back as they went out, also from files that
// other programs wrote.
//
//   written  UTF-8 with a byte-order mark, every line ended by CR LF, into
//            a new file renamed over the old one (a failure leaves the old
//            file whole);
//   read     as platform/text_encoding.h tells the form: by the byte-order
//            mark (UTF-8, UTF-16 LE or BE); without one as UTF-16 by its NUL
//            bytes, as UTF-8 when the bytes are valid UTF-8, else as
//            Windows-1255. Lines end at CR LF, LF or CR.

#include <filesystem>
#include <string>
#include <vector>

namespace vrn::encoding {

// Raise std::runtime_error naming the file when it cannot be read or written.
std::vector<std::u16string> readTextLines(const std::filesystem::path& file);
void writeTextLines(const std::filesystem::path& file, const std::vector<std::u16string>& lines);

// The decoding alone, for bytes already read.
std::u16string decodeTextFile(std::string_view bytes);

}  // namespace vrn::encoding
