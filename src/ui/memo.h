#pragma once
// Memo: a multi-line edit box whose lines are separated by CR LF. It takes
// Enter (a line break) unless wantReturns is off; Tab inserts a tab only
// with wantTabs.

#include <vector>

#include "ui/text_box.h"

namespace vrn::ui {

enum class ScrollBars { None, Horizontal, Vertical, Both };

class Memo : public TextBox {
 public:
  Memo(Form& form, std::string name) : TextBox(form, std::move(name), true) {}

  // Lines as the edit control counts them: "a\r\n" has two, the second empty.
  int lineCount() const { return buffer().lineCount(); }
  std::u16string line(int index) const;
  // Lines as a list, as the VCL's Lines: an empty text has none, and a
  // text ending in CR LF has no empty line after it.
  std::vector<std::u16string> lines() const;
  // The program replaces every line (one change).
  void setLines(const std::vector<std::u16string>& lines);
  // The line that holds a character position, and where a line starts
  // (-1 past the last line): EM_LINEFROMCHAR and EM_LINEINDEX.
  int lineFromChar(int position) const { return buffer().lineFromChar(position); }
  int lineStart(int line) const { return buffer().lineStart(line); }

  bool wantReturns() const { return wantReturns_; }
  void setWantReturns(bool want) { wantReturns_ = want; }
  bool wantTabs() const { return wantTabs_; }
  void setWantTabs(bool want) { wantTabs_ = want; }
  ScrollBars scrollBars() const { return scrollBars_; }
  void setScrollBars(ScrollBars bars);
  // Whether the selection shows while another control has the focus.
  bool hideSelection() const { return hideSelection_; }
  void setHideSelection(bool hide);

  // Lines[i], LineCount (as lineCount()), and TextBox's.
  std::optional<std::u16string> property(std::string_view name) const override;

 protected:
  bool takesReturns() const override { return wantReturns_; }
  bool takesTabs() const override { return wantTabs_; }

 private:
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  bool hideSelection_ = true;
  ScrollBars scrollBars_ = ScrollBars::None;
};

}  // namespace vrn::ui
