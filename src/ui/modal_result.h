#pragma once
// The result a modal form or message box closes with. Windows' and the VCL's
// numbers; a form may close with any other number of its own (the library
// browser uses 10, 30 and 40).

#include <string>

namespace vrn::ui {

enum class ModalResult : int { None = 0, OK = 1, Cancel = 2, Yes = 6, No = 7, All = 8 };

// "OK", "Cancel", ... or the number.
std::u16string toText(ModalResult result);

}  // namespace vrn::ui
