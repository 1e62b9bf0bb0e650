#include "attributes/attribute_editors.h"

#include <map>
#include <vector>

#include "attributes/tfrm_grid.h"
#include "encoding/tfrm_fonts.h"
#include "host/entity_type.h"
#include "host/undo_mark.h"
#include "library/tdb.h"
#include "ui/message_box.h"
#include "ui/owned_form.h"

namespace vrn::attributes {
namespace {

constexpr std::int32_t kBackwardFlag = 2;

// The prompt of every tag the block's definition gives one; for a tag
// defined twice the later definition wins. Entities that cannot be read
// are skipped.
std::map<std::u16string, std::u16string> promptsOf(const host::Ref& block) {
  std::map<std::u16string, std::u16string> prompts;
  for (std::int32_t i = block.get("Count").toInt() - 1; i >= 0; --i) {
    try {
      const host::Ref entity = block.call("Item", i).toObject();
      if (entity.get("EntityType").toInt() !=
          static_cast<std::int32_t>(host::EntityType::AttributeDefinition))
        continue;
      const std::u16string tag = entity.get("TagString").toString();
      if (!tag.empty()) prompts.emplace(tag, entity.get("PromptString").toString());
    } catch (const host::HostError&) {
    }
  }
  return prompts;
}

void restore(encoding::TfrmFonts& fonts, const encoding::FontState& font) {
  fonts.cStType = font.type;
  fonts.cStBack = font.backward;
}

void warnNoAttributes(ui::Toolkit& toolkit) {
  ui::MessageBoxRequest request;
  request.text = u"Block without Attributes.";
  request.caption = ui::applicationTitle;
  request.icon = ui::MessageIcon::Warning;
  ui::messageBox(toolkit, request);
}

// What each attribute was read with, to write it back the same way.
struct ReadAttribute {
  host::Ref entity;
  encoding::FontState font;
};

void fillRow(AttributeContext& c, TfrmGrid& form, int row, ReadAttribute& attribute,
             const std::map<std::u16string, std::u16string>& prompts) {
  const host::Ref& a = attribute.entity;
  const auto index = static_cast<std::size_t>(row);
  form.sfactor[index] = form.storedFactor[index] = a.get("ScaleFactor").toDouble();
  const std::u16string tag = a.get("TagString").toString();
  const auto prompt = prompts.find(tag);
  const std::u16string value = a.get("TextString").toString();
  c.host.classifyTextByStyle(a.get("StyleName").toString(), value);
  c.fonts.cStBack = a.get("TextGenerationFlag").toInt() == kBackwardFlag;
  attribute.font = c.fonts.currentFontState();
  form.setCell(kTagCol, row, tag);
  form.setCell(kPromptCol, row,
               prompt == prompts.end() || prompt->second.empty() ? tag : prompt->second);
  form.setCell(kValueCol, row, c.fonts.AcadToEditWin(value));
  if (form.isBson && form.bson.find(tag) != nullptr) form.markHistory(row);
}

void writeRow(AttributeContext& c, const TfrmGrid& form, int row, const ReadAttribute& attribute) {
  const host::Ref& a = attribute.entity;
  const std::u16string value = form.cell(kValueCol, row);
  if (!value.empty()) {
    a.put("ScaleFactor", form.sfactor[static_cast<std::size_t>(row)]);
    restore(c.fonts, attribute.font);
    a.put("TextString", c.fonts.EditToacadWin(value));
  } else if (!a.get("TextString").toString().empty()) {
    // An attribute emptied in the editor keeps one blank.
    a.put("TextString", u" ");
  }
}

}  // namespace

void EditBlock(AttributeContext& c, const std::u16string& handle) {
  c.Vrnstr.clear();
  host::Ref& doc = c.host.AcadDoc;
  const host::Ref reference = doc.call("HandleToObject", handle).toObject();
  const std::u16string name = reference.get("Name").toString();
  library::Tdb db(c.DataDir);
  ui::OwnedForm<TfrmGrid> form(c.toolkit, c.Rinistr, c.Vrnstr);
  const std::optional<std::u16string> badHistory = form->readHistory(db, name);
  const host::Ref block = doc.obj("Blocks").call("Item", name).toObject();
  const host::Variant list = reference.get("GetAttributes");
  const host::SafeArray& items = list.array();
  if (items.upper() < 0 || items.lower < 0) return warnNoAttributes(c.toolkit);
  if (badHistory) ui::showMessage(c.toolkit, *badHistory);

  form->lblName.setCaption(u"Block:   " + name);
  const std::map<std::u16string, std::u16string> prompts = promptsOf(block);
  const int rows = static_cast<int>(items.items.size());
  form->setRowCount(rows);
  std::vector<ReadAttribute> attributes;
  for (int i = 0; i < rows; ++i) {
    attributes.push_back({items.items[static_cast<std::size_t>(i)].toObject(), {}});
    fillRow(c, *form, i, attributes.back(), prompts);
  }
  form->selectRow(0);
  form->showModal();
  if (form->isCancel) return;
  const host::UndoMark mark(doc);
  for (int i = 0; i < rows; ++i) writeRow(c, *form, i, attributes[static_cast<std::size_t>(i)]);
}

void EditAttributeDefinition(AttributeContext& c, const std::u16string& handle) {
  host::Ref& doc = c.host.AcadDoc;
  const host::Ref definition = doc.call("HandleToObject", handle).toObject();
  const std::u16string prompt = definition.get("PromptString").toString();
  const std::u16string tag = definition.get("TagString").toString();
  const std::u16string value = definition.get("TextString").toString();
  const std::u16string style = definition.get("StyleName").toString();
  c.host.classifyTextByStyle(style, value);
  const std::u16string fontFile = c.host.CurStyle.get("FontFile").toString();

  ui::OwnedForm<TfrmGrid> form(c.toolkit, c.Rinistr, c.Vrnstr);
  form->setDefinitionMode();
  form->lblName.setCaption(u"Style: " + style + u"   Font: " + fontFile);
  form->isBson = false;
  form->setRowCount(kDefinitionRow + 1);
  form->setCell(kTagCol, 1, u"Tag");
  form->setCell(kPromptCol, 1, u"Prompt");
  form->setCell(kValueCol, 1, u"Value");
  form->setCell(kTagCol, kDefinitionRow, tag);
  form->setCell(kPromptCol, kDefinitionRow, prompt);
  form->setCell(kValueCol, kDefinitionRow, c.fonts.AcadToEditWin(value));
  form->selectRow(kDefinitionRow);
  const encoding::FontState font = c.fonts.currentFontState();
  form->showModal();
  if (form->isCancel) return;

  const host::UndoMark mark(doc);
  definition.put("TagString", form->cell(kTagCol, kDefinitionRow));
  definition.put("PromptString", form->cell(kPromptCol, kDefinitionRow));
  restore(c.fonts, font);
  const std::u16string stored = c.fonts.EditToacadWin(form->cell(kValueCol, kDefinitionRow));
  if (!stored.empty()) definition.put("TextString", stored);
  definition.call("Update");
}

}  // namespace vrn::attributes
