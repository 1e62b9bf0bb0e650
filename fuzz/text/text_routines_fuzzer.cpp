// libFuzzer target: any UTF-16 text through the MTEXT codec and the
// conversions (see text_properties.h).
#include <cstdio>
#include <cstdlib>

#include "text_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string broken = vrn::fuzz::textRoutines(vrn::fuzz::unitsOf(data, size));
  if (!broken.empty()) {
    std::fprintf(stderr, "%s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
