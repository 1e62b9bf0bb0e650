#include "drawing_ops/font_chart.h"

#include "host/point.h"

namespace vrn::drawing_ops {
namespace {

constexpr double kFrame = 0.9;  // of the view
constexpr double kSteps = 20;   // rows and columns of the frame
constexpr std::int32_t kBackground = 251;
constexpr std::int32_t kLabels = 1;
constexpr std::int32_t kCells = 16;

struct Frame {
  double left, right, top, bottom;
  double row() const { return (top - bottom) / kSteps; }
  double column() const { return (right - left) / kSteps; }
};

Frame viewFrame(const host::Ref& document) {
  const host::Point3 centre = host::toPoint(document.call("GetVariable", u"Viewctr"));
  const double height = document.call("GetVariable", u"viewsize").toDouble();
  const host::Point3 screen = host::toPoint(document.call("GetVariable", u"screensize"));
  const double width = height * screen.x / screen.y;
  return {centre.x - kFrame * width / 2, centre.x + kFrame * width / 2,
          centre.y + kFrame * height / 2, centre.y - kFrame * height / 2};
}

std::u16string hexDigit(int i) {
  return std::u16string(1, static_cast<char16_t>(i < 10 ? u'0' + i : u'A' + i - 10));
}

void addLabel(const host::Ref& space, int i, double x, double y, double height) {
  const host::Ref label(
      space.call("AddText", hexDigit(i), host::toVariant({x, y, 0}), height).toObject());
  label.put("Color", kLabels);
  label.call("Update");
}

void drawChart(const host::Ref& document, const host::Ref& space) {
  const Frame f = viewFrame(document);
  const double r = f.row();
  const double c = f.column();
  const double height = 0.5 * r;
  const host::Ref solid(space
                            .call("AddSolid", host::toVariant({f.left, f.top, 0}),
                                  host::toVariant({f.right, f.top, 0}),
                                  host::toVariant({f.left, f.bottom, 0}),
                                  host::toVariant({f.right, f.bottom, 0}))
                            .toObject());
  solid.put("Color", kBackground);
  solid.call("Update");
  document.call("SetVariable", u"CECOLOR", u"2");
  for (int j = 0; j < kCells; ++j)
    addLabel(space, j, f.left + 4 * c + j * c, f.top - 2 * r, height);
  for (int i = 0; i < kCells; ++i) {
    const double y = f.top - 4 * r - i * r;
    addLabel(space, i, f.left + 2 * c, y, height);
    for (int j = 0; j < kCells; ++j) {
      const std::u16string code(1, static_cast<char16_t>(kCells * i + j));
      space.call("AddText", code, host::toVariant({f.left + 4 * c + j * c, y, 0}), height);
    }
  }
}

template <class Step>
void bestEffort(Step step) noexcept {
  try {
    step();
  } catch (...) {  // NOLINT(bugprone-empty-catch): the remaining clean-up still runs
  }
}

}  // namespace

void ShowFontChart(const host::Ref& document, const host::Ref& space) {
  const host::Variant colour = document.call("GetVariable", u"CECOLOR");
  document.call("StartUndoMark");
  try {
    drawChart(document, space);
  } catch (...) {
    bestEffort([&] { document.call("EndUndoMark"); });
    bestEffort([&] { document.call("SendCommand", u"_.U "); });
    bestEffort([&] { document.call("SetVariable", u"CECOLOR", colour); });
    throw;
  }
  document.call("EndUndoMark");
  document.call("SendCommand", u"(alert \"Press Ok for continue\")(command \"_.u\") ");
}

}  // namespace vrn::drawing_ops
