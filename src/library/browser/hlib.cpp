#include "library/browser/hlib.h"

#include "library/browser/text_placement.h"
#include "library/browser/tfrm_expl.h"
#include "ui/owned_form.h"

namespace vrn::library {

void runHlib(ui::Toolkit& toolkit, LibraryHost host, const std::filesystem::path& dataDir) {
  ui::OwnedForm<TfrmExpl> form(toolkit, host, dataDir);
  for (;;) {
    const ui::ModalResult result = form->showModal();
    if (result == expl_result::pick) {
      form->selects = pickTexts(host);
    } else if (result == expl_result::put) {
      putText(host, form->singlestr);
    } else if (result == expl_result::putLines) {
      putLines(host, form->singlestr);
    } else {
      break;
    }
  }
  form.destroy();
}

}  // namespace vrn::library
