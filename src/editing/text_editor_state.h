#pragma once
// TextEditorState: what the single-line editor keeps from one opening to
// the next for as long as the module lives: the screen editor in use, the
// one chosen before it is applied, and a font-type change made with the
// spin button that OK records in the font map.

#include <string>

#include "encoding/font_type.h"

namespace vrn::editing {

enum class ScreenEditor { Dos = 0, Windows = 1 };

struct PendingFontType {
  std::u16string font;  // empty: nothing pending
  fntType type = fntType::DosHebrew;
};

struct TextEditorState {
  ScreenEditor ActiveEditor = ScreenEditor::Windows;
  ScreenEditor ChosenEditor = ScreenEditor::Windows;
  PendingFontType pendingFontType;
};

}  // namespace vrn::editing
