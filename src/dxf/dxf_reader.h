#pragma once
// readDxf: an ASCII DXF text into DrawingData, losslessly.
//
// Every record keeps its exact text (a view into `buffer`), so an unchanged
// drawing writes back byte for byte. What the reader checks, and the error
// it raises (host::HostError naming the file and the line):
//   - binary DXF and DWG files: not supported;
//   - a group code that is not a number, a code without its value;
//   - a section, table or block without its end (ENDSEC, ENDTAB, ENDBLK);
//   - a section that appears twice, a record where none may stand;
//   - a handle used twice or one that is not hexadecimal;
//   - a $DWGCODEPAGE that no codec supports (files before AC1021).
// The EOF group's own lines, whatever follows them and a UTF-8 byte-order
// mark are kept as they are, unread (DrawingData::fileStart, fileEnd).
// Recoveries: a file that ends after its last ENDSEC without EOF reads as
// complete (saving adds the EOF, without the blank lines it may end with);
// a file without $DWGCODEPAGE is read as ANSI_1252, AutoCAD's default; a
// $HANDSEED not above every handle is raised so that new handles stay unique.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "drawing/drawing_data.h"

namespace vrn::dxf {

// An ENTITIES section with at least this many bytes after its start is
// read by two threads, each taking about half. The second thread costs a
// few MiB of its own (its heap, the halves' lists); on a smaller drawing
// that is a tenth of the peak for a few milliseconds saved.
inline constexpr std::size_t kEntitiesReadInTwoFrom = std::size_t{32} << 20;

// `text` lies in memory that `owner` keeps alive; the records read keep
// views into it.
drawing::DrawingData readDxf(std::shared_ptr<const void> owner, std::string_view text,
                             const std::string& fileName,
                             std::size_t readInTwoFrom = kEntitiesReadInTwoFrom);
drawing::DrawingData readDxf(std::shared_ptr<const std::string> text, const std::string& fileName);

}  // namespace vrn::dxf
