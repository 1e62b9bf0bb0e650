#include "automation/drawing_ops_members.h"

#include "automation/module.h"
#include "drawing_ops/tfrm_convert.h"
#include "drawing_ops/tfrm_font_convert.h"
#include "encoding/tfrm_fonts.h"
#include "ui/owned_form.h"

namespace vrn::automation {
namespace {

drawing_ops::FontTypeOf fontTypes(Module& module) {
  encoding::TfrmFonts& fonts = module.frmFonts();
  return [&fonts](std::u16string_view font) { return fonts.GetFntType(font); };
}

}  // namespace

void hfontConvertMember(Module& module) {
  module.view().RefreshAcad();
  ui::OwnedForm<drawing_ops::TfrmFontConvert> form(module.toolkit(), module.view().AcadDoc,
                                                   fontTypes(module), module.Rinistr().reverseTTF);
  form->showModal();
  form.destroy();
}

void convertMember(Module& module) {
  module.view().RefreshAcad();
  ui::OwnedForm<drawing_ops::TfrmConvert> form(module.toolkit(), module.view().AcadApp,
                                               fontTypes(module), module.Rinistr().reverseTTF);
  form->showModal();
  form.destroy();
}

}  // namespace vrn::automation
