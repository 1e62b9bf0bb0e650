#pragma once
// DxfFiles: the drawing files of the built-in host are ASCII DXF files.
// Loading reads the whole file once; the records keep views into that
// buffer. Saving writes a temporary file beside the target and renames it
// over the target, so a failed save leaves the old file as it was. A loaded
// drawing's file is locked (advisory) until the document lets go of it, and
// a file that another process had locked is not saved over;
// saving follows a symbolic link to its file, refuses a read-only one, and
// keeps the owner, group and mode.

#include <cstdint>
#include <string>

#include "drawing/drawing_files.h"

namespace vrn::dxf {

class DxfFiles final : public drawing::DrawingFiles {
 public:
  // The largest drawing file read: 1 GiB, well beyond real drawings (a
  // million texts take 170 MiB) and within what the model can hold.
  static constexpr std::uint64_t kSizeLimit = std::uint64_t{1} << 30;

  explicit DxfFiles(std::uint64_t sizeLimit = kSizeLimit) : sizeLimit_(sizeLimit) {}
  drawing::DrawingData load(const std::string& path, drawing::FileClaim& claim) const override;
  void save(const drawing::DrawingData& data, const std::string& path,
            drawing::FileClaim& claim) const override;

 private:
  std::uint64_t sizeLimit_;
};

}  // namespace vrn::dxf
