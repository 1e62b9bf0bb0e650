#pragma once
// ScriptedUser: plays a script against a backend's forms; the backend's
// UserInput decides how each action reaches the form (seam calls, or real
// window messages).
//
// - A modal loop takes one line after another and performs it on the
//   innermost open form, until that form closes.
// - A message box or file dialog takes the next line as its answer
//   (`answer ...`, `file ...`); any other line there is a failure.
// - Answers to the host's prompts are handed over as soon as the script
//   reaches them: those at the start when play() is called, the others
//   right after the line before them is taken, before it is performed, so
//   they wait in the host's queue for the prompt that line leads to.
// - A line that cannot be performed (no such control, a hidden or disabled
//   one, an item not in the list, text no keyboard types) fails the run
//   and stops the script. `expect` lines that do not hold fail the run and
//   the script goes on.
// - When the script has ended or stopped, every form still open closes by
//   its Cancel path (its cancel button, then its close box), every box
//   answers as its close box would, every file dialog is cancelled; a form
//   or box that met the end of the script fails the run.

#include <filesystem>
#include <optional>
#include <string>

#include "ui/form.h"
#include "ui/host_prompts.h"
#include "ui/script.h"
#include "ui/transcript.h"
#include "ui/user_input.h"

namespace vrn::ui {

class ScriptedUser {
 public:
  ScriptedUser(UserInput& input, Transcript& transcript) : input_(input), transcript_(transcript) {}

  void play(script::Script script, HostPrompts* prompts);
  void runModal(Form& form);
  ModalResult answerMessageBox(const MessageBoxRequest& request);
  std::optional<std::filesystem::path> answerFileDialog(const FileDialogRequest& request);
  RunReport finish();

 private:
  friend class Performer;

  const script::Line* next();
  void deliverPrompts();
  void fail(const script::Line* line, const std::string& message);
  void metTheEnd(const std::string& what);
  void cancelPath(Form& form);

  UserInput& input_;
  Transcript& transcript_;
  script::Script script_;
  std::size_t cursor_ = 0;
  HostPrompts* prompts_ = nullptr;
  bool stopped_ = false;
  RunReport report_;
};

}  // namespace vrn::ui
