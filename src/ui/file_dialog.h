#pragma once
// OpenDialog and SaveDialog: the settings of a file dialog; execute()
// shows it and, when the user picks a file, keeps it in fileName.

#include <filesystem>

#include "ui/component.h"
#include "ui/toolkit.h"

namespace vrn::ui {

class FileDialog : public Component {
 public:
  FileDialogKind kind() const { return request_.kind; }
  const std::u16string& title() const { return request_.title; }
  void setTitle(std::u16string title) { request_.title = std::move(title); }
  const std::u16string& filter() const { return request_.filter; }
  void setFilter(std::u16string filter) { request_.filter = std::move(filter); }
  const std::u16string& defaultExt() const { return request_.defaultExt; }
  void setDefaultExt(std::u16string ext) { request_.defaultExt = std::move(ext); }
  const std::filesystem::path& initialDir() const { return request_.initialDir; }
  void setInitialDir(std::filesystem::path dir) { request_.initialDir = std::move(dir); }
  const std::filesystem::path& fileName() const { return request_.fileName; }
  void setFileName(std::filesystem::path file) { request_.fileName = std::move(file); }

  // False when the user cancels; fileName is then unchanged.
  bool execute();

 protected:
  FileDialog(Form& form, std::string name, FileDialogKind kind) : Component(form, std::move(name)) {
    request_.kind = kind;
  }

 private:
  FileDialogRequest request_;
};

class OpenDialog : public FileDialog {
 public:
  OpenDialog(Form& form, std::string name)
      : FileDialog(form, std::move(name), FileDialogKind::Open) {}
};

class SaveDialog : public FileDialog {
 public:
  SaveDialog(Form& form, std::string name)
      : FileDialog(form, std::move(name), FileDialogKind::Save) {}
};

}  // namespace vrn::ui
