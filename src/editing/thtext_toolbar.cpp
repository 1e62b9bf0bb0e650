// The toolbar of the single-line editor: special characters, the Alt-key
// codes and key definitions of the Windows editor, the font-type spin
// button, the style menu, height, angle and justification. Every property
// change is written into the live entity at once, like the text.

#include <cstdio>
#include <numbers>

#include "editing/font_type_name.h"
#include "editing/justification.h"
#include "editing/number_field.h"
#include "editing/thtext.h"
#include "encoding/tfrm_fonts.h"

namespace vrn::editing {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Alt+digit in the Windows editor, for ordinary texts and for dimensions
// (whose override takes \U+ codes); digits not listed insert nothing.
struct AltCode {
  int digit;
  const char16_t* text;
  const char16_t* dimension;
};
constexpr AltCode kAltCodes[] = {
    {0, u"%%160", u"\\U+00A0"}, {5, u"%%155", u"%%155"},    {6, u"%%156", u"\\U+009C"},
    {7, u"%%157", u"\\U+009D"}, {8, u"%%158", u"\\U+009E"}, {9, u"%%159", u"\\U+009F"},
};

// tb1 .. tb13 outside a symbol font; the last five insert nothing.
constexpr const char16_t* kButtonCodes[13] = {u"%%d",   u"%%p",   u"%%c",   u"%%160", u"%%157",
                                              u"%%158", u"%%159", u"%%161", u"",      u"",
                                              u"",      u"",      u""};

std::u16string ascii(const char* text) {
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

// "&" in a caption marks the accelerator; a style name shows it as is.
std::u16string menuCaption(const std::u16string& name) {
  std::u16string caption;
  for (char16_t c : name) {
    if (c == u'&') caption += u'&';
    caption += c;
  }
  return caption;
}

std::u16string styleFont(const host::Ref& style) {
  std::u16string font = style.get("FontFile").toString();
  if (font.empty()) font = style.get("BigFontFile").toString();
  return font;
}

}  // namespace

// ---- key definitions and Alt codes ---------------------------------------------------

void Thtext::Edit1KeyDown(ui::KeyEvent& key) {
  if (state_.ActiveEditor != ScreenEditor::Windows) return;
  deleteF = key.key == ui::vk::kBack || key.key == ui::vk::kDel;
  if (!fonts_.keyDefinitions.missing) {
    // A key that editdef.txt defines types its text; the others keep their codes.
    const std::u16string text =
        fonts_.KeyDefText({key.shift.shift, key.shift.alt, key.shift.ctrl}, key.key);
    if (!text.empty()) {
      Edit1.setSelText(text);
      key.swallow();
      return;
    }
  }
  if (!key.shift.alt || key.shift.ctrl || key.shift.shift || key.key < '0' || key.key > '9') return;
  for (const AltCode& code : kAltCodes) {
    if (key.key == ui::vk::digit(code.digit)) Edit1.setSelText(isDim ? code.dimension : code.text);
  }
  key.swallow();
}

// ---- special characters --------------------------------------------------------------

void Thtext::insertIntoActiveEditor(std::u16string_view text) {
  if (text.empty()) return;
  activeEdit().setSelText(text);
}

void Thtext::tbClick(int j) {
  if (isSymbolFont) {
    if (fonts_.csymb == nullptr) return;
    const int code = fonts_.csymb->button(static_cast<std::size_t>(j)) & 0xFF;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, isDim ? "\\U+00%2.2x" : "%%%%%d", code);
    insertIntoActiveEditor(ascii(buffer));
    return;
  }
  insertIntoActiveEditor(kButtonCodes[j - 1]);
}

void Thtext::ToolButton10Click() { insertIntoActiveEditor(u"%%u"); }

void Thtext::refreshSymbolButtons() {
  const encoding::tsymb* symbols = fonts_.symbolFont(fonts_.cStFont);
  fonts_.csymb = symbols;
  isSymbolFont = symbols != nullptr;
  for (std::size_t j = 1; j <= btntArray.size(); ++j) {
    // Outside a symbol font the first three are shown again, whatever an
    // earlier symbol font did to them.
    const bool visible = symbols ? symbols->button(j) != 0 : j <= 3;
    btntArray[j - 1]->setVisible(visible);
  }
}

// ---- font-type spin ------------------------------------------------------------------

void Thtext::btn1UpClick() { cycleFontType(); }

void Thtext::btn1DownClick() { cycleFontType(); }

void Thtext::cycleFontType() {
  fonts_.cStType = nextFontType(fonts_.cStType);
  edt1.setText(fontTypeName(fonts_.cStType));
  state_.pendingFontType = {fonts_.cStFont, fonts_.cStType};
  ui::Edit& editor = activeEdit();
  if (state_.ActiveEditor == ScreenEditor::Windows && editor.text().empty()) return;
  auto handler = std::move(editor.onChange);
  editor.onChange = nullptr;
  if (eText) {
    if (edkind == EdKind::edNew) {
      writeLive(editor.text());  // the entity in the new type's byte form
    } else {
      editor.setText(toEditor(storedText()));
    }
  }
  editor.onChange = std::move(handler);
}

