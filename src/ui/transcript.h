#pragma once
// Transcript: what a scripted run showed, one UTF-8 line per event, in the
// same words on every backend:
//
//   form TfrmDemo "Demo" shown
//   message "Saved." [vrn] OK -> OK
//   open file "Text files(*.txt)|*.txt" -> /tmp/a.txt
//   form TfrmDemo closed OK
//
// The host's prompts are not windows of ours; the program that answers them
// adds their lines (add()).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ui/message_box.h"
#include "ui/toolkit.h"

namespace vrn::ui {

class Form;

class Transcript {
 public:
  void formShown(const Form& form);
  void formClosed(const Form& form);
  void messageBox(const MessageBoxRequest& request, ModalResult answer);
  void fileDialog(const FileDialogRequest& request,
                  const std::optional<std::filesystem::path>& chosen);
  void add(std::string line) { lines_.push_back(std::move(line)); }

  const std::vector<std::string>& lines() const { return lines_; }
  // Every line followed by a newline.
  std::string text() const;

 private:
  std::vector<std::string> lines_;
};

// What a scripted run went wrong with: each failure names its script line.
struct RunReport {
  std::vector<std::string> failures;
  bool ok() const { return failures.empty(); }
};

}  // namespace vrn::ui
