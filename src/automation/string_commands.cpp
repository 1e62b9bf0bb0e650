#include "automation/string_commands.h"

#include <optional>

#include "automation/module.h"
#include "encoding/string_conversion.h"
#include "encoding/tfrm_fonts.h"

namespace vrn::automation {
namespace {

constexpr std::int32_t kTextEntity = 32;
constexpr std::int32_t kAttributeEntity = 6;
constexpr int kSavedPairKind = 11;

std::optional<fntType> fontTypeOfKind(int kind) {
  if (kind < 0 || kind > static_cast<int>(fntType::TrueType)) return std::nullopt;
  return static_cast<fntType>(kind);
}

// The single-line text or attribute reference of that handle, if it is one.
host::Ref textEntity(HostView& view, const std::u16string& handle) {
  host::Ref entity = view.AcadDoc.call("HandleToObject", handle).toObject();
  const std::int32_t type = entity.get("EntityType").toInt();
  return type == kTextEntity || type == kAttributeEntity ? entity : host::Ref();
}

// Looks up the entity's style and sets cStType and cStBack from it.
void classifyEntityStyle(Module& module, const host::Ref& entity, const std::u16string& text) {
  HostView& view = module.view();
  view.CurStyleName = entity.get("StyleName").toString();
  view.CurStyle = view.AcadStyles.call("item", view.CurStyleName).toObject();
  const std::u16string font = view.curStyleFont();
  module.frmFonts().cStBack = view.curStyleBackward();
  module.frmFonts().SetFntType(font, text);
}

}  // namespace

std::u16string acadToStrText(const std::u16string& text, int kind) {
  const auto type = fontTypeOfKind(kind);
  return type ? encoding::AcadToStr(text, *type, false) : std::u16string();
}

std::u16string strToAcadText(const std::u16string& text, int type) {
  const auto fontType = fontTypeOfKind(type);
  return fontType ? encoding::StrToAcad(text, *fontType, false) : std::u16string();
}

void AcadToStrByHandle(Module& module, const std::u16string& handle, int kind) {
  const host::Ref entity = textEntity(module.view(), handle);
  if (!entity) return;
  const std::u16string text = entity.get("TextString").toString();
  classifyEntityStyle(module, entity, text);
  encoding::TfrmFonts& fonts = module.frmFonts();
  if (kind == kSavedPairKind) {
    fonts.oldback = fonts.cStBack;
    fonts.oldst = fonts.cStType;
  }
  module.Vrnstr = encoding::AcadToStr(text, fonts.cStType, fonts.cStBack);
}

void StrToAcadByHandle(Module& module, const std::u16string& handle, int kind) {
  const host::Ref entity = textEntity(module.view(), handle);
  if (!entity) return;
  const std::u16string text = entity.get("TextString").toString();
  encoding::TfrmFonts& fonts = module.frmFonts();
  if (kind == kSavedPairKind) {
    fonts.cStBack = fonts.oldback;
    fonts.cStType = fonts.oldst;
  } else {
    classifyEntityStyle(module, entity, text);
  }
  module.Vrnstr = encoding::StrToAcad(text, fonts.cStType, fonts.cStBack);
  entity.put("TextString", module.Vrnstr);
}

}  // namespace vrn::automation
