#pragma once
// ScriptedInput: what the user "types" when the drawing asks for a point, a
// distance or a selection. Tests and the command line queue the answers;
// each request takes the next one.

#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "drawing/drawing_data.h"
#include "host/point.h"

namespace vrn::drawing {

class ScriptedInput {
 public:
  struct Enter {};
  struct Escape {};
  using Selection = std::vector<EntityPtr>;
  using Answer = std::variant<host::Point3, double, Selection, Enter, Escape>;

  void push(Answer answer) { answers_.push_back(std::move(answer)); }
  bool empty() const { return answers_.empty(); }

  // The next answer for `request` (a name for messages, "GetPoint"). Raises
  // HostError when none is queued, and for Enter and Escape: Enter's
  // message says "User input is a keyword", as AutoCAD's does.
  host::Point3 point(const std::string& request);
  // A distance, or the distance from `base` to a queued point.
  double distance(const std::string& request, const host::Point3* base);
  // Picked entities; Enter ends the selection with nothing picked.
  Selection selection(const std::string& request);

  // The prompts shown, in order.
  const std::vector<std::u16string>& prompts() const { return prompts_; }
  void prompt(std::u16string text) { prompts_.push_back(std::move(text)); }

 private:
  Answer next(const std::string& request);

  std::deque<Answer> answers_;
  std::vector<std::u16string> prompts_;
};

}  // namespace vrn::drawing
