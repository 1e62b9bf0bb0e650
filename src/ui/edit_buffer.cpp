#include "ui/edit_buffer.h"

#include <algorithm>

namespace vrn::ui {
namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

constexpr std::u16string_view kLineBreak = u"\r\n";

}  // namespace

int EditBuffer::selStart() const { return static_cast<int>(std::min(anchor_, caret_)); }

int EditBuffer::selLength() const {
  return static_cast<int>(std::max(anchor_, caret_) - std::min(anchor_, caret_));
}

std::u16string EditBuffer::selText() const {
  return text_.substr(static_cast<std::size_t>(selStart()), static_cast<std::size_t>(selLength()));
}

void EditBuffer::setText(std::u16string text) {
  text_ = std::move(text);
  anchor_ = caret_ = 0;
  undo_.reset();
  typingEnd_.reset();
}

std::size_t EditBuffer::clamp(int position) const {
  if (position < 0) return 0;
  return std::min(static_cast<std::size_t>(position), text_.size());
}

void EditBuffer::select(int anchor, int caret) {
  anchor_ = clamp(anchor);
  caret_ = clamp(caret);
  typingEnd_.reset();
}

// One step left of position: over CR LF or a surrogate pair as a whole.
std::size_t EditBuffer::previousBoundary(std::size_t position) const {
  if (position == 0) return 0;
  if (position >= 2) {
    std::u16string_view pair(text_.data() + position - 2, 2);
    if (pair == kLineBreak || (isHighSurrogate(pair[0]) && isLowSurrogate(pair[1])))
      return position - 2;
  }
  return position - 1;
}

std::size_t EditBuffer::nextBoundary(std::size_t position) const {
  if (position >= text_.size()) return text_.size();
  if (position + 2 <= text_.size()) {
    std::u16string_view pair(text_.data() + position, 2);
    if (pair == kLineBreak || (isHighSurrogate(pair[0]) && isLowSurrogate(pair[1])))
      return position + 2;
  }
  return position + 1;
}

void EditBuffer::remember(bool typing) {
  bool continuesTyping = typing && typingEnd_ && *typingEnd_ == caret_ && anchor_ == caret_;
  if (!continuesTyping) undo_ = Snapshot{text_, anchor_, caret_};
}

void EditBuffer::erase(std::size_t from, std::size_t to) {
  text_.erase(from, to - from);
  anchor_ = caret_ = from;
}

bool EditBuffer::replaceSelection(std::u16string_view with, bool typing) {
  if (with.empty() && anchor_ == caret_) return false;
  remember(typing);
  std::size_t start = std::min(anchor_, caret_);
  text_.replace(start, std::max(anchor_, caret_) - start, with);
  anchor_ = caret_ = start + with.size();
  typingEnd_ = typing ? std::optional<std::size_t>(caret_) : std::nullopt;
  return true;
}

bool EditBuffer::backspace() {
  if (anchor_ != caret_) return replaceSelection(u"");
  if (caret_ == 0) return false;
  remember(false);
  erase(previousBoundary(caret_), caret_);
  typingEnd_.reset();
  return true;
}

bool EditBuffer::deleteForward() {
  if (anchor_ != caret_) return replaceSelection(u"");
  if (caret_ >= text_.size()) return false;
  remember(false);
  erase(caret_, nextBoundary(caret_));
  typingEnd_.reset();
  return true;
}

bool EditBuffer::undo() {
  if (!undo_) return false;
  Snapshot before{text_, anchor_, caret_};
  text_ = std::move(undo_->text);
  anchor_ = undo_->anchor;
  caret_ = undo_->caret;
  undo_ = std::move(before);
  typingEnd_.reset();
  return true;
}

std::size_t EditBuffer::lineStartOf(std::size_t position) const {
  if (!multiLine_ || position < 2) return 0;
  std::size_t found = text_.rfind(kLineBreak, position - 2);
  return found == std::u16string::npos ? 0 : found + 2;
}

std::size_t EditBuffer::lineEndOf(std::size_t position) const {
  if (!multiLine_) return text_.size();
  std::size_t found = text_.find(kLineBreak, lineStartOf(position));
  return found == std::u16string::npos ? text_.size() : found;
}

// The position on the line lineOffset away (-1 or +1) at the caret's column,
// or the end of that line when it is shorter.
std::size_t EditBuffer::verticalTarget(int lineOffset) const {
  int line = lineFromChar(static_cast<int>(caret_)) + lineOffset;
  if (line < 0) return caret_;
  if (line >= lineCount()) return caret_;
  int column = static_cast<int>(caret_) - lineStart(line - lineOffset);
  return static_cast<std::size_t>(lineStart(line) + std::min(column, lineLength(line)));
}

void EditBuffer::move(Motion motion, bool extend) {
  bool collapsing = !extend && anchor_ != caret_;
  std::size_t target = caret_;
  switch (motion) {
    case Motion::Left:
      target = collapsing ? std::min(anchor_, caret_) : previousBoundary(caret_);
      break;
    case Motion::Right:
      target = collapsing ? std::max(anchor_, caret_) : nextBoundary(caret_);
      break;
    case Motion::Up:
      target = multiLine_ ? verticalTarget(-1)
                          : (collapsing ? std::min(anchor_, caret_) : previousBoundary(caret_));
      break;
    case Motion::Down:
      target = multiLine_ ? verticalTarget(+1)
                          : (collapsing ? std::max(anchor_, caret_) : nextBoundary(caret_));
      break;
    case Motion::LineStart:
      target = lineStartOf(caret_);
      break;
    case Motion::LineEnd:
      target = lineEndOf(caret_);
      break;
    case Motion::TextStart:
      target = 0;
      break;
    case Motion::TextEnd:
      target = text_.size();
      break;
  }
  caret_ = target;
  if (!extend) anchor_ = caret_;
  typingEnd_.reset();
}

int EditBuffer::lineCount() const {
  if (!multiLine_) return 1;
  int count = 1;
  for (std::size_t at = text_.find(kLineBreak); at != std::u16string::npos;
       at = text_.find(kLineBreak, at + 2)) {
    ++count;
  }
  return count;
}

int EditBuffer::lineFromChar(int position) const {
  if (!multiLine_) return 0;
  std::size_t end = clamp(position);
  int line = 0;
  for (std::size_t at = text_.find(kLineBreak); at != std::u16string::npos && at + 2 <= end;
       at = text_.find(kLineBreak, at + 2)) {
    ++line;
  }
  return line;
}

int EditBuffer::lineStart(int line) const {
  if (!multiLine_ || line <= 0) return 0;
  std::size_t at = 0;
  for (int i = 0; i < line; ++i) {
    at = text_.find(kLineBreak, at);
    if (at == std::u16string::npos) return -1;
    at += 2;
  }
  return static_cast<int>(at);
}

int EditBuffer::lineLength(int line) const {
  int start = lineStart(line);
  if (start < 0) return 0;
  return static_cast<int>(lineEndOf(static_cast<std::size_t>(start))) - start;
}

}  // namespace vrn::ui
