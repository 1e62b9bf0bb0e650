#pragma once
// DrawingFiles: how the application opens and saves drawing files. The
// built-in host asks it for Documents.Open, Save and SaveAs; dxf/ supplies
// the implementation, so drawing/ itself knows no file format.

#include <memory>
#include <string>

#include "drawing/drawing_data.h"

namespace vrn::drawing {

// A document's hold on its file from loading to saving, so that a second
// process working on the same file is refused instead of one of two saves
// being lost without a word. Opaque here; released when the last copy goes.
using FileClaim = std::shared_ptr<const void>;

class DrawingFiles {
 public:
  virtual ~DrawingFiles() = default;
  // Reads a drawing and sets `claim` to the hold on its file. Raises
  // host::HostError with a message naming the file (and the line, where
  // there is one) when it cannot. A file another process holds is read, but
  // then not saved over.
  virtual DrawingData load(const std::string& path, FileClaim& claim) const = 0;
  // Writes a drawing through a temporary file beside `path` and a rename, so
  // a failure leaves any existing file untouched. `claim` is the document's
  // hold on the file it was read from (may be empty); on success it holds
  // the saved file instead. Raises host::HostError, also when another
  // process holds the file, or held it when the document read it.
  virtual void save(const DrawingData& data, const std::string& path, FileClaim& claim) const = 0;
};

}  // namespace vrn::drawing
