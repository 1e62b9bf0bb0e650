#pragma once
// DrawingSession: a DXF drawing opened in the built-in host, handed to the
// automation object with SetApp, and saved in place or under another name.

#include <memory>
#include <optional>
#include <string>

#include "automation/autovrn.h"
#include "host/ref.h"

namespace vrn::drawing {
class Application;
}

namespace vrn::cli {

class Progress;

class DrawingSession {
 public:
  // Opens `path` as the active document of a new built-in application and
  // calls SetApp with that application. Raises host::HostError naming the
  // file when it cannot be read.
  DrawingSession(automation::Tautovrn& object, const std::string& path, Progress& progress);

  const host::Ref& document() const { return document_; }
  drawing::Application& application() const { return *application_; }
  // The drawing holds changes that are not saved.
  bool changed() const;
  // Saves to `output`, or over the file it was read from. The file is
  // written beside its target and renamed over it, so a failure leaves the
  // old file whole.
  void save(const std::optional<std::string>& output);

 private:
  std::shared_ptr<drawing::Application> application_;
  host::Ref document_;
  Progress* progress_;
};

}  // namespace vrn::cli
