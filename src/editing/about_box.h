#pragma once
// TAboutBox: the product's name, its version as built, and what it does;
// OK (also Enter and Escape) closes it.

#include <string>

#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"

namespace vrn::editing {

// "1.0": the version this build carries.
std::u16string productVersion();

class TAboutBox : public ui::Form {
 public:
  explicit TAboutBox(ui::Toolkit& toolkit);

  ui::Label ProductName{*this, "ProductName", u"vrn"};
  ui::Label Version{*this, "Version", u"Version " + productVersion()};
  ui::Label Comments{*this, "Comments", u"Hebrew text for AutoCAD"};
  ui::Button OKButton{*this, "OKButton", u"OK"};

  void FormShow();
};

}  // namespace vrn::editing
