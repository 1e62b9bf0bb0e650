#include "editing/tcp_memo.h"

#include "encoding/char_tables.h"
#include "ui/form.h"

namespace vrn::editing {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// Every line converted on its own; the breaks stay where they were.
template <class Convert>
std::u16string byLine(std::u16string_view text, Convert convert) {
  std::u16string out;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(kLineBreak, start);
    out += convert(text.substr(start, end - start));
    if (end == std::u16string_view::npos) return out;
    out += kLineBreak;
    start = end + kLineBreak.size();
  }
}

std::u16string firstLine(std::u16string_view text) {
  return std::u16string(text.substr(0, text.find_first_of(u"\r\n")));
}

}  // namespace

TCPMemo::TCPMemo(ui::Form& form, std::string name) : Memo(form, std::move(name)) {
  onCut = [this] { cut(); };
  onCopy = [this] { copy(); };
  onPaste = [this] { paste(); };
}

bool TCPMemo::selectionSpansLines() const {
  return selText().find_first_of(u"\r\n") != std::u16string::npos;
}

void TCPMemo::cut() {
  if (readOnly() || selectionSpansLines()) {
    form().toolkit().beep();
    return;
  }
  form().toolkit().clipboard().setText(encoding::cDosToWin(selText()));
  setSelText(u"");
}

void TCPMemo::copy() {
  form().toolkit().clipboard().setText(byLine(selText(), encoding::cDosToWin));
  setSelLength(0);
}

void TCPMemo::paste() {
  if (readOnly() || selectionSpansLines()) {
    form().toolkit().beep();
    return;
  }
  setSelText(encoding::cWinToDos(firstLine(form().toolkit().clipboard().text())));
}

}  // namespace vrn::editing
