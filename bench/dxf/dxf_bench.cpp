// vrn_dxf_bench FILE [RUNS]: loads FILE and saves it beside itself, RUNS
// times (default 5), and prints the best load and save times and the
// process's peak memory as "key=value" words for run_bench.py.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "dxf/dxf_files.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: vrn_dxf_bench FILE [RUNS]\n");
    return 2;
  }
  const std::string path = argv[1];
  const std::string out = path + ".vrn-saved.dxf";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const vrn::dxf::DxfFiles files;
  double load = 1e9;
  double save = 1e9;
  std::size_t entities = 0;
  for (int run = 0; run < runs; ++run) {
    auto start = std::chrono::steady_clock::now();
    const auto data = files.load(path);
    load = std::min(load, secondsSince(start));
    entities = data.entities.size();
    start = std::chrono::steady_clock::now();
    files.save(data, out);
    save = std::min(save, secondsSince(start));
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const bool identical = std::filesystem::file_size(path) == std::filesystem::file_size(out);
  std::filesystem::remove(out);
  std::printf("load=%.6f save=%.6f peak_kb=%ld entities=%zu same_size=%d\n", load, save, usage.ru_maxrss,
              entities, identical ? 1 : 0);
  return 0;
}
