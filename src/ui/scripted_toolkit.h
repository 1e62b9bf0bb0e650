#pragma once
// ScriptedToolkit: a backend whose modal loops are driven by a scripted user
// instead of a person. The headless backend is one; the Windows backend's
// script runner is another, so one scenario (and the shared edit-control
// tests) runs on both.
//
//   toolkit.play(script::load(path), &prompts);
//   run the member that shows forms;
//   RunReport report = toolkit.finish();   // fails when lines were left over

#include "ui/host_prompts.h"
#include "ui/script.h"
#include "ui/toolkit.h"
#include "ui/transcript.h"

namespace vrn::ui {

class ScriptedToolkit : public Toolkit {
 public:
  // The user the next modal loops meet. Answers to the host's prompts at
  // the start of the script go to prompts at once. prompts may be null for
  // scripts without such answers.
  virtual void play(script::Script script, HostPrompts* prompts) = 0;
  // Ends the run: a line the program never came to is a failure.
  virtual RunReport finish() = 0;

  // What the run showed; the program that answers the host's prompts adds
  // their lines.
  Transcript& transcript() { return transcript_; }
  const Transcript& transcript() const { return transcript_; }

 private:
  Transcript transcript_;
};

}  // namespace vrn::ui
