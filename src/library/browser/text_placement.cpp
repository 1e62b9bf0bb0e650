#include "library/browser/text_placement.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "encoding/tfrm_fonts.h"
#include "host/host_error.h"
#include "host/point.h"
#include "host/variant.h"

namespace vrn::library {
namespace {

using host::Variant;

constexpr char16_t kSetName[] = u"SSText";

// The picking set, cleared first so that a set left behind by an earlier
// pick adds nothing of its own, and deleted on every way out.
class PickSet {
 public:
  explicit PickSet(const host::Ref& doc) {
    const host::Ref sets = doc.obj("SelectionSets");
    try {
      set_ = sets.call("Add", std::u16string(kSetName)).toObject();
    } catch (const host::HostError&) {
      set_ = sets.call("Item", std::u16string(kSetName)).toObject();
    }
    set_.call("Clear");
  }
  PickSet(const PickSet&) = delete;
  PickSet& operator=(const PickSet&) = delete;
  ~PickSet() {
    try {
      set_.call("Delete");
    } catch (const host::HostError&) {
      // The set goes with the drawing in any case.
    }
  }
  const host::Ref& operator*() const { return set_; }

 private:
  host::Ref set_;
};

struct PutState {
  host::Point3 start;
  double height = 0;
  std::int32_t alignment = 2;  // right, so that the text ends at the start point
};

PutState beginPut(LibraryHost& host) {
  const host::Ref style = host.AcadDoc.obj("ActiveTextStyle");
  const double h0 = style.get("Height").toDouble();
  const host::Ref utility = host.AcadDoc.obj("Utility");
  PutState put;
  put.start = host::toPoint(utility.call("GetPoint", Variant(), std::u16string(u">Start point:")));
  put.height = h0;
  if (h0 == 0) {
    double h = 0;
    try {
      h = utility.call("GetDistance", host::toVariant(put.start), std::u16string(u">Height:"))
              .toDouble();
    } catch (const host::HostError&) {
      h = 0;  // a keyword or an empty answer: the current size
    }
    if (h < 1e-8) h = host.AcadDoc.call("GetVariable", std::u16string(u"TEXTSIZE")).toDouble();
    host.AcadDoc.call("SetVariable", std::u16string(u"TEXTSIZE"), h);
    put.height = h;
  }
  // The entities get CurStyleName, so they are converted by that style's font.
  host.NamedStyleFontType();
  put.alignment = host.fonts.cStBack ? 0 : 2;
  return put;
}

void createText(LibraryHost& host, const PutState& put, const std::u16string& stored,
                const host::Point3& at, bool updateFirst) {
  const host::Ref text =
      host.AcadSpace.call("AddText", stored, host::toVariant(at), put.height).toObject();
  text.put("StyleName", host.CurStyleName);
  text.put("Height", put.height);
  text.put("HorizontalAlignment", put.alignment);
  text.put("VerticalAlignment", std::int32_t{3});
  if (updateFirst) text.call("Update");
  const Variant q = text.get("InsertionPoint");
  host::Point3 target = at;
  if (put.alignment == 2) {
    std::vector<Variant> box(2);
    text.callByRef("GetBoundingBox", box);
    const host::Point3 low = host::toPoint(box[0]);
    const host::Point3 high = host::toPoint(box[1]);
    target.x = at.x - std::abs(low.x - high.x);
  }
  text.call("Move", q, host::toVariant(target));
  text.call("Update");
}

std::vector<std::u16string> splitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::u16string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

std::u16string pickTexts(LibraryHost& host) {
  PickSet set(host.AcadDoc);
  std::vector<Variant> types{Variant(std::int16_t{0})};
  std::vector<Variant> values{Variant(std::u16string(u"Text"))};
  try {
    (*set).call("SelectOnScreen", host::makeArray(types), host::makeArray(values));
  } catch (const host::HostError&) {
    return {};  // the user cancelled: nothing picked
  }
  const std::int32_t count = (*set).get("Count").toInt();
  std::u16string result;
  for (std::int32_t i = 0; i < count; ++i) {
    const host::Ref text = (*set).call("Item", i).toObject();
    const std::u16string stored = text.get("TextString").toString();
    host.classifyTextByStyle(text.get("StyleName").toString(), stored);
    result += host.fonts.AcadToEditWin(stored) + u"\r\n";
  }
  return result;
}

void putText(LibraryHost& host, std::u16string_view text) {
  try {
    const PutState put = beginPut(host);
    createText(host, put, host.fonts.EditToacadWin(text), put.start, false);
  } catch (const host::HostError&) {
    // Cancelling a prompt ends the job; what was made stays.
  }
}

void putLines(LibraryHost& host, std::u16string_view text) {
  try {
    const PutState put = beginPut(host);
    host::Point3 at{put.start.x, put.start.y, 0};
    for (const std::u16string& line : splitLines(text)) {
      const std::u16string stored = host.fonts.EditToacadWin(line);
      if (!stored.empty()) createText(host, put, stored, at, true);
      at.y -= 1.5 * put.height;
    }
  } catch (const host::HostError&) {
    // As for one text.
  }
}

}  // namespace vrn::library
