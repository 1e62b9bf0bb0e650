#include "automation/string_commands.h"

#include <optional>

#include "automation/module.h"
#include "encoding/string_conversion.h"
#include "encoding/tfrm_fonts.h"
#include "host/entity_type.h"
#include "host/host_error.h"

namespace vrn::automation {
namespace {

constexpr int kLastTextKind = 10;
constexpr int kSavedPairKind = 11;

std::optional<fntType> fontTypeOfKind(int kind) {
  if (kind < 0 || kind > static_cast<int>(fntType::TrueType)) return std::nullopt;
  return static_cast<fntType>(kind);
}

std::u16string convertText(StringConversion conversion, const std::u16string& text, int kind) {
  const auto type = fontTypeOfKind(kind);
  if (!type) return {};
  return conversion == StringConversion::AcadToStr ? encoding::AcadToStr(text, *type, false)
                                                   : encoding::StrToAcad(text, *type, false);
}

// The single-line text or attribute reference of that handle, if it is one.
host::Ref textEntity(HostView& view, const std::u16string& handle) {
  host::Ref entity = view.AcadDoc.call("HandleToObject", handle).toObject();
  const host::EntityType type = host::entityTypeOf(entity);
  return type == host::EntityType::Text || type == host::EntityType::Attribute ? entity
                                                                               : host::Ref();
}

// Looks up the entity's style and sets cStType and cStBack from it.
void classifyEntityStyle(Module& module, const host::Ref& entity, const std::u16string& text) {
  module.view().classifyTextByStyle(entity.get("StyleName").toString(), text);
}

}  // namespace

void convertString(Module& module, StringConversion conversion, const std::u16string& ent,
                   int kind) {
  if (kind <= kLastTextKind) {
    module.Vrnstr = convertText(conversion, ent, kind);
    return;
  }
  module.view().RefreshAcad();
  if (conversion == StringConversion::AcadToStr) {
    AcadToStrByHandle(module, ent, kind);
  } else {
    StrToAcadByHandle(module, ent, kind);
  }
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
    fonts.oldSaved = true;
  }
  module.Vrnstr = encoding::AcadToStr(text, fonts.cStType, fonts.cStBack);
}

void StrToAcadByHandle(Module& module, const std::u16string& handle, int kind) {
  const host::Ref entity = textEntity(module.view(), handle);
  if (!entity) return;
  const std::u16string text = entity.get("TextString").toString();
  encoding::TfrmFonts& fonts = module.frmFonts();
  if (kind == kSavedPairKind) {
    if (!fonts.oldSaved) {
      throw host::HostError(host::hr::kFail,
                            "strtoacad 11 writes with the font type that an acadtostr 11 "
                            "saved, and none ran since vrn was loaded");
    }
    fonts.cStBack = fonts.oldback;
    fonts.cStType = fonts.oldst;
  } else {
    classifyEntityStyle(module, entity, text);
  }
  module.Vrnstr = encoding::StrToAcad(text, fonts.cStType, fonts.cStBack);
  entity.put("TextString", module.Vrnstr);
}

}  // namespace vrn::automation
