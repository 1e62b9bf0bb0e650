#include "editing/mtext_operations.h"

#include <cmath>
#include <cstdio>

#include "editing/mtext_codec.h"
#include "editing/tfrmmtext.h"
#include "encoding/tfrm_fonts.h"
#include "host/host_error.h"
#include "host/point.h"
#include "host/undo_mark.h"
#include "ui/owned_form.h"

namespace vrn::editing {
namespace {

constexpr int kTopVertical = 3;
constexpr int kTopLeft = 1;
constexpr int kTopRight = 3;
constexpr int kColumns = 3;
constexpr char16_t kParagraphBreak[] = u"\\P";
// Two more characters than the longest line, so the frame never wraps it.
constexpr char16_t kWidthAllowance[] = u"99";

double xExtent(const host::Ref& entity) {
  std::vector<host::Variant> corners(2);
  entity.callByRef("GetBoundingBox", corners);
  return std::abs(host::toPoint(corners[1]).x - host::toPoint(corners[0]).x);
}

std::vector<std::u16string> toStored(const encoding::TfrmFonts& fonts,
                                     const std::vector<std::u16string>& lines) {
  std::vector<std::u16string> stored;
  stored.reserve(lines.size());
  for (const std::u16string& line : lines) stored.push_back(fonts.EditToacadWin(line));
  return stored;
}

// The width of the longest stored line plus the allowance, measured on a
// text that is added and erased at once.
double frameWidth(MtextContext& c, const std::vector<std::u16string>& stored) {
  const std::u16string* longest = &stored.front();
  for (const std::u16string& line : stored) {
    if (line.size() > longest->size()) longest = &line;
  }
  const host::Ref probe = c.host.AcadSpace
                              .call("AddText", *longest + kWidthAllowance,
                                    host::toVariant(c.state.MtextPoint), c.state.MtextHeight)
                              .toObject();
  const double width = xExtent(probe);
  probe.call("Erase");
  return width;
}

std::u16string joinParagraphs(const std::vector<std::u16string>& stored) {
  std::u16string text;
  for (const std::u16string& line : stored) text += line + kParagraphBreak;
  return text;
}

void placeExploded(MtextContext& c, const std::vector<std::u16string>& stored, double spacing,
                   int justification) {
  for (const std::u16string& line : stored) {
    host::Point3 target = c.state.MtextPoint;
    if (!line.empty()) {
      const host::Ref text =
          c.host.AcadSpace
              .call("AddText", line, host::toVariant(c.state.MtextPoint), c.state.MtextHeight)
              .toObject();
      text.put("HorizontalAlignment", justification);
      text.put("VerticalAlignment", kTopVertical);
      text.put("Layer", c.host.CurLayerName);
      text.put("StyleName", c.state.MtextStyleName);
      text.call("Update");
      if (justification == kJustifyRight) target.x -= xExtent(text);
      text.call("Move", text.get("InsertionPoint"), host::toVariant(target));
      text.call("Update");
    }
    c.state.MtextPoint.y = target.y - spacing;
  }
}

void placeMtext(MtextContext& c, const std::vector<std::u16string>& stored, int justification) {
  const double width = frameWidth(c, stored);
  const host::Ref m =
      c.host.AcadSpace.call("AddMText", host::toVariant(c.state.MtextPoint), width, u".")
          .toObject();
  m.put("Height", c.state.MtextHeight);
  m.put("TextString", joinParagraphs(stored));
  m.put("StyleName", c.state.MtextStyleName);
  m.put("Layer", c.host.CurLayerName);
  m.put("AttachmentPoint", justification == kJustifyRight ? kTopRight : kTopLeft);
  m.call("Update");
}

std::u16string heightPrompt(double textSize) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "Height : <%.2f>", textSize);
  return {buffer, buffer + std::char_traits<char>::length(buffer)};
}

bool isKeyword(const host::HostError& error) {
  return std::string_view(error.what()).find("keyword") != std::string_view::npos;
}

}  // namespace

bool attachmentIsRight(int attachment) { return attachment % kColumns == 0; }

int attachmentAfterEdit(int opened, bool openedRight, bool right) {
  if (right == openedRight) return opened;
  const int row = opened >= 1 && opened <= kColumns * kColumns ? (opened - 1) / kColumns : 0;
  return row * kColumns + (right ? kTopRight : kTopLeft);
}

