// vrn_dxf_bench FILE [RUNS]: loads FILE and saves it beside itself, RUNS
// times (default 5), and prints the best load and save times as
// "key=value" words for run_bench.py (which measures the peak memory).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "dxf/dxf_files.h"

namespace {

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

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
    vrn::drawing::FileClaim claim;
    const auto data = files.load(path, claim);
    load = std::min(load, secondsSince(start));
    entities = data.entities.size();
    start = std::chrono::steady_clock::now();
    vrn::drawing::FileClaim saved;
    files.save(data, out, saved);
    save = std::min(save, secondsSince(start));
  }
  const bool identical = fileText(path) == fileText(out);
  std::filesystem::remove(out);
  std::printf("load=%.6f save=%.6f entities=%zu identical=%d\n", load, save, entities,
              identical ? 1 : 0);
  return 0;
}
