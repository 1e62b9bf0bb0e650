#include "cli/batch_run.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "ascii/letter_case.h"
#include "cli/progress.h"
#include "cli/terminal_text.h"
#include "drawing/application.h"
#include "dxf/dxf_files.h"
#include "host/utf8.h"

namespace vrn::cli {
namespace {

namespace fs = std::filesystem;

struct Job {
  std::string input;
  std::optional<std::string> output;  // none: in place
  drawing_ops::WalkTally tally;
  std::string error;
};

bool isDrawing(const fs::path& path) { return lowerAscii(path.extension().string()) == ".dxf"; }

std::vector<std::string> expandInputs(const std::vector<std::string>& inputs) {
  std::vector<std::string> files;
  for (const std::string& input : inputs) {
    if (!fs::is_directory(input)) {
      files.push_back(input);
      continue;
    }
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(input)) {
      if (entry.is_regular_file() && isDrawing(entry.path()))
        found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
  }
  if (files.empty()) throw std::runtime_error("no drawing to work on");
  return files;
}

std::vector<Job> planJobs(const BatchFiles& files) {
  const std::vector<std::string> inputs = expandInputs(files.inputs);
  const bool oneFile = inputs.size() == 1 && !fs::is_directory(files.inputs.front());
  if (files.output && !oneFile) fs::create_directories(*files.output);
  std::vector<Job> jobs;
  for (const std::string& input : inputs) {
    Job job{input, std::nullopt, {}, {}};
    if (files.output) {
      job.output =
          oneFile ? *files.output : (fs::path(*files.output) / fs::path(input).filename()).string();
    }
    jobs.push_back(std::move(job));
  }
  return jobs;
}

void runJob(Job& job, const DrawingWork& work) {
  try {
    const auto application = drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
    const host::Ref document =
        host::Ref(application).obj("Documents").call("Open", utf8ToUtf16(job.input)).toObject();
    job.tally = work(document);
    if (job.output) {
      document.call("SaveAs", utf8ToUtf16(*job.output));
    } else {
      document.call("Save");
    }
  } catch (const std::exception& e) {
    job.error = e.what();
  }
}

std::size_t workerCount(std::size_t asked, std::size_t jobs) {
  const std::size_t cores = std::max<std::size_t>(1, std::thread::hardware_concurrency());
  return std::clamp<std::size_t>(asked == 0 ? cores : asked, 1, std::max<std::size_t>(1, jobs));
}

void printSummary(const std::vector<Job>& jobs, std::ostream& out, std::ostream& err) {
  drawing_ops::WalkTally total;
  std::size_t failedFiles = 0;
  for (const Job& job : jobs) {
    if (!job.error.empty()) {
      err << "vrn: " << terminalSafe(job.input) << ": " << terminalSafe(job.error) << '\n';
      ++failedFiles;
      continue;
    }
    out << job.output.value_or(job.input) << ": " << job.tally.converted << " converted, "
        << job.tally.skipped << " skipped, " << job.tally.failed << " failed\n";
    total.converted += job.tally.converted;
    total.skipped += job.tally.skipped;
    total.failed += job.tally.failed;
  }
  out << "total: " << jobs.size() - failedFiles << " of " << jobs.size() << " drawings written, "
      << total.converted << " texts converted, " << total.skipped << " skipped, " << total.failed
      << " failed\n";
}

}  // namespace

bool runBatch(const BatchFiles& files, const DrawingWork& work, Progress& progress,
              std::ostream& out, std::ostream& err) {
  std::vector<Job> jobs = planJobs(files);
  std::atomic<std::size_t> next{0};
  std::size_t done = 0;
  std::mutex progressLock;
  progress.step("0 of " + std::to_string(jobs.size()) + " drawings");
  const auto worker = [&] {
    for (std::size_t i = next++; i < jobs.size(); i = next++) {
      runJob(jobs[i], work);
      const std::lock_guard lock(progressLock);
      progress.step(std::to_string(++done) + " of " + std::to_string(jobs.size()) + " drawings");
    }
  };
  {
    std::vector<std::jthread> threads;
    const std::size_t count = workerCount(files.jobs, jobs.size());
    for (std::size_t i = 1; i < count; ++i) threads.emplace_back(worker);
    worker();
  }
  progress.finish();
  printSummary(jobs, out, err);
  return std::ranges::all_of(
      jobs, [](const Job& job) { return job.error.empty() && job.tally.failed == 0; });
}

}  // namespace vrn::cli
