#include "editing/placing_host.h"

namespace vrn::editing {

void classifyNamedStyle(HostAccess& view, const std::u16string& styleName,
                        std::u16string_view stored) {
  view.CurStyleName = styleName;
  view.CurStyle = view.AcadStyles.call("Item", styleName).toObject();
  view.classifyCurStyle(stored);
}

}  // namespace vrn::editing
