#pragma once
// ScriptedRun: the forms of one command, shown on the headless backend to
// the scripted user of a script file (no script: a user who does nothing,
// so any form that opens is cancelled and the command fails).
//
//   ScriptedRun run(scriptPath, transcriptPath);   // raises for a bad script
//   module with run.toolkit(); open the drawing;
//   run.start(session.application());
//   call the member;
//   run.finish();    // writes the transcript; raises when the run failed
//   save the drawing.

#include <optional>
#include <string>

#include "cli/drawing_prompts.h"
#include "ui/headless/headless_toolkit.h"

namespace vrn::cli {

class ScriptedRun {
 public:
  ScriptedRun(const std::optional<std::string>& script, std::optional<std::string> transcript);

  ui::Toolkit& toolkit() { return toolkit_; }
  // The user starts; answers to the host's prompts go to the drawing.
  void start(drawing::Application& application);
  // The command is over: the transcript is written; a script line never
  // reached, one that failed, or a form left open makes it raise.
  void finish();
  // The same after the command failed: writes the transcript, raises nothing.
  void finishAfterFailure() noexcept;

 private:
  void writeTranscript();

  ui::headless::HeadlessToolkit toolkit_;
  ui::script::Script script_;
  std::optional<std::string> transcriptPath_;
  std::optional<DrawingPrompts> prompts_;
};

}  // namespace vrn::cli
