#include "drawing/scripted_input.h"

#include <cmath>

#include "host/host_error.h"

namespace vrn::drawing {
namespace {

[[noreturn]] void raise(const std::string& request, const std::string& what) {
  throw host::HostError(host::hr::kException, request + ": " + what);
}

}  // namespace

ScriptedInput::Answer ScriptedInput::next(const std::string& request) {
  if (answers_.empty()) raise(request, "no scripted input is queued");
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

host::Point3 ScriptedInput::point(const std::string& request) {
  Answer a = next(request);
  if (std::holds_alternative<Enter>(a)) raise(request, "User input is a keyword");
  if (std::holds_alternative<Escape>(a)) raise(request, "Input cancelled by the user");
  if (const auto* p = std::get_if<host::Point3>(&a)) return *p;
  raise(request, "the scripted input is not a point");
}

double ScriptedInput::distance(const std::string& request, const host::Point3* base) {
  Answer a = next(request);
  if (std::holds_alternative<Enter>(a)) raise(request, "User input is a keyword");
  if (std::holds_alternative<Escape>(a)) raise(request, "Input cancelled by the user");
  if (const auto* d = std::get_if<double>(&a)) return *d;
  if (const auto* p = std::get_if<host::Point3>(&a); p && base) {
    return std::hypot(p->x - base->x, p->y - base->y, p->z - base->z);
  }
  raise(request, "the scripted input is not a distance");
}

ScriptedInput::Selection ScriptedInput::selection(const std::string& request) {
  Answer a = next(request);
  if (std::holds_alternative<Enter>(a)) return {};
  if (std::holds_alternative<Escape>(a)) raise(request, "Input cancelled by the user");
  if (auto* s = std::get_if<Selection>(&a)) return std::move(*s);
  raise(request, "the scripted input is not a selection");
}

}  // namespace vrn::drawing
