#pragma once
// What the built-in command line understands of the text sent to it: the
// command names typed (separated by blanks or line ends) and those given to
// AutoLISP's (command ...) in a parenthesised expression. Everything else is
// only logged.

#include <string>
#include <string_view>
#include <vector>

namespace vrn::drawing {

std::vector<std::u16string> commandsIn(std::u16string_view text);
// "U", with AutoCAD's optional "_" (English name) and "." (built-in) prefixes.
bool isUndoCommand(std::u16string_view command);

}  // namespace vrn::drawing
