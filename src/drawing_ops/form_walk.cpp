#include "drawing_ops/form_walk.h"

#include <string>

#include "ui/hourglass.h"

namespace vrn::drawing_ops {
namespace {

// How often the indicator's count is renewed, in texts.
constexpr std::size_t kIndicatorStep = 64;

std::u16string decimal(std::size_t count) {
  const std::string digits = std::to_string(count);
  return {digits.begin(), digits.end()};
}

}  // namespace

std::u16string finishedMessage(std::u16string_view finished, const WalkTally& tally) {
  std::u16string message(finished);
  if (tally.failed > 0) {
    message += u"\r\n" + decimal(tally.failed) +
               (tally.failed == 1 ? u" text was" : u" texts were") +
               u" left unchanged: the drawing refused a change to it.";
  }
  return message;
}

FormWalk::FormWalk(ui::Form& form, ui::Label& indicator) : form_(form), indicator_(indicator) {
  indicator_.setVisible(false);
}

void FormWalk::run(const std::function<void(const WalkProgress& progress)>& work) {
  if (running_) return;
  running_ = true;
  indicator_.setCaption(decimal(0));
  indicator_.setVisible(true);
  const ui::Hourglass busy(form_.toolkit());
  try {
    work([this](std::size_t visited) { step(visited); });
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void FormWalk::step(std::size_t visited) {
  if (visited % kIndicatorStep == 0) indicator_.setCaption(decimal(visited));
  form_.toolkit().processMessages();
}

void FormWalk::finish() {
  running_ = false;
  indicator_.setVisible(false);
  // A close asked for while the walk ran is dropped with the other commands.
  if (form_.modalResult() != ui::ModalResult::None) form_.setModalResult(ui::ModalResult::None);
}

}  // namespace vrn::drawing_ops
