#include "editing/about_box.h"

namespace vrn::editing {
namespace {

// Set by the build from the project's version; each character is ASCII.
constexpr char builtVersion[] = VRN_VERSION;

}  // namespace

std::u16string productVersion() {
  const std::string_view version = builtVersion;
  return {version.begin(), version.end()};
}

TAboutBox::TAboutBox(ui::Toolkit& toolkit) : Form(toolkit, "TAboutBox") {
  setCaption(u"About vrn");
  setBounds({0, 160, 300, 170});
  ProductName.setBounds({16, 16, 268, 20});
  Version.setBounds({16, 44, 268, 20});
  Comments.setBounds({16, 72, 268, 20});
  OKButton.setBounds({112, 120, 76, 28});
  OKButton.setDefault(true);
  OKButton.setCancel(true);
  OKButton.setModalResult(ui::ModalResult::OK);
  onShow = [this] { FormShow(); };
}

void TAboutBox::FormShow() { centreOnPointerMonitor(); }

}  // namespace vrn::editing
