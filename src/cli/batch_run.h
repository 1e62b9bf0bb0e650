#pragma once
// The batch commands' frame: several drawings, each opened in its own
// built-in host, worked on in parallel, written atomically, with a progress
// line on standard error, a summary on standard output, and failure when any
// text or any drawing failed.

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "drawing_ops/text_walk.h"
#include "host/ref.h"

namespace vrn::cli {

class Progress;

struct BatchFiles {
  // Drawings, or folders whose .dxf files are all taken.
  std::vector<std::string> inputs;
  // One input: the file written. Several: the folder they are written into
  // (made when missing). None: each drawing is written in place.
  std::optional<std::string> output;
  std::size_t jobs = 0;  // 0: one per core
};

// The work on one opened drawing; it raises to fail the whole drawing.
using DrawingWork = std::function<drawing_ops::WalkTally(const host::Ref& document)>;

// Returns true when every drawing was written and no text failed.
bool runBatch(const BatchFiles& files, const DrawingWork& work, Progress& progress,
              std::ostream& out, std::ostream& err);

}  // namespace vrn::cli
