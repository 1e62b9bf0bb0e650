#pragma once
// Hourglass: the busy cursor for as long as this object lives.

#include "ui/toolkit.h"

namespace vrn::ui {

class Hourglass {
 public:
  explicit Hourglass(Toolkit& toolkit) : toolkit_(toolkit) { toolkit_.beginBusy(); }
  ~Hourglass() { toolkit_.endBusy(); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;

 private:
  Toolkit& toolkit_;
};

}  // namespace vrn::ui
