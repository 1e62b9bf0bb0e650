#pragma once
// GroupScanner: the groups of an ASCII DXF text, two lines each (the code,
// then the value), read in place from the file buffer without copying.
//
// Line ends may be "\r\n" or "\n", mixed even; a value keeps every other
// byte, spaces included. A code line may carry spaces around its number.

#include <cstddef>
#include <string>
#include <string_view>

#include "drawing/dxf_lines.h"

namespace vrn::dxf {

struct RawGroup {
  int code = 0;
  std::string_view value;       // without the line end
  const char* start = nullptr;  // first byte of the code line
  std::size_t line = 0;         // 1-based line number of the code line
};

class GroupScanner {
 public:
  // `fileName` names the file in error messages.
  GroupScanner(std::string_view text, std::string fileName);

  // The next group, or false at the end of the text. Raises host::HostError
  // naming the line for a code that is not a number or a code without value.
  // The usual group is read inline, in locals that are stored once: it
  // comes for every group of a drawing, where a call per group, and the
  // position reloaded after each store into `group` (which could alias
  // it), cost a sixth of reading the file.
  bool next(RawGroup& group) {
    const char* pos = pos_;
    const char* const start = pos;
    int code = 0;
    if (pos == end_ || !drawing::quickDxfCode(pos, end_, code) || pos == end_) {
      return nextOfOtherForm(group);
    }
    const std::size_t line = line_;
    const std::string_view value = drawing::nextDxfLine(pos, end_);
    pos_ = pos;
    line_ = line + 2;
    group.code = code;
    group.value = value;
    group.start = start;
    group.line = line;
    return true;
  }

  // Where the next group starts (the end of the text when there is none).
  const char* position() const { return pos_; }
  std::size_t line() const { return line_; }
  const std::string& fileName() const { return fileName_; }

  [[noreturn]] void fail(std::size_t line, const std::string& message) const;

  // Goes on where `later`, a scanner of a later part of the same text,
  // stands; that part began after `linesBefore` lines of this text.
  void continueFrom(const GroupScanner& later, std::size_t linesBefore) {
    pos_ = later.pos_;
    line_ = later.line_ + linesBefore;
  }

 private:
  std::string_view nextLine() {
    ++line_;
    return drawing::nextDxfLine(pos_, end_);
  }
  // next() for the end of the text, a code line of another form than
  // quickDxfCode's, and a code without its value.
  bool nextOfOtherForm(RawGroup& group);
  // Reads the code line of another form; false (nothing read) for blank
  // lines that end the text.
  bool otherCode(RawGroup& group);
  // Blank lines at the very end of a file are no group.
  bool onlyBlanksFollow() const;

  const char* pos_;
  const char* end_;
  std::size_t line_ = 1;
  std::string fileName_;
};

}  // namespace vrn::dxf
