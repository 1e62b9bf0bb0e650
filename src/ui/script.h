#pragma once
// Scripts: what a scripted user does, one action a line (the language is
// described in ui/headless/SCRIPTS.md). Parsing checks every line; a
// script with bad lines is rejected as a whole, each bad line reported
// with its number. Every backend's runner plays the same parsed script.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/point.h"
#include "ui/keys.h"
#include "ui/modal_result.h"
#include "ui/tree_view.h"

namespace vrn::ui::script {

// --- the user's actions on forms ---
struct Type {
  std::u16string text;
};
struct Key {
  KeyEvent key;
  std::string name;
};
struct Click {
  std::string control;
  std::u16string part;
};  // part: a panel index, "up", "down"
struct Menu {
  std::string item;
  std::u16string caption;
};  // caption: a run-time item of menu `item`
struct Caret {
  int position = 0;
};
struct Select {
  int start = 0;
  int length = 0;
};
struct Set {
  std::string control;
  std::u16string text;
};
struct Check {
  std::string control;
  std::u16string item;
  bool checked = true;
};
struct Choose {
  std::string control;
  std::u16string item;
};
struct Cell {
  std::string control;
  int col = 0;
  int row = 0;
};
struct Focus {
  std::string control;
};
struct Drag {
  std::string control;
  std::u16string from;
  std::u16string to;
  HitPart part = HitPart::Label;
};
struct Close {};
struct Resize {
  int width = 0;
  int height = 0;
};
struct Layout {
  std::uint16_t language = 0;
};
struct Wait {
  int ms = 0;
};
struct Answer {
  ModalResult answer = ModalResult::OK;
};
struct File {
  std::filesystem::path path;
};
struct Expect {
  std::string control;
  std::string property;
  std::u16string value;
};
// --- answers to the host's prompts ---
struct Point {
  host::Point3 point;
};
struct Distance {
  double value = 0;
};
struct Pick {
  std::vector<std::u16string> handles;
};
struct Enter {};
struct Escape {};

using Action = std::variant<Type, Key, Click, Menu, Caret, Select, Set, Check, Choose, Cell, Focus,
                            Drag, Close, Resize, Layout, Wait, Answer, File, Expect, Point,
                            Distance, Pick, Enter, Escape>;

bool isHostPrompt(const Action& action);

struct Line {
  int number = 0;      // 1-based line of the file
  std::string source;  // the line as written (UTF-8)
  Action action;
};

struct Script {
  std::vector<Line> lines;
};

class ScriptError : public std::runtime_error {
 public:
  // problems: "line N: message", one per bad line.
  explicit ScriptError(std::vector<std::string> problems);
  const std::vector<std::string>& problems() const { return problems_; }

 private:
  std::vector<std::string> problems_;
};

// The script in UTF-8 text. Throws ScriptError.
Script parse(std::string_view text);
// The script in a file; the file name leads every problem reported.
// Throws ScriptError, also when the file cannot be read.
Script load(const std::filesystem::path& file);

// "Alt+5", "Shift+Left", "F2", "Enter": the key and its modifiers.
std::optional<KeyEvent> parseKeyName(std::string_view name);

}  // namespace vrn::ui::script
