#include "cli/progress.h"

namespace vrn::cli {
namespace {
constexpr std::size_t kCountEvery = 500;
}

void Progress::step(std::string_view what) {
  what_ = what;
  if (enabled_) *err_ << "\r\x1b[Kvrn: " << what << "..." << std::flush;
}

void Progress::count(std::size_t done) {
  if (enabled_ && done % kCountEvery == 0) {
    *err_ << "\r\x1b[Kvrn: " << what_ << "... " << done << std::flush;
  }
}

void Progress::finish() {
  if (enabled_) *err_ << "\r\x1b[K" << std::flush;
}

}  // namespace vrn::cli
