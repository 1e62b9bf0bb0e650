#pragma once
// The alert boxes of the built-in command line: an (alert "...") sent with
// SendCommand holds the commands sent after it. AutoCAD runs what a routine
// sends once the routine is done, so after a member returns each waiting
// alert is shown as a message box to the user of the toolkit (in a script,
// `answer OK`), and the commands after it run once it is answered.

#include "drawing/document.h"
#include "ui/toolkit.h"

namespace vrn::cli {

inline constexpr char16_t kAlertTitle[] = u"AutoCAD Message";

void answerAlerts(drawing::Document& document, ui::Toolkit& toolkit);

}  // namespace vrn::cli