void PlaceLines(MtextContext& context, const std::vector<std::u16string>& lines, bool explode,
                double spacing, int justification) {
  if (lines.empty()) return;
  const std::vector<std::u16string> stored = toStored(context.fonts, lines);
  if (explode) {
    placeExploded(context, stored, spacing, justification);
  } else {
    placeMtext(context, stored, justification);
  }
}

void CreateMtext(MtextContext& context) {
  MtextState& state = context.state;
  HostAccess& view = context.host.view;
  const host::UndoMark mark(view.AcadDoc);
  context.host.CurLayerName = view.AcadDoc.obj("ActiveLayer").get("Name").toString();
  const host::Ref utility = view.AcadDoc.obj("Utility");
  const host::Variant p = utility.call("GetPoint", host::Variant(), u">Start point:");
  const double textSize = view.AcadDoc.call("GetVariable", u"TEXTSIZE").toDouble();
  double height = textSize;
  try {
    height = utility.call("GetDistance", p, heightPrompt(textSize)).toDouble();
  } catch (const host::HostError& error) {
    if (!isKeyword(error)) throw;
  }
  // No text can have this height: stop before the user types anything.
  if (!(height > 0)) return;
  const host::Point3 start = host::toPoint(p);
  state.MtextPoint = {start.x, start.y, 0};
  state.MtextBasePoint = start;
  state.MtextHeight = height;
  view.ActiveStyleFontType();

  ui::OwnedForm<Tfrmmtext> form(context.toolkit, context.Rinistr, state);
  state.MtextStyleName = view.CurStyleName;
  form->showStyle(view.CurStyleName, view.CurStyle.get("FontFile").toString(), height);
  if (form->showModal() != ui::ModalResult::OK) return;
  const int justification = form->btnR.down()   ? kJustifyRight
                            : form->btnL.down() ? kJustifyLeft
                                                : 1;
  PlaceLines(context, form->memoLines(), form->explode(), form->explode() ? form->spacing() : 0,
             justification);
}

void EditMtext(MtextContext& context, const std::u16string& handle) {
  MtextState& state = context.state;
  HostAccess& view = context.host.view;
  const host::UndoMark mark(view.AcadDoc);
  const host::Ref e = view.AcadDoc.call("HandleToObject", handle).toObject();
  const std::u16string decoded = DecodeUnicodeEscapes(e.get("TextString").toString());
  context.host.CurLayerName = e.get("Layer").toString();
  classifyNamedStyle(view, e.get("StyleName").toString(), {});

  std::vector<std::u16string> opened;
  for (const std::u16string& paragraph : splitParagraphs(stripFormatGroup(decoded))) {
    opened.push_back(context.fonts.AcadToEditWin(paragraph));
  }
  const int attachment = e.get("AttachmentPoint").toInt();
  const bool openedRight = attachmentIsRight(attachment);

  ui::OwnedForm<Tfrmmtext> form(context.toolkit, context.Rinistr, state);
  form->setMemoLines(opened);
  form->setAlignRight(openedRight);
  state.MtextHeight = e.get("Height").toDouble();
  form->showStyle(view.CurStyleName, view.CurStyle.get("FontFile").toString(), state.MtextHeight);
  if (form->showModal() != ui::ModalResult::OK) return;

  const std::vector<std::u16string> lines = form->memoLines();
  if (lines.empty()) return;
  const bool right = form->alignRight();
  state.MtextBasePoint = host::toPoint(e.get("InsertionPoint"));
  state.MtextPoint = state.MtextBasePoint;
  state.MtextStyleName = view.CurStyleName;
  if (form->explode()) {
    // The texts stand before the MTEXT goes.
    PlaceLines(context, lines, true, form->spacing(), right ? kJustifyRight : kJustifyLeft);
    e.call("Erase");
    return;
  }
  // Rewriting an unchanged MTEXT would only lose its formatting.
  if (lines == opened && right == openedRight) return;
  const std::vector<std::u16string> stored = toStored(context.fonts, lines);
  const double width = frameWidth(context, stored);
  e.put("TextString", joinParagraphs(stored));
  e.put("Width", width);
  e.put("AttachmentPoint", attachmentAfterEdit(attachment, openedRight, right));
  e.call("Update");
}

}  // namespace vrn::editing
