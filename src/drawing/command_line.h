#pragma once
// What the built-in command line understands of the text sent to it: the
// command names typed (separated by blanks or line ends) and those given to
// AutoLISP's (command ...) in a parenthesised expression, and the message
// of AutoLISP's (alert "...") box. Everything else is only logged.

#include <string>
#include <string_view>
#include <vector>

namespace vrn::drawing {

struct CommandLineStep {
  bool alert = false;  // an alert box with the message `text`
  std::u16string text;
};

std::vector<CommandLineStep> stepsIn(std::u16string_view text);
// The commands of stepsIn, without the alerts.
std::vector<std::u16string> commandsIn(std::u16string_view text);
// "U", with AutoCAD's optional "_" (English name) and "." (built-in) prefixes.
bool isUndoCommand(std::u16string_view command);

}  // namespace vrn::drawing
