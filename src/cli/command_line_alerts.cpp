#include "cli/command_line_alerts.h"

#include "ui/message_box.h"

namespace vrn::cli {

void answerAlerts(drawing::Document& document, ui::Toolkit& toolkit) {
  // Answering one may run commands that raise the next.
  while (const std::optional<std::u16string> alert = document.pendingAlert()) {
    ui::messageBox(toolkit,
                   {*alert, kAlertTitle, ui::MessageButtons::OK, ui::MessageIcon::Warning, {}});
    document.answerAlert();
  }
}

}  // namespace vrn::cli
