#include "ui/file_dialog.h"

#include "ui/form.h"

namespace vrn::ui {

bool FileDialog::execute() {
  auto chosen = form().toolkit().showFileDialog(request_);
  if (!chosen) return false;
  request_.fileName = std::move(*chosen);
  return true;
}

}  // namespace vrn::ui
