#include "ui/text_box.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

void TextBox::setText(std::u16string text) {
  bool same = text == buffer_.text();
  buffer_.setText(std::move(text));
  modified_ = false;
  changed(Aspect::Selection);
  if (same) return;
  textChangedByProgram();
}

void TextBox::textChangedByProgram() {
  changed(Aspect::Text);
  if (programChangesNotify() && onChange) onChange();
}

void TextBox::select(int start, int length) {
  buffer_.select(start, start + length);
  changed(Aspect::Selection);
}

void TextBox::selectAll() {
  buffer_.selectAll();
  changed(Aspect::Selection);
}

void TextBox::setSelText(std::u16string_view text) {
  if (buffer_.replaceSelection(text)) textChangedByProgram();
  changed(Aspect::Selection);
}

void TextBox::setReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  changed(Aspect::ReadOnly);
}

void TextBox::undo() {
  if (buffer_.undo()) textChangedByProgram();
  changed(Aspect::Selection);
}

void TextBox::cutToClipboard() {
  if (onCut) {
    onCut();
  } else {
    plainCut();
  }
}

void TextBox::copyToClipboard() {
  if (onCopy) {
    onCopy();
  } else {
    plainCopy();
  }
}

void TextBox::pasteFromClipboard() {
  if (onPaste) {
    onPaste();
  } else {
    plainPaste();
  }
}

void TextBox::plainCut() {
  plainCopy();
  if (!readOnly_) afterUserEdit(buffer_.replaceSelection(u""));
}

void TextBox::plainCopy() const {
  if (buffer_.selLength() > 0) form().toolkit().clipboard().setText(buffer_.selText());
}

void TextBox::plainPaste() {
  if (!readOnly_) afterUserEdit(buffer_.replaceSelection(form().toolkit().clipboard().text()));
}

void TextBox::afterUserEdit(bool textChanged) {
  changed(Aspect::Selection);
  if (!textChanged) return;
  modified_ = true;
  userChangedText();
  changed(Aspect::Text);
  if (onChange) onChange();
}

void TextBox::typeText(std::u16string_view text) {
  if (!typingEdits()) {
    form().toolkit().beep();
    return;
  }
  afterUserEdit(buffer_.replaceSelection(text, true));
}

void TextBox::userSelect(int start, int length) {
  userInput([&] {
    if (!form().userFocus(*this, FocusCause::Mouse)) return;
    select(start, length);
    if (onMouseDown) onMouseDown();
  });
}

void TextBox::userReplaceText(std::u16string text) {
  userInput([&] {
    if (!form().userFocus(*this, FocusCause::Keyboard)) return;
    if (!typingEdits()) {
      form().toolkit().beep();
      return;
    }
    buffer_.selectAll();
    afterUserEdit(buffer_.replaceSelection(text));
  });
}

bool TextBox::wantsKey(const KeyEvent& key) const {
  if (key.is(vk::kEnter)) return takesReturns();
  if (key.is(vk::kTab)) return takesTabs();
  return false;
}

void TextBox::defaultKeyDown(const KeyEvent& key) {
  const ShiftState none{};
  const ShiftState shift{.shift = true};
  const ShiftState ctrl{.ctrl = true};
  auto motion = [&](Motion m) {
    buffer_.move(m, key.shift.shift);
    changed(Aspect::Selection);
  };
  bool plain = key.shift == none || key.shift == shift;
  if (plain) {
    switch (key.key) {
      case vk::kLeft:
        return motion(Motion::Left);
      case vk::kRight:
        return motion(Motion::Right);
      case vk::kUp:
        return motion(Motion::Up);
      case vk::kDown:
        return motion(Motion::Down);
      case vk::kHome:
        return motion(Motion::LineStart);
      case vk::kEnd:
        return motion(Motion::LineEnd);
      default:
        break;
    }
  }
  if (key.is(vk::kHome, ctrl) || key.is(vk::kHome, {.shift = true, .ctrl = true}))
    return motion(Motion::TextStart);
  if (key.is(vk::kEnd, ctrl) || key.is(vk::kEnd, {.shift = true, .ctrl = true}))
    return motion(Motion::TextEnd);
  if (key.is(vk::kDel)) {
    if (!typingEdits()) return form().toolkit().beep();
    return afterUserEdit(buffer_.deleteForward());
  }
  if (key.is(vk::letter('X'), ctrl) || key.is(vk::kDel, shift)) return cutToClipboard();
  if (key.is(vk::letter('C'), ctrl) || key.is(vk::kInsert, ctrl)) return copyToClipboard();
  if (key.is(vk::letter('V'), ctrl) || key.is(vk::kInsert, shift)) return pasteFromClipboard();
  if (key.is(vk::letter('A'), ctrl)) return selectAll();
  if (key.is(vk::letter('Z'), ctrl) && typingEdits()) {
    return afterUserEdit(buffer_.undo());
  }
}

void TextBox::defaultKeyChar(char16_t character) {
  switch (character) {
    case 0x08:
      if (!typingEdits()) return form().toolkit().beep();
      return afterUserEdit(buffer_.backspace());
    case u'\r':
      if (takesReturns()) typeText(u"\r\n");
      return;
    case u'\t':
      if (takesTabs()) typeText(u"\t");
      return;
    case 0x1B:
      return;
    default:
      typeText(std::u16string_view(&character, 1));
  }
}

std::optional<std::u16string> TextBox::property(std::string_view name) const {
  if (sameName(name, "Text")) return buffer_.text();
  if (sameName(name, "SelStart")) return propertyText(buffer_.selStart());
  if (sameName(name, "SelLength")) return propertyText(buffer_.selLength());
  if (sameName(name, "SelText")) return buffer_.selText();
  if (sameName(name, "ReadOnly")) return propertyText(readOnly_);
  if (sameName(name, "Modified")) return propertyText(modified_);
  return Control::property(name);
}

}  // namespace vrn::ui
