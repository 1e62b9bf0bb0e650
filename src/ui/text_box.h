#pragma once
// TextBox: what edit boxes, memos and combo boxes share, the edit-control
// contract. The text, caret and selection live in an EditBuffer (see
// edit_buffer.h for what editing does to them). On top of it:
//
//   - key-down runs before the control's own reaction, so a handler can
//     move the caret (where the character then lands) or swallow the key;
//   - key-press fires for typed characters and Backspace (and for Enter
//     and Escape when no button takes them), not for Delete or the arrows;
//   - typed characters replace the selection, Backspace and Delete remove
//     it or one character; Enter inserts CR LF in a memo and nothing in a
//     single-line box; Ctrl+C, Ctrl+X, Ctrl+V, Shift+Delete, Ctrl+Insert,
//     Shift+Insert, Ctrl+A and Ctrl+Z copy, cut, paste, select all and undo;
//   - a read-only box keeps its text against the user (key events still
//     fire; the box beeps), but the program may change it;
//   - onChange fires after the text and caret have changed, for changes by
//     the user and by the program alike (also on read-only boxes), but not
//     when the program sets the text it already has; combo boxes fire it
//     for the user only;
//   - caret moves alone fire nothing.

#include <functional>

#include "ui/control.h"
#include "ui/edit_buffer.h"

namespace vrn::ui {

class TextBox : public Control {
 public:
  std::u16string text() const { return buffer_.text(); }
  // The program sets the text: caret at 0, nothing selected, undo forgotten.
  void setText(std::u16string text);

  int selStart() const { return buffer_.selStart(); }
  int selLength() const { return buffer_.selLength(); }
  std::u16string selText() const { return buffer_.selText(); }
  // Collapses the selection at the position.
  void setSelStart(int position) { select(position, 0); }
  // Extends the selection from selStart.
  void setSelLength(int length) { select(selStart(), length); }
  // Selects length characters from start; the caret ends at start + length.
  void select(int start, int length);
  void selectAll();
  // The program puts text in place of the selection; the caret goes after it.
  void setSelText(std::u16string_view text);

  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);
  // Set by every change the user makes; cleared by setText.
  bool modified() const { return modified_; }
  void setModified(bool modified) { modified_ = modified; }
  bool canUndo() const { return buffer_.canUndo(); }
  void undo();

  // The clipboard commands, from the keys or from the program. When the
  // form sets onCut, onCopy or onPaste, that handler does the work instead
  // (as a window that handles WM_CUT, WM_COPY, WM_PASTE itself).
  void cutToClipboard();
  void copyToClipboard();
  void pasteFromClipboard();

  std::function<void()> onChange;
  std::function<void()> onCut;
  std::function<void()> onCopy;
  std::function<void()> onPaste;

  // --- user input ---
  // A click at a position, or a drag over a selection: the caret moves,
  // the focus comes here (by mouse), then onMouseDown runs.
  void userSelect(int start, int length);
  // The user selects everything and types text over it: one change.
  void userReplaceText(std::u16string text);

  bool focusable() const override { return true; }
  bool wantsKey(const KeyEvent& key) const override;
  void defaultKeyDown(const KeyEvent& key) override;
  void defaultKeyChar(char16_t character) override;
  // Text, SelStart, SelLength, SelText, ReadOnly, Modified, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 protected:
  TextBox(Form& form, std::string name, bool multiLine)
      : Control(form, std::move(name)), buffer_(multiLine) {}

  const EditBuffer& buffer() const { return buffer_; }
  // Whether the program's changes fire onChange (combo boxes: no).
  virtual bool programChangesNotify() const { return true; }
  // Whether the user may change the text by typing (a drop-down list: no).
  virtual bool typingEdits() const { return !readOnly_; }
  // Memo: Enter inserts a line break, Tab a tab.
  virtual bool takesReturns() const { return false; }
  virtual bool takesTabs() const { return false; }
  // After a change by the user, before onChange.
  virtual void userChangedText() {}
  void textChangedByProgram();

 private:
  void afterUserEdit(bool textChanged);
  void typeText(std::u16string_view text);
  void plainCut();
  void plainCopy() const;
  void plainPaste();

  EditBuffer buffer_;
  bool readOnly_ = false;
  bool modified_ = false;
};

}  // namespace vrn::ui