// ---- style menu and toolbar fill -----------------------------------------------------

void Thtext::fillStyleMenuAndToolbar() {
  pupSt.clear();
  const int count = host_.AcadStyles.get("Count").toInt();
  for (int i = 0; i < count; ++i) {
    cSt = host_.AcadStyles.call("Item", i).toObject();
    const std::u16string name = cSt.get("Name").toString();
    if (name.empty()) continue;
    // The name itself is the item's value, so a name holding "&" is found.
    ui::MenuItem& item = pupSt.addItem(menuCaption(name), host::Variant(name));
    item.setRadioItem(true);
    item.setGroupIndex(1);
    item.setChecked(name == host_.CurStyleName);
    item.onClick = [this, &item] { mnStyleClick(item); };
  }
  const double h = host_.CurStyle.get("Height").toDouble();
  if (h > 0) {
    ui::Font font = edH.font();
    font.color = ui::colors::red;
    edH.setFont(font);
  }
  if (edkind == EdKind::edNew) {
    edH.setText(fixedText(h > 0 ? h : eText.get("Height").toDouble(), 2));
    AngText = eText.get("Rotation").toDouble();
    edAng.setText(fixedText(AngText * kDegreesPerRadian, 1));
    if (fonts_.cStBack) {
      cbxJust.setItemIndex(1);
      curhjust = 0;
    } else {
      cbxJust.setItemIndex(0);
      curhjust = 2;
    }
    curvjust = 0;
  } else if (singleLineText()) {
    HCurText = eText.get("Height").toDouble();
    edH.setText(fixedText(HCurText, 2));
    AngText = eText.get("Rotation").toDouble();
    edAng.setText(fixedText(AngText * kDegreesPerRadian, 1));
    curhjust = eText.get("HorizontalAlignment").toInt();
    curvjust = eText.get("VerticalAlignment").toInt();
    if (const auto index = itemOfAlignment({curhjust, curvjust})) cbxJust.setItemIndex(*index);
  }
  // Filling the fields is no edit of them.
  isHeightCh = isAngCh = false;
}

void Thtext::mnStyleClick(ui::MenuItem& item) {
  item.setChecked(true);
  const std::u16string name = item.value().toString();
  host_.CurStyle = host_.AcadStyles.call("Item", name).toObject();
  host_.CurStyleName = name;
  if (edkind == EdKind::edNew) {
    cSt = host_.CurStyle;
    host_.AcadDoc.call("SetVariable", u"TextStyle", name);
  }
  const std::u16string font = styleFont(host_.CurStyle);
  if (edReady && eText) {
    eText.put("StyleName", name);
    host_.classifyCurStyle({});
    const std::u16string text = activeEdit().text();
    curText = text.empty() ? std::u16string() : toStored(text);
    writeText(curText);
    eText.call("Update");
  }
  showFontTypeAndCaption(name, font);
  refreshSymbolButtons();
  if (host_.CurStyle.get("Height").toDouble() > 0) {
    ui::Font edHFont = edH.font();
    edHFont.color = ui::colors::grey;
    edH.setFont(edHFont);
  }
}

// ---- height, angle, justification ----------------------------------------------------

void Thtext::edHChange() { isHeightCh = true; }

void Thtext::edAngChange() { isAngCh = true; }

void Thtext::edHExit() {
  if (!edReady || !isHeightCh || !singleLineText()) return;
  const double value = parseNumber(edH.text());
  isHeightCh = false;
  hhText = value;
  eText.put("Height", value);
  HCurText = value;
  eText.call("Update");
}

void Thtext::edAngExit() {
  if (!edReady || !isAngCh || !singleLineText()) return;
  const double value = parseNumber(edAng.text());
  isAngCh = false;
  AngText = value / kDegreesPerRadian;
  eText.put("Rotation", AngText);
  eText.call("Update");
}

void Thtext::cbxJustChange() {
  if (cbxJust.itemIndex() < 0) return;
  const Alignment alignment = alignmentOfItem(cbxJust.itemIndex());
  curhjust = alignment.horizontal;
  curvjust = alignment.vertical;
  if (edReady && singleLineText()) writeAlignmentInPlace(curhjust, curvjust);
}

void Thtext::writeAlignmentInPlace(std::int32_t horizontal, std::int32_t vertical) {
  const host::Variant p0 = eText.get("InsertionPoint");
  eText.put("HorizontalAlignment", horizontal);
  eText.put("VerticalAlignment", vertical);
  eText.call("Update");
  const host::Variant p1 = eText.get("InsertionPoint");
  eText.call("Move", p1, p0);
  eText.call("Update");
}

}  // namespace vrn::editing
