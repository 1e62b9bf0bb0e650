#pragma once
// TCPMemo: a memo that holds text in the DOS screen form (visual order) and
// trades ordinary Windows text (reading order) with the clipboard. Each
// line is converted on its own, so lines keep their order.
//
// Its lines belong one to one to entities (find and replace), so nothing
// the clipboard does may join or split lines: a cut of a selection over a
// line break is refused (a beep), and a paste inserts the clipboard's
// first line only, never over a line break.

#include "ui/memo.h"

namespace vrn::editing {

class TCPMemo : public ui::Memo {
 public:
  TCPMemo(ui::Form& form, std::string name);

  // Whether the selection holds a line break.
  bool selectionSpansLines() const;
  // The program's edits, refused with a beep when they would join lines.
  void cut();
  void copy();
  void paste();
};

}  // namespace vrn::editing
