#include "cli/scripted_run.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace vrn::cli {

ScriptedRun::ScriptedRun(const std::optional<std::string>& script,
                         std::optional<std::string> transcript)
    : script_(script ? ui::script::load(*script) : ui::script::Script{}),
      transcriptPath_(std::move(transcript)) {}

void ScriptedRun::start(drawing::Application& application) {
  prompts_.emplace(application, toolkit_.transcript());
  toolkit_.play(std::move(script_), &*prompts_);
}

void ScriptedRun::finish() {
  if (prompts_) prompts_->recordPromptsShown();
  const ui::RunReport report = toolkit_.finish();
  writeTranscript();
  if (report.ok()) return;
  std::string message = "the script did not run through; nothing was saved";
  for (const std::string& failure : report.failures) message += "\n  " + failure;
  throw std::runtime_error(message);
}

void ScriptedRun::finishAfterFailure() noexcept {
  try {
    toolkit_.finish();
    writeTranscript();
  } catch (...) {
    // The command's own failure is the one to report.
  }
}

void ScriptedRun::writeTranscript() {
  if (!transcriptPath_) return;
  // Written beside the target and renamed over it, so a failure leaves
  // no half-written file.
  const std::filesystem::path target(*transcriptPath_);
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary);
    out << toolkit_.transcript().text();
    if (!out.flush()) throw std::runtime_error(*transcriptPath_ + ": cannot write the transcript");
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw std::runtime_error(*transcriptPath_ + ": cannot write the transcript");
  }
}

}  // namespace vrn::cli
