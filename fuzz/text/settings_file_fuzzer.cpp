// libFuzzer target: any bytes as an INI file (see text_properties.h).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "text_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("vrn-fuzz-" + std::to_string(::getpid()) + ".ini");
  const std::string broken =
      vrn::fuzz::settingsFile(std::string(reinterpret_cast<const char*>(data), size), scratch);
  if (!broken.empty()) {
    std::fprintf(stderr, "%s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
