#pragma once
// HostView: the module's view of the host. `RefreshAcad` renews it at the
// start of every member that needs the drawing, so each command works on the
// drawing that is active when the user starts it; between calls it may be
// stale.
//
// It lives in automation/ rather than host/ because classifying a style
// (ActiveStyleFontType) sets the state of TfrmFonts and the refresh reads the
// keyboard layouts, both of which sit above host/.
//
// Every host call is late-bound (host::Ref), so the built-in drawing and
// AutoCAD through COM stand behind the same code.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/font_type.h"
#include "host/ref.h"
#include "host/variant.h"

namespace vrn::encoding {
class TfrmFonts;
}

namespace vrn::automation {

// One installed keyboard layout. The names are in the byte form (the
// system's single-byte code page), as the editors' language menus take them.
struct TLanguageEntry {
  std::string CountryName;      // the language's name as the system shows it
  std::int32_t LanguageID = 0;  // low 16 bits of the layout handle
  std::string ISOCode;          // three letters, "HEB"
};

// What classifying a text by its style found.
struct StyleFontType {
  std::u16string font;    // the style's font file, else its big-font file
  bool backward = false;  // TextGenerationFlag exactly 2
  fntType type = fntType::DosHebrew;
};

// What classifyTextByStyle does with a style the drawing lacks.
enum class MissingStyle {
  Raise,                // the host's error propagates
  ClassifyByTextAlone,  // an empty font name, not backward
};

class HostView {
 public:
  explicit HostView(encoding::TfrmFonts& fonts);

  host::Ref AcadApp;      // given by SetApp
  host::Ref AcadDoc;      // the active document
  host::Ref AcadDocCopy;  // a second reference to it, for the library and MTEXT forms
  host::Ref AcadSpace;    // model space when ActiveSpace is 1, else paper space
  host::Ref AcadStyles;   // the document's TextStyles
  host::Ref CurStyle;     // the text style last looked up
  std::u16string CurStyleName;
  std::u16string CurLayerName;  // "0" when the active layer cannot be read
  std::vector<TLanguageEntry> Languages;
  std::int32_t LanguageCount = 0;
  bool KeyboardIsHebrew = false;  // the current layout is not US English

  // Renews the view. Raises when no application object was given, or when
  // the document's space or style collection cannot be read; the active
  // document and the active layer are read under protection.
  void RefreshAcad();
  void LoadKeyboardLayouts();

  // Make the active style / the style named CurStyleName the current style,
  // and set TfrmFonts' font type and backward flag from it.
  void ActiveStyleFontType();
  void NamedStyleFontType();
  // The one rule for classifying a stored text by its style, which every
  // conversion of a drawing's text runs first: CurStyleName := styleName,
  // CurStyle := that style, TfrmFonts' cStBack := its TextGenerationFlag is
  // exactly 2 (6, backward and upside down, is not), and SetFntType(font,
  // stored) sets cStType, where font is the style's font file or, when that
  // is empty, its big-font file. Returns what it found.
  StyleFontType classifyTextByStyle(const std::u16string& styleName, std::u16string_view stored,
                                    MissingStyle missing = MissingStyle::Raise);
  // The same rule on CurStyle as it stands (the editors choose it themselves).
  StyleFontType classifyCurStyle(std::u16string_view stored);
  // The lookup half of classifyTextByStyle (CurStyleName and CurStyle set,
  // the type left unset), for a reader of many texts that looks each style
  // up once and classifies its font itself.
  StyleFontType lookUpStyle(const std::u16string& styleName,
                            MissingStyle missing = MissingStyle::Raise);

  // Names in the host's collection order.
  std::vector<std::u16string> StyleNames() const;
  std::vector<std::u16string> LayerNames() const;

  // Drops every reference and text, as at unload.
  void clear();

 private:
  // CurStyle's font and backward flag; the type is left to classify.
  StyleFontType readCurStyle() const;
  // The classifying half: TfrmFonts' state set from what the lookup found
  // and the text.
  StyleFontType classify(StyleFontType found, std::u16string_view stored);

  encoding::TfrmFonts* fonts_;
};

// A host point (an array of three doubles, bounds 0 to 2).
host::Variant MakePoint(double x, double y, double z);
host::Variant MakePoint(double x, double y);

}  // namespace vrn::automation
