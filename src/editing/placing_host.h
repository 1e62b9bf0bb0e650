#pragma once
// PlacingHost: the parts of the module's host view that the multi-line
// editors need beyond HostAccess: the space new entities go into, the layer
// they take, and the application they refresh.

#include <string>

#include "editing/host_access.h"
#include "host/ref.h"

namespace vrn::editing {

struct PlacingHost {
  HostAccess view;
  host::Ref& AcadApp;
  host::Ref& AcadSpace;
  std::u16string& CurLayerName;
};

// CurStyleName := styleName, CurStyle := that style of the drawing, and the
// font type and backward flag set from it for the stored text.
void classifyNamedStyle(HostAccess& view, const std::u16string& styleName,
                        std::u16string_view stored);

}  // namespace vrn::editing
