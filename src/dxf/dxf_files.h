#pragma once
// DxfFiles: the drawing files of the built-in host are ASCII DXF files.
// Loading reads the whole file once; the records keep views into that
// buffer. Saving writes a temporary file beside the target and renames it
// over the target, so a failed save leaves the old file as it was.

#include <string>

#include "drawing/drawing_files.h"

namespace vrn::dxf {

class DxfFiles final : public drawing::DrawingFiles {
 public:
  drawing::DrawingData load(const std::string& path) const override;
  void save(const drawing::DrawingData& data, const std::string& path) const override;
};

}  // namespace vrn::dxf
