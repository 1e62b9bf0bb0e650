#include "automation/host_view.h"

#include <stdexcept>

#include "encoding/keyboard_switch.h"
#include "encoding/tfrm_fonts.h"
#include "host/host_error.h"
#include "host/point.h"
#include "platform/code_page.h"
#include "platform/keyboard_layouts.h"

namespace vrn::automation {
namespace {

constexpr std::size_t kMaxKeyboardLayouts = 40;
constexpr std::int32_t kModelSpace = 1;
constexpr std::int32_t kBackwardFlag = 2;

std::vector<std::u16string> namesOf(const host::Ref& collection) {
  std::vector<std::u16string> names;
  const std::int32_t count = collection.get("count").toInt();
  for (std::int32_t i = 0; i < count; ++i) {
    names.push_back(host::Ref(collection.call("item", i).toObject()).get("name").toString());
  }
  return names;
}

}  // namespace

HostView::HostView(encoding::TfrmFonts& fonts) : fonts_(&fonts) {}

void HostView::RefreshAcad() {
  // Not a host error: no host was asked, so there is no HRESULT of its own.
  if (!AcadApp) throw std::runtime_error("No application object: call SetApp first");
  // Fails when the host is gone.
  AcadApp.get("version");
  try {
    AcadDoc = AcadApp.obj("ActiveDocument");
  } catch (const std::exception&) {
    // No active document just now: keep working on the last one.
  }
  // None ever read: like a missing application, no host error.
  if (!AcadDoc) throw std::runtime_error("No active document");
  AcadDocCopy = AcadDoc;
  AcadSpace = AcadDoc.get("ActiveSpace").toInt() == kModelSpace ? AcadDoc.obj("ModelSpace")
                                                                : AcadDoc.obj("PaperSpace");
  AcadStyles = AcadDoc.obj("TextStyles");
  try {
    CurLayerName = AcadDoc.obj("ActiveLayer").get("name").toString();
  } catch (const std::exception&) {
    CurLayerName = u"0";
  }
  LoadKeyboardLayouts();
}

void HostView::LoadKeyboardLayouts() {
  const auto layouts = platform::installedKeyboardLayouts(kMaxKeyboardLayouts);
  Languages.clear();
  for (const auto& layout : layouts) {
    Languages.push_back(TLanguageEntry{platform::toByteForm(layout.languageName), layout.languageId,
                                       platform::toByteForm(layout.isoCode)});
  }
  LanguageCount = static_cast<std::int32_t>(Languages.size());
  KeyboardIsHebrew = encoding::KeyboardIsHebrew();
}

StyleFontType HostView::readCurStyle() const {
  StyleFontType found;
  found.font = CurStyle.get("FontFile").toString();
  if (found.font.empty()) found.font = CurStyle.get("BigFontFile").toString();
  found.backward = CurStyle.get("TextGenerationFlag").toInt() == kBackwardFlag;
  return found;
}

StyleFontType HostView::classify(StyleFontType found, std::u16string_view stored) {
  fonts_->cStBack = found.backward;
  fonts_->SetFntType(found.font, stored);
  found.type = fonts_->cStType;
  return found;
}

void HostView::ActiveStyleFontType() {
  CurStyle = AcadDoc.obj("ActiveTextStyle");
  CurStyleName = CurStyle.get("name").toString();
  classify(readCurStyle(), {});
}

StyleFontType HostView::classifyCurStyle(std::u16string_view stored) {
  return classify(readCurStyle(), stored);
}

// CurStyleName stays as the caller set it.
void HostView::NamedStyleFontType() { classifyTextByStyle(CurStyleName, {}); }

StyleFontType HostView::classifyTextByStyle(const std::u16string& styleName,
                                            std::u16string_view stored, MissingStyle missing) {
  return classify(lookUpStyle(styleName, missing), stored);
}

StyleFontType HostView::lookUpStyle(const std::u16string& styleName, MissingStyle missing) {
  CurStyleName = styleName;
  try {
    CurStyle = AcadStyles.call("item", CurStyleName).toObject();
    return readCurStyle();
  } catch (const host::HostError&) {
    if (missing == MissingStyle::Raise) throw;
    CurStyle = host::Ref();
    return {};
  }
}

std::vector<std::u16string> HostView::StyleNames() const { return namesOf(AcadStyles); }

std::vector<std::u16string> HostView::LayerNames() const { return namesOf(AcadDoc.obj("Layers")); }

void HostView::clear() {
  AcadApp = AcadDoc = AcadDocCopy = AcadSpace = AcadStyles = CurStyle = host::Ref();
  CurStyleName.clear();
  CurLayerName.clear();
  Languages.clear();
  LanguageCount = 0;
  KeyboardIsHebrew = false;
}

host::Variant MakePoint(double x, double y, double z) { return host::toVariant({x, y, z}); }

host::Variant MakePoint(double x, double y) { return MakePoint(x, y, 0); }

}  // namespace vrn::automation
