#pragma once
// DxfFiles: the drawing files of the built-in host are ASCII DXF files.
// Loading reads the whole file once; the records keep views into that
// buffer. Saving writes a temporary file beside the target and renames it
// over the target, so a failed save leaves the old file as it was. A loaded
// drawing's file is locked (advisory) until the document lets go of it;
// saving follows a symbolic link to its file, refuses a read-only one, and
// keeps the owner, group and mode.

#include <string>

#include "drawing/drawing_files.h"

namespace vrn::dxf {

class DxfFiles final : public drawing::DrawingFiles {
 public:
  drawing::DrawingData load(const std::string& path, drawing::FileClaim& claim) const override;
  void save(const drawing::DrawingData& data, const std::string& path,
            drawing::FileClaim& claim) const override;
};

}  // namespace vrn::dxf
