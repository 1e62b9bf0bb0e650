#include "automation/multiline_members.h"

#include "automation/module.h"
#include "editing/mtext_operations.h"
#include "editing/replace_texts.h"
#include "editing/text_to_mtext.h"

namespace vrn::automation {
namespace {

editing::HostAccess hostAccessOf(HostView& view) {
  return {view.AcadDoc,
          view.AcadStyles,
          view.CurStyle,
          view.CurStyleName,
          [&view] { view.ActiveStyleFontType(); },
          [&view](std::u16string_view stored) { return view.classifyCurStyle(stored).font; }};
}

editing::PlacingHost placingHostOf(HostView& view) {
  return {hostAccessOf(view), view.AcadApp, view.AcadSpace, view.CurLayerName};
}

editing::MtextContext contextOf(Module& module) {
  return {module.toolkit(), module.frmFonts(), module.Rinistr(), placingHostOf(module.view()),
          module.mtextState};
}

}  // namespace

void mtextMember(Module& module, const std::u16string& ent) {
  module.view().RefreshAcad();
  editing::MtextContext context = contextOf(module);
  if (ent.empty()) {
    editing::CreateMtext(context);
  } else {
    editing::EditMtext(context, ent);
  }
}

void editMtextMember(Module& module, const std::u16string& ent) {
  editing::MtextContext context = contextOf(module);
  editing::EditMtext(context, ent);
}

void HtoMtextMember(Module& module) {
  module.view().RefreshAcad();
  editing::MtextContext context = contextOf(module);
  editing::TextToMtext(context);
}

void replaceMember(Module& module) {
  module.view().RefreshAcad();
  editing::ReplaceContext context{module.toolkit(), module.frmFonts(), placingHostOf(module.view()),
                                  module.findReplace};
  editing::ReplaceTexts(context);
}

}  // namespace vrn::automation
