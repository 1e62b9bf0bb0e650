#include "drawing/command_line.h"

namespace vrn::drawing {
namespace {

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// The strings of (command "A" "B" ...) inside one parenthesised expression
// starting at text[i]; moves i past its closing parenthesis.
void readExpression(std::u16string_view text, std::size_t& i, std::vector<CommandLineStep>& out) {
  int depth = 0;
  bool isCommand = false;
  bool isAlert = false;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'"') {
      std::u16string value;
      for (++i; i < text.size() && text[i] != u'"'; ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) ++i;
        value += text[i];
      }
      if (isCommand) out.push_back({false, value});
      if (isAlert) out.push_back({true, value});
      isAlert = false;
    } else if (c == u'(') {
      ++depth;
      std::size_t j = i + 1;
      while (j < text.size() && isBlank(text[j])) ++j;
      isCommand = text.substr(j, 7) == u"command" || text.substr(j, 7) == u"COMMAND";
      isAlert = text.substr(j, 5) == u"alert" || text.substr(j, 5) == u"ALERT";
    } else if (c == u')') {
      isCommand = false;
      if (--depth == 0) {
        ++i;
        return;
      }
    }
  }
}

}  // namespace

std::vector<CommandLineStep> stepsIn(std::u16string_view text) {
  std::vector<CommandLineStep> out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (isBlank(text[i])) {
      ++i;
    } else if (text[i] == u'(') {
      readExpression(text, i, out);
    } else {
      const std::size_t start = i;
      while (i < text.size() && !isBlank(text[i]) && text[i] != u'(') ++i;
      out.push_back({false, std::u16string(text.substr(start, i - start))});
    }
  }
  return out;
}

std::vector<std::u16string> commandsIn(std::u16string_view text) {
  std::vector<std::u16string> out;
  for (CommandLineStep& step : stepsIn(text)) {
    if (!step.alert) out.push_back(std::move(step.text));
  }
  return out;
}

bool isUndoCommand(std::u16string_view command) {
  while (!command.empty() && (command.front() == u'_' || command.front() == u'.')) {
    command.remove_prefix(1);
  }
  return command == u"U" || command == u"u";
}

}  // namespace vrn::drawing
