#pragma once
// DrawingPrompts: the scripted user's answers to the host's prompts
// (`point`, `distance`, `pick`, `enter`, `escape`), queued on the built-in
// drawing's scripted input, each recorded in the run's transcript.

#include "drawing/application.h"
#include "ui/host_prompts.h"
#include "ui/transcript.h"

namespace vrn::cli {

class DrawingPrompts final : public ui::HostPrompts {
 public:
  DrawingPrompts(drawing::Application& application, ui::Transcript& transcript)
      : application_(application), transcript_(transcript) {}

  void point(const host::Point3& point) override;
  void distance(double distance) override;
  // Raises host::HostError for a handle the active drawing lacks.
  void pick(const std::vector<std::u16string>& handles) override;
  void enter() override;
  void escape() override;

  // The prompts the drawing showed, as transcript lines.
  void recordPromptsShown();

 private:
  drawing::Application& application_;
  ui::Transcript& transcript_;
};

}  // namespace vrn::cli
