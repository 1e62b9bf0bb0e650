#include "ui/script.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "host/utf8.h"
#include "ui/keyboard_map.h"
#include "ui/property_text.h"

namespace vrn::ui::script {
namespace {

// A bad line; the parser adds the line number.
struct Problem {
  std::string message;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (isBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

std::u16string wide(std::string_view utf8) { return utf8ToUtf16(utf8); }

// The arguments after the action's word: words (bare, or in double quotes
// with \" and \\ escapes) and, for the last argument of some actions, the
// rest of the line.
class Arguments {
 public:
  explicit Arguments(std::string_view text) : text_(trimmed(text)) {}

  bool empty() const { return text_.empty(); }

  std::string word(const char* what) {
    if (text_.empty()) throw Problem{std::string("missing ") + what};
    if (text_.front() == '"') return quoted();
    std::size_t end = 0;
    while (end < text_.size() && !isBlank(text_[end])) ++end;
    std::string result(text_.substr(0, end));
    text_ = trimmed(text_.substr(end));
    return result;
  }

  // The rest of the line: one quoted word, or the text as it stands.
  std::string rest(const char* what) {
    if (text_.empty()) throw Problem{std::string("missing ") + what};
    if (text_.front() == '"') {
      std::string result = quoted();
      end();
      return result;
    }
    std::string result(text_);
    text_ = {};
    return result;
  }

  void end() const {
    if (!text_.empty()) throw Problem{"unexpected \"" + std::string(text_) + "\""};
  }

 private:
  std::string quoted() {
    std::string result;
    std::size_t i = 1;
    for (; i < text_.size() && text_[i] != '"'; ++i) {
      if (text_[i] == '\\' && i + 1 < text_.size() && (text_[i + 1] == '"' || text_[i + 1] == '\\'))
        ++i;
      result += text_[i];
    }
    if (i >= text_.size()) throw Problem{"unterminated quotes"};
    std::string_view after = text_.substr(i + 1);
    if (!after.empty() && !isBlank(after.front()))
      throw Problem{"a space must follow the closing quote"};
    text_ = trimmed(after);
    return result;
  }

  std::string_view text_;
};

template <class Number>
Number number(std::string_view text, const char* what) {
  Number value{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
    throw Problem{std::string(what) + " must be a number, not \"" + std::string(text) + "\""};
  }
  return value;
}

int count(std::string_view text, const char* what) {
  int value = number<int>(text, what);
  if (value < 0) throw Problem{std::string(what) + " must not be negative"};
  return value;
}

std::string lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

ModalResult answerNamed(std::string_view word) {
  static const std::map<std::string, ModalResult> answers = {{"yes", ModalResult::Yes},
                                                             {"no", ModalResult::No},
                                                             {"cancel", ModalResult::Cancel},
                                                             {"all", ModalResult::All},
                                                             {"ok", ModalResult::OK}};
  auto found = answers.find(lower(word));
  if (found == answers.end()) {
    throw Problem{"answer must be Yes, No, Cancel, All or OK, not \"" + std::string(word) + "\""};
  }
  return found->second;
}

HitPart hitPartNamed(std::string_view word) {
  static const std::map<std::string, HitPart> parts = {
      {"label", HitPart::Label},   {"icon", HitPart::Icon},   {"indent", HitPart::Indent},
      {"button", HitPart::Button}, {"right", HitPart::Right}, {"nowhere", HitPart::Nowhere}};
  auto found = parts.find(lower(word));
  if (found == parts.end()) {
    throw Problem{"the drop part must be label, icon, indent, button, right or nowhere, not \"" +
                  std::string(word) + "\""};
  }
  return found->second;
}

host::Point3 pointFrom(std::string_view text) {
  std::vector<double> coordinates;
  while (true) {
    std::size_t comma = text.find(',');
    coordinates.push_back(number<double>(trimmed(text.substr(0, comma)), "a coordinate"));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (coordinates.size() < 2 || coordinates.size() > 3) throw Problem{"a point is X,Y or X,Y,Z"};
  return {coordinates[0], coordinates[1], coordinates.size() == 3 ? coordinates[2] : 0.0};
}

bool isHandle(std::string_view word) {
  return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
  });
}

using Parser = std::function<Action(Arguments&)>;

const std::map<std::string, Parser>& parsers() {
  static const std::map<std::string, Parser> table = {
      {"type", [](Arguments& a) -> Action { return Type{wide(a.rest("the text to type"))}; }},
      {"key",
       [](Arguments& a) -> Action {
         std::string name = a.word("a key name");
         a.end();
         auto key = parseKeyName(name);
         if (!key) throw Problem{"unknown key \"" + name + "\""};
         return Key{*key, name};
       }},
      {"click",
       [](Arguments& a) -> Action {
         Click click{a.word("a control name"), {}};
         if (!a.empty()) click.part = wide(a.word("a part"));
         a.end();
         return click;
       }},
      {"menu",
       [](Arguments& a) -> Action {
         Menu menu{a.word("a menu item name"), {}};
         if (!a.empty()) menu.caption = wide(a.rest("a caption"));
         return menu;
       }},
      {"caret",
       [](Arguments& a) -> Action {
         Caret caret{count(a.word("a position"), "the position")};
         a.end();
         return caret;
       }},
      {"select",
       [](Arguments& a) -> Action {
         Select select;
         select.start = count(a.word("a start"), "the start");
         select.length = count(a.word("a length"), "the length");
         a.end();
         return select;
       }},
      {"set",
       [](Arguments& a) -> Action {
         std::string control = a.word("a control name");
         return Set{control, wide(a.rest("a text (\"\" for none)"))};
       }},
      {"check",
       [](Arguments& a) -> Action {
         Check check{a.word("a control name"), {}, true};
         if (!a.empty()) check.item = wide(a.rest("an item"));
         return check;
       }},
      {"uncheck",
       [](Arguments& a) -> Action {
         Check check{a.word("a control name"), {}, false};
         if (!a.empty()) check.item = wide(a.rest("an item"));
         return check;
       }},
      {"choose",
       [](Arguments& a) -> Action {
         std::string control = a.word("a control name");
         return Choose{control, wide(a.rest("an item"))};
       }},
      {"cell",
       [](Arguments& a) -> Action {
         Cell cell;
         cell.control = a.word("a grid name");
         cell.col = count(a.word("a column"), "the column");
         cell.row = count(a.word("a row"), "the row");
         a.end();
         return cell;
       }},
      {"focus",
       [](Arguments& a) -> Action {
         Focus focus{a.word("a control name")};
         a.end();
         return focus;
       }},
      {"drag",
       [](Arguments& a) -> Action {
         Drag drag;
         drag.control = a.word("a tree name");
         drag.from = wide(a.word("the dragged node"));
         drag.to = wide(a.word("the target node (\"\" for below the last)"));
         if (!a.empty()) drag.part = hitPartNamed(a.word("a part"));
         a.end();
         return drag;
       }},
      {"close",
       [](Arguments& a) -> Action {
         a.end();
         return Close{};
       }},
      {"resize",
       [](Arguments& a) -> Action {
         Resize resize;
         resize.width = count(a.word("a width"), "the width");
         resize.height = count(a.word("a height"), "the height");
         a.end();
         return resize;
       }},
      {"layout",
       [](Arguments& a) -> Action {
         std::string name = lower(a.word("he or en"));
         a.end();
         if (name == "he") return Layout{kHebrewLanguage};
         if (name == "en") return Layout{kUsEnglishLanguage};
         throw Problem{"layout must be he or en, not \"" + name + "\""};
       }},
      {"wait",
       [](Arguments& a) -> Action {
         Wait wait{count(a.word("milliseconds"), "the time")};
         a.end();
         return wait;
       }},
      {"answer",
       [](Arguments& a) -> Action {
         Answer answer{answerNamed(a.word("Yes, No, Cancel, All or OK"))};
         a.end();
         return answer;
       }},
      {"file",
       [](Arguments& a) -> Action {
         std::string path = a.rest("a path");
         return File{std::filesystem::path(std::u8string(path.begin(), path.end()))};
       }},
      {"expect",
       [](Arguments& a) -> Action {
         Expect expect;
         expect.control = a.word("a control name");
         expect.property = a.word("a property");
         if (!splitPropertyName(expect.property))
           throw Problem{"bad property \"" + expect.property + "\""};
         expect.value = wide(a.rest("a value (\"\" for empty)"));
         return expect;
       }},
      {"point", [](Arguments& a) -> Action { return Point{pointFrom(a.rest("X,Y or X,Y,Z"))}; }},
      {"distance",
       [](Arguments& a) -> Action {
         Distance distance{number<double>(a.word("a distance"), "the distance")};
         a.end();
         return distance;
       }},
      {"pick",
       [](Arguments& a) -> Action {
         Pick pick;
         do {
           std::string handle = a.word("a handle");
           if (!isHandle(handle)) throw Problem{"\"" + handle + "\" is no entity handle"};
           pick.handles.push_back(wide(handle));
         } while (!a.empty());
         return pick;
       }},
      {"enter",
       [](Arguments& a) -> Action {
         a.end();
         return Enter{};
       }},
      {"escape",
       [](Arguments& a) -> Action {
         a.end();
         return Escape{};
       }},
  };
  return table;
}

Action parseAction(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && !isBlank(line[end])) ++end;
  std::string keyword = lower(line.substr(0, end));
  auto found = parsers().find(keyword);
  if (found == parsers().end())
    throw Problem{"unknown action \"" + std::string(line.substr(0, end)) + "\""};
  Arguments arguments(line.substr(end));
  return found->second(arguments);
}

Script parseWithPrefix(std::string_view text, const std::string& prefix) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  Script script;
  std::vector<std::string> problems;
  int number = 0;
  while (!text.empty()) {
    std::size_t newline = text.find('\n');
    std::string_view raw = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    ++number;
    std::string_view line = trimmed(raw);
    if (line.empty() || line.front() == '#') continue;
    try {
      if (utf16ToUtf8(utf8ToUtf16(line)) != line) throw Problem{"not valid UTF-8"};
      script.lines.push_back({number, std::string(line), parseAction(line)});
    } catch (const Problem& problem) {
      problems.push_back(prefix + "line " + std::to_string(number) + ": " + problem.message);
    }
  }
  if (!problems.empty()) throw ScriptError(std::move(problems));
  return script;
}

std::string joined(const std::vector<std::string>& problems) {
  std::string text;
  for (const std::string& problem : problems) {
    if (!text.empty()) text += '\n';
    text += problem;
  }
  return text;
}

}  // namespace

