#include "cli/drawing_prompts.h"

#include <sstream>

#include "host/ref.h"
#include "host/utf8.h"

namespace vrn::cli {

void DrawingPrompts::point(const host::Point3& point) {
  std::ostringstream line;
  line << "prompt answer point " << point.x << ',' << point.y << ',' << point.z;
  transcript_.add(line.str());
  application_.pushPoint(point);
}

void DrawingPrompts::distance(double distance) {
  std::ostringstream line;
  line << "prompt answer distance " << distance;
  transcript_.add(line.str());
  application_.pushDistance(distance);
}

void DrawingPrompts::pick(const std::vector<std::u16string>& handles) {
  std::vector<host::ObjectPtr> entities;
  std::string line = "prompt answer pick";
  const host::Ref document(application_.activeDocument());
  for (const std::u16string& handle : handles) {
    entities.push_back(document.call("HandleToObject", handle).toObject());
    line += " " + utf16ToUtf8(handle);
  }
  transcript_.add(line);
  application_.pushSelection(entities);
}

void DrawingPrompts::enter() {
  transcript_.add("prompt answer enter");
  application_.pushEnter();
}

void DrawingPrompts::escape() {
  transcript_.add("prompt answer escape");
  application_.pushEscape();
}

void DrawingPrompts::recordPromptsShown() {
  for (const std::u16string& prompt : application_.input().prompts()) {
    transcript_.add("prompt \"" + utf16ToUtf8(prompt) + "\" shown");
  }
}

}  // namespace vrn::cli
