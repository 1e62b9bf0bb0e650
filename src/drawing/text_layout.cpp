#include "drawing/text_layout.h"

#include <algorithm>
#include <cmath>

namespace vrn::drawing {
namespace {

host::Point3 offset(const host::Point3& base, double dx, double dy, double rotation) {
  const double c = std::cos(rotation);
  const double s = std::sin(rotation);
  return {base.x + dx * c - dy * s, base.y + dx * s + dy * c, base.z};
}

// Where the anchor lies in the text's own frame (origin at the insertion point).
void anchorOffset(const TextLine& line, double& dx, double& dy) {
  const double w = line.width();
  const double h = line.height;
  const Justification& j = line.justification;
  dx = j.horizontal == 1 || j.horizontal == 4 ? w / 2 : j.horizontal == 2 ? w : 0;
  if (j.horizontal == 4) {
    dy = h / 2;
    return;
  }
  dy = j.vertical == 2 ? h / 2 : j.vertical == 3 ? h : 0;
}

Box rectangle(const host::Point3& origin, double x0, double y0, double x1, double y1,
              double rotation) {
  const host::Point3 corners[] = {
      offset(origin, x0, y0, rotation), offset(origin, x1, y0, rotation),
      offset(origin, x0, y1, rotation), offset(origin, x1, y1, rotation)};
  return boxOf(corners, 4);
}

}  // namespace

double TextLine::width() const {
  return static_cast<double>(characters) * height * widthFactor * kCharWidthRatio;
}

std::size_t countCharacters(std::u16string_view text) {
  std::size_t n = 0;
  for (char16_t c : text) {
    if (c < 0xDC00 || c > 0xDFFF) ++n;  // a surrogate pair is one character
  }
  return n;
}

host::Point3 insertionFromAnchor(const TextLine& line, const host::Point3& anchor) {
  double dx = 0;
  double dy = 0;
  anchorOffset(line, dx, dy);
  return offset(anchor, -dx, -dy, line.rotation);
}

host::Point3 anchorFromInsertion(const TextLine& line, const host::Point3& insertion) {
  double dx = 0;
  double dy = 0;
  anchorOffset(line, dx, dy);
  return offset(insertion, dx, dy, line.rotation);
}

Box textBox(const host::Point3& insertion, double width, double height, double rotation) {
  return rectangle(insertion, 0, 0, width, height, rotation);
}

Box mtextBox(const host::Point3& insertion, std::u16string_view text, double height,
             double referenceWidth, double rotation, int attachment) {
  std::size_t lines = 1;
  std::size_t longest = 0;
  std::size_t current = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'P') {
      longest = std::max(longest, current);
      current = 0;
      ++lines;
      ++i;
    } else if (text[i] < 0xDC00 || text[i] > 0xDFFF) {
      ++current;
    }
  }
  longest = std::max(longest, current);
  const double w =
      referenceWidth > 0 ? referenceWidth : static_cast<double>(longest) * height * kCharWidthRatio;
  const double h = height + static_cast<double>(lines - 1) * height * kLineSpacingRatio;
  const int index = std::clamp(attachment, 1, 9) - 1;
  const double left = -(index % 3) * w / 2;
  const double top = (index / 3) * h / 2;
  return rectangle(insertion, left, top - h, left + w, top, rotation);
}

host::Point3 rotateAbout(const host::Point3& p, const host::Point3& base, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double dx = p.x - base.x;
  const double dy = p.y - base.y;
  return {base.x + dx * c - dy * s, base.y + dx * s + dy * c, p.z};
}

Box boxOf(const host::Point3* points, std::size_t count) {
  Box box{points[0], points[0]};
  for (std::size_t i = 1; i < count; ++i) {
    const host::Point3& p = points[i];
    box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
    box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
  }
  return box;
}

}  // namespace vrn::drawing
