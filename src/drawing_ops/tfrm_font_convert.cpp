#include "drawing_ops/tfrm_font_convert.h"

#include "ascii/letter_case.h"
#include "ui/message_box.h"

namespace vrn::drawing_ops {
namespace {

// The items of the Mapping group and the layouts they remap to.
struct Mapping {
  const char16_t* caption;
  fntType target;
};
constexpr Mapping kMappings[] = {{u"Dos Hebrew", fntType::DosHebrew},
                                 {u"English (7 bit)", fntType::DosEnglish},
                                 {u"Windows", fntType::WindowsHeb},
                                 {u"None", fntType::TrueType}};
constexpr int kNone = 3;

}  // namespace

TfrmFontConvert::TfrmFontConvert(ui::Toolkit& toolkit, host::Ref document, FontTypeOf typeOf,
                                 bool reverseTTF)
    : Form(toolkit, "TfrmFontConvert"),
      document_(std::move(document)),
      typeOf_(std::move(typeOf)),
      reverseTTF_(reverseTTF) {
  setCaption(u"Vornel Font Converter");
  setBounds({0, 140, 560, 360});
  lstFonts.setBounds({8, 8, 200, 280});
  lstFonts.setSorted(true);
  btnSelectAll.setBounds({8, 296, 96, 26});
  btnUnselectAll.setBounds({112, 296, 96, 26});
  PageControl1.setBounds({216, 8, 336, 314});
  PageControl1.addPage(tsConvert);
  PageControl1.addPage(tsRemap);

  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &Label1, &cbRightToLeft, &Label2, &cbStyles, &btnConvert, &btnClose}) {
    control->setParent(&tsConvert);
  }
  Label1.setBounds({232, 40, 304, 40});
  cbRightToLeft.setBounds({232, 88, 304, 22});
  Label2.setBounds({232, 124, 120, 20});
  cbStyles.setBounds({360, 120, 176, 24});
  cbStyles.setSorted(true);
  btnConvert.setBounds({232, 280, 96, 28});
  btnClose.setBounds({440, 280, 96, 28});

  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&rgMapping, &cbReverse, &btnRemap, &btnClose2}) {
    control->setParent(&tsRemap);
  }
  rgMapping.setBounds({232, 40, 304, 120});
  std::vector<std::u16string> mappings;
  for (const Mapping& mapping : kMappings) mappings.emplace_back(mapping.caption);
  rgMapping.setItems(mappings);
  rgMapping.setItemIndex(kNone);
  cbReverse.setBounds({232, 172, 304, 22});
  btnRemap.setBounds({232, 280, 96, 28});
  btnClose2.setBounds({440, 280, 96, 28});
  Animate1.setBounds({232, 240, 304, 20});  // the same place on both pages

  for (ui::Button* close : {&btnClose, &btnClose2}) {
    close->setCancel(true);
    close->setModalResult(ui::ModalResult::Cancel);
  }
  btnSelectAll.onClick = [this] { btnSelectAllClick(); };
  btnUnselectAll.onClick = [this] { btnUnselectAllClick(); };
  btnConvert.onClick = [this] { btnConvertClick(); };
  btnRemap.onClick = [this] { btnRemapClick(); };
  onShow = [this] { FormShow(); };
  loadStyleLists();
}

void TfrmFontConvert::FormShow() { centreOnPointerMonitor(); }

void TfrmFontConvert::loadStyleLists() {
  lstFonts.clear();
  cbStyles.clear();
  for (const TstyleRec& style : loadStyles(document_, typeOf_)) {
    bool listed = false;
    for (int i = 0; i < lstFonts.count(); ++i) {
      listed = listed || equalsIgnoringAsciiCase(lstFonts.item(i), style.Font);
    }
    if (!listed) lstFonts.addItem(style.Font);
    cbStyles.addItem(style.stName);
  }
}

void TfrmFontConvert::tickAll(bool ticked) {
  if (walk_.running()) return;
  for (int i = 0; i < lstFonts.count(); ++i) lstFonts.setChecked(i, ticked);
}

void TfrmFontConvert::btnSelectAllClick() { tickAll(true); }
void TfrmFontConvert::btnUnselectAllClick() { tickAll(false); }

std::vector<std::u16string> TfrmFontConvert::tickedFonts() const {
  std::vector<std::u16string> fonts;
  for (int i = 0; i < lstFonts.count(); ++i) {
    if (lstFonts.checked(i)) fonts.push_back(lstFonts.item(i));
  }
  return fonts;
}

fntType TfrmFontConvert::remapTarget() const {
  const int index = rgMapping.itemIndex();
  return index < 0 ? fntType::TrueType : kMappings[static_cast<std::size_t>(index)].target;
}

WalkTally TfrmFontConvert::walkThenReload(const std::function<WalkTally()>& walk) {
  WalkTally tally;
  try {
    tally = walk();
  } catch (...) {
    loadStyleLists();
    throw;
  }
  loadStyleLists();
  return tally;
}

void TfrmFontConvert::btnConvertClick() {
  walk_.run([this](const WalkProgress& progress) {
    const std::vector<std::u16string> fonts = tickedFonts();
    if (fonts.empty()) return ui::showMessage(toolkit(), u"Fonts to convert not checked.");
    if (cbStyles.itemIndex() < 0)
      return ui::showMessage(toolkit(), u"Style to convert not defined.");
    const ConvertRequest request{fonts, cbStyles.item(cbStyles.itemIndex()),
                                 cbRightToLeft.checked(), reverseTTF_};
    const WalkTally tally =
        walkThenReload([&] { return convertFonts(document_, typeOf_, request, progress); });
    ui::showMessage(toolkit(), finishedMessage(u"Conversion finished", tally));
  });
}

void TfrmFontConvert::btnRemapClick() {
  walk_.run([this](const WalkProgress& progress) {
    const std::vector<std::u16string> fonts = tickedFonts();
    if (fonts.empty()) return ui::showMessage(toolkit(), u"Fonts to remap not checked.");
    if (!cbReverse.checked() && rgMapping.itemIndex() == kNone) {
      return ui::showMessage(toolkit(), u"No Action selected");
    }
    const RemapRequest request{fonts, remapTarget(), cbReverse.checked()};
    const WalkTally tally =
        walkThenReload([&] { return remapFonts(document_, typeOf_, request, progress); });
    ui::showMessage(toolkit(), finishedMessage(u"Remapping finished", tally));
  });
}

}  // namespace vrn::drawing_ops
