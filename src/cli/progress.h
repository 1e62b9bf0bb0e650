#pragma once
// Progress: a status line on standard error while long work runs (reading
// and writing a drawing, walking its texts). It is shown only when a person
// watches (standard error is a terminal), so scripts and golden outputs see
// nothing of it.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace vrn::cli {

class Progress {
 public:
  Progress(std::ostream& err, bool enabled) : err_(&err), enabled_(enabled) {}

  // Starts a step ("reading plan.dxf").
  void step(std::string_view what);
  // Counts items within the step; the line is renewed every so many.
  void count(std::size_t done);
  // Clears the line.
  void finish();

 private:
  std::ostream* err_;
  bool enabled_;
  std::string what_;
};

}  // namespace vrn::cli
