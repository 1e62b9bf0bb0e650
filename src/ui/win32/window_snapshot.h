#pragma once
// A picture of a form's window and what it shows, for the tests under
// Wine: <dir>/<form class><suffix>.bmp (the window as drawn) and
// <dir>/<form class><suffix>.txt (UTF-8):
//   size WIDTH HEIGHT
//   CLASS X Y W H "TEXT"  one line per shown child window, its place in
//                         its parent, as EnumChildWindows and
//                         GetWindowText give them

#include <filesystem>
#include <string>

namespace vrn::ui::win32 {

class FormWindow;

// suffix tells pictures of one form apart ("-closing").
void saveSnapshot(const FormWindow& window, const std::filesystem::path& dir,
                  const std::string& suffix = {});

}  // namespace vrn::ui::win32
