// libFuzzer target: any bytes as a DXF file (see dxf_property.h).
//
// Build with clang: see fuzz/dxf/CMakeLists.txt. Inputs that once failed go
// into fuzz/dxf/corpus/, which tests/dxf replays on every test run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "dxf_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  if (vrn::dxf::fuzz::readAndSave(input) == vrn::dxf::fuzz::Outcome::SavedDifferently) std::abort();
  return 0;
}
