#pragma once
// FormWalk: the one walk over the drawing that a form runs inside a click.
// The messages are serviced during the walk so the window stays responsive,
// and so the form's commands must wait: a click that arrives meanwhile must
// not start a second walk inside the first, and a close must not end the
// form under it. Both are ignored while the walk runs.

#include <functional>
#include <string>

#include "drawing_ops/text_walk.h"
#include "ui/form.h"
#include "ui/label.h"

namespace vrn::drawing_ops {

class FormWalk {
 public:
  // indicator: the activity indicator, shown with the count of texts met.
  FormWalk(ui::Form& form, ui::Label& indicator);

  bool running() const { return running_; }
  // Runs work (handed the progress that services the messages) as the
  // form's walk; does nothing while another one runs. What work raises
  // goes on, after the indicator stops.
  void run(const std::function<void(const WalkProgress& progress)>& work);

 private:
  void step(std::size_t visited);
  void finish();

  ui::Form& form_;
  ui::Label& indicator_;
  bool running_ = false;
};

// The message after a walk ("Conversion finished"), and how many texts
// failed when any did.
std::u16string finishedMessage(std::u16string_view finished, const WalkTally& tally);

}  // namespace vrn::drawing_ops
