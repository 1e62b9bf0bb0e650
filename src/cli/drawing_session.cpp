#include "cli/drawing_session.h"

#include "cli/automation_call.h"
#include "cli/progress.h"
#include "drawing/application.h"
#include "dxf/dxf_files.h"
#include "host/utf8.h"

namespace vrn::cli {

DrawingSession::DrawingSession(automation::Tautovrn& object, const std::string& path,
                               Progress& progress)
    : application_(drawing::makeApplication(std::make_shared<dxf::DxfFiles>())),
      progress_(&progress) {
  progress.step("reading " + path);
  document_ = host::Ref(application_).obj("Documents").call("Open", utf8ToUtf16(path)).toObject();
  progress.finish();
  callMember(object, "SetApp", {host::ObjectPtr(application_)});
}

bool DrawingSession::changed() const { return !document_.get("Saved").toBool(); }

void DrawingSession::save(const std::optional<std::string>& output) {
  progress_->step("writing " + output.value_or(utf16ToUtf8(document_.get("FullName").toString())));
  if (output) {
    document_.call("SaveAs", utf8ToUtf16(*output));
  } else {
    document_.call("Save");
  }
  progress_->finish();
}

}  // namespace vrn::cli
