#pragma once
// EditBuffer: the text, caret and selection of an edit control, and what
// editing does to them, as Windows' EDIT control behaves. Every backend's
// edit boxes, memos and combo boxes keep their text here, so the rules are
// the same on every backend:
//
//   - positions count UTF-16 units; CR LF counts as two, but Backspace after
//     it, Delete before it and the arrow keys treat the pair as one
//     character (so does a surrogate pair);
//   - inserting replaces the selection and leaves the caret after the
//     inserted text;
//   - Backspace and Delete remove the selection when there is one, else one
//     character; at the start (Backspace) or end (Delete) they change
//     nothing;
//   - the selection runs from an anchor to the caret; extending moves the
//     caret only;
//   - one level of undo, as EDIT has: undo restores the text before the
//     last change, and undoing again redoes it; characters typed one after
//     another count as one change; setting the whole text forgets it.
//
// The buffer knows nothing of events; the controls fire them.

#include <optional>
#include <string>
#include <string_view>

namespace vrn::ui {

enum class Motion { Left, Right, Up, Down, LineStart, LineEnd, TextStart, TextEnd };

class EditBuffer {
 public:
  // A single-line buffer treats the whole text as one line for Home, End,
  // Up (as Left) and Down (as Right).
  explicit EditBuffer(bool multiLine) : multiLine_(multiLine) {}

  const std::u16string& text() const { return text_; }
  int length() const { return static_cast<int>(text_.size()); }
  int caret() const { return static_cast<int>(caret_); }
  int anchor() const { return static_cast<int>(anchor_); }
  int selStart() const;
  int selLength() const;
  std::u16string selText() const;

  // The caret goes to 0 with nothing selected; undo is forgotten.
  void setText(std::u16string text);
  // Positions are clamped to the text.
  void select(int anchor, int caret);
  void selectAll() { select(0, length()); }

  // Each returns whether the text changed. `typing` marks a typed character,
  // which joins the characters typed just before it in one undo step.
  bool replaceSelection(std::u16string_view with, bool typing = false);
  bool backspace();
  bool deleteForward();
  bool undo();
  bool canUndo() const { return undo_.has_value(); }
  void move(Motion motion, bool extend);

  // Lines are separated by CR LF.
  int lineCount() const;
  int lineFromChar(int position) const;
  int lineStart(int line) const;
  int lineLength(int line) const;

 private:
  struct Snapshot {
    std::u16string text;
    std::size_t anchor = 0;
    std::size_t caret = 0;
  };

  std::size_t clamp(int position) const;
  std::size_t previousBoundary(std::size_t position) const;
  std::size_t nextBoundary(std::size_t position) const;
  std::size_t lineStartOf(std::size_t position) const;
  std::size_t lineEndOf(std::size_t position) const;
  std::size_t verticalTarget(int lineOffset) const;
  void remember(bool typing);
  void erase(std::size_t from, std::size_t to);

  bool multiLine_;
  std::u16string text_;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
  std::optional<Snapshot> undo_;
  std::optional<std::size_t> typingEnd_;  // where the current typing run ends
};

}  // namespace vrn::ui
