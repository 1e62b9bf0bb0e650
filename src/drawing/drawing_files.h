#pragma once
// DrawingFiles: how the application opens and saves drawing files. The
// built-in host asks it for Documents.Open, Save and SaveAs; dxf/ supplies
// the implementation, so drawing/ itself knows no file format.

#include <memory>
#include <string>

#include "drawing/drawing_data.h"

namespace vrn::drawing {

class DrawingFiles {
 public:
  virtual ~DrawingFiles() = default;
  // Reads a drawing. Raises host::HostError with a message naming the file
  // (and the line, where there is one) when it cannot.
  virtual DrawingData load(const std::string& path) const = 0;
  // Writes a drawing through a temporary file beside `path` and a rename, so
  // a failure leaves any existing file untouched. Raises host::HostError.
  virtual void save(const DrawingData& data, const std::string& path) const = 0;
};

}  // namespace vrn::drawing