bool isHostPrompt(const Action& action) {
  return std::holds_alternative<Point>(action) || std::holds_alternative<Distance>(action) ||
         std::holds_alternative<Pick>(action) || std::holds_alternative<Enter>(action) ||
         std::holds_alternative<Escape>(action);
}

ScriptError::ScriptError(std::vector<std::string> problems)
    : std::runtime_error(joined(problems)), problems_(std::move(problems)) {}

Script parse(std::string_view text) { return parseWithPrefix(text, ""); }

Script load(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string name = file.string();
  if (!in) throw ScriptError({name + ": cannot read the script"});
  std::ostringstream content;
  content << in.rdbuf();
  return parseWithPrefix(content.str(), name + ": ");
}

std::optional<KeyEvent> parseKeyName(std::string_view name) {
  static const std::map<std::string, std::uint16_t> named = {
      {"enter", vk::kEnter},   {"return", vk::kEnter},   {"escape", vk::kEscape},
      {"esc", vk::kEscape},    {"backspace", vk::kBack}, {"tab", vk::kTab},
      {"space", vk::kSpace},   {"delete", vk::kDel},     {"del", vk::kDel},
      {"insert", vk::kInsert}, {"left", vk::kLeft},      {"right", vk::kRight},
      {"up", vk::kUp},         {"down", vk::kDown},      {"home", vk::kHome},
      {"end", vk::kEnd},       {"pageup", vk::kPageUp},  {"pagedown", vk::kPageDown},
  };
  KeyEvent event;
  while (true) {
    std::size_t plus = name.find('+');
    if (plus == std::string_view::npos || plus + 1 == name.size()) break;
    std::string modifier = lower(name.substr(0, plus));
    if (modifier == "shift") {
      event.shift.shift = true;
    } else if (modifier == "ctrl" || modifier == "control") {
      event.shift.ctrl = true;
    } else if (modifier == "alt") {
      event.shift.alt = true;
    } else {
      return std::nullopt;
    }
    name.remove_prefix(plus + 1);
  }
  std::string key = lower(name);
  if (auto found = named.find(key); found != named.end()) {
    event.key = found->second;
  } else if (key.size() == 1 &&
             ((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= '0' && key[0] <= '9'))) {
    event.key = static_cast<std::uint16_t>(key[0] >= 'a' ? key[0] - 'a' + 'A' : key[0]);
  } else if (key.size() >= 2 && key[0] == 'f') {
    int number = 0;
    auto [end, error] = std::from_chars(key.data() + 1, key.data() + key.size(), number);
    if (error != std::errc() || end != key.data() + key.size() || number < 1 || number > 12)
      return std::nullopt;
    event.key = static_cast<std::uint16_t>(vk::kF1 + number - 1);
  } else {
    return std::nullopt;
  }
  return event;
}

}  // namespace vrn::ui::script
