// libFuzzer target: any bytes as an INI file (see text_properties.h).
#include <cstdio>
#include <cstdlib>

#include "text_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string broken =
      vrn::fuzz::settingsFile(std::string(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fprintf(stderr, "%s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
