#include "automation/shell_members.h"

#include "automation/module.h"
#include "editing/about_box.h"
#include "editing/fonts_definition_form.h"
#include "ui/owned_form.h"

namespace vrn::automation {

void showFontTable(Module& module) {
  ui::OwnedForm<editing::FontsDefinitionForm> form(module.toolkit(), module.frmFonts());
  form->showModal();
  form.destroy();
}

void showAboutBox(Module& module) {
  ui::OwnedForm<editing::TAboutBox> form(module.toolkit());
  form->showModal();
  form.destroy();
}

}  // namespace vrn::automation
