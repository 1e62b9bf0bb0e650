#include "ui/scripted_user.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "host/utf8.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/keyboard_map.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/property_text.h"
#include "ui/radio_group.h"
#include "ui/spin_button.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/tool_button.h"
#include "ui/tree_view.h"

namespace vrn::ui {

// A line that cannot be performed.
class ActionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace {

std::string inQuotes(std::u16string_view text) { return "\"" + utf16ToUtf8(text) + "\""; }

// "#3" -> 3.
std::optional<int> indexNotation(std::u16string_view item) {
  if (item.size() < 2 || item.front() != u'#') return std::nullopt;
  std::string digits = utf16ToUtf8(item.substr(1));
  int index = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return index;
}

// The item with exactly this text, else the one "#N" names.
int itemIndex(const ItemList& items, std::u16string_view item, const std::string& control) {
  int index = items.indexOf(item);
  if (index < 0) index = indexNotation(item).value_or(-1);
  if (!items.contains(index)) throw ActionError(control + " has no item " + inQuotes(item));
  return index;
}

}  // namespace

// Performs one line on the innermost open form.
class Performer {
 public:
  Performer(ScriptedUser& user, Form& form, const script::Line& line)
      : user_(user), form_(form), line_(line) {}

  void operator()(const script::Type& action) {
    std::u16string_view text = action.text;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (!form_.showing()) {
        throw ActionError("the form closed before " + inQuotes(text.substr(i)) + " was typed");
      }
      requireReachable(focusedControl());
      auto keystroke = keystrokeFor(text[i], user_.input_.activeLanguage());
      if (!keystroke) throw ActionError("no key types " + inQuotes(text.substr(i, 1)));
      user_.input_.keystroke(form_, keystroke->key, keystroke->character);
    }
  }

  void operator()(const script::Key& action) {
    if (Control* target = form_.activeControl()) requireReachable(*target);
    char16_t character =
        characterOf(user_.input_.activeLanguage(), action.key.key, action.key.shift);
    user_.input_.keystroke(form_, action.key, character);
  }

  void operator()(const script::Click& action) {
    Component& found = component(action.control);
    if (auto* spin = dynamic_cast<SpinButton*>(&found)) return clickSpin(*spin, action.part);
    if (auto* bar = dynamic_cast<StatusBar*>(&found)) return clickPanel(*bar, action.part);
    if (!action.part.empty())
      throw ActionError(action.control + " has no part " + inQuotes(action.part));
    auto* control = dynamic_cast<Control*>(&found);
    if (!control) throw ActionError(action.control + " cannot be clicked; menu items take `menu`");
    requireReachable(*control);
    if (auto* button = dynamic_cast<Button*>(control)) return user_.input_.click(*button);
    if (auto* toolButton = dynamic_cast<ToolButton*>(control))
      return user_.input_.click(*toolButton);
    if (auto* checkBox = dynamic_cast<CheckBox*>(control)) return user_.input_.click(*checkBox);
    if (auto* textBox = dynamic_cast<TextBox*>(control)) {
      return textBox->userSelect(textBox->selStart(), textBox->selLength());
    }
    if (!control->focusable()) throw ActionError(action.control + " cannot be clicked");
    form_.userFocus(*control, FocusCause::Mouse);
  }

  void operator()(const script::Menu& action) {
    Component& found = component(action.item);
    MenuItem* item = dynamic_cast<MenuItem*>(&found);
    if (!action.caption.empty()) {
      auto* items = dynamic_cast<MenuItems*>(&found);
      if (!items) throw ActionError(action.item + " is no menu");
      item = items->findByCaption(action.caption);
      if (!item) throw ActionError(action.item + " has no item " + inQuotes(action.caption));
    }
    if (!item) throw ActionError(action.item + " is no menu item");
    if (!item->reachable())
      throw ActionError("menu item " + inQuotes(item->caption()) + " is hidden or disabled");
    item->userClick();
  }

  void operator()(const script::Caret& action) { selectInFocused(action.position, 0); }
  void operator()(const script::Select& action) { selectInFocused(action.start, action.length); }

  void operator()(const script::Set& action) {
    Component& found = component(action.control);
    if (auto* grid = dynamic_cast<StringGrid*>(&found)) {
      requireReachable(*grid);
      if (!user_.input_.editCell(*grid, action.text)) {
        throw ActionError("the selected cell of " + action.control + " cannot be edited");
      }
      return;
    }
    auto& box = as<TextBox>(found, "an edit box");
    requireReachable(box);
    auto* combo = dynamic_cast<ComboBox*>(&box);
    if (combo && combo->style() == ComboStyle::DropDownList) {
      throw ActionError(action.control + " is a drop-down list; use `choose`");
    }
    if (box.readOnly()) throw ActionError(action.control + " is read-only");
    box.userReplaceText(action.text);
  }

  void operator()(const script::Check& action) {
    Component& found = component(action.control);
    auto& control = as<Control>(found, "a control");
    requireReachable(control);
    if (auto* list = dynamic_cast<CheckListBox*>(&control)) {
      return list->userSetChecked(itemIndex(list->items(), action.item, action.control),
                                  action.checked);
    }
    if (!action.item.empty()) throw ActionError(action.control + " has no items to check");
    if (auto* box = dynamic_cast<CheckBox*>(&control)) return box->userSetChecked(action.checked);
    auto* button = dynamic_cast<ToolButton*>(&control);
    if (!button || button->style() != ToolButtonStyle::Check) {
      throw ActionError(action.control + " cannot be checked");
    }
    if (button->down() != action.checked) button->userClick();
  }

  void operator()(const script::Choose& action) {
    auto& control = as<Control>(component(action.control), "a control");
    requireReachable(control);
    const std::string& name = action.control;
    if (auto* combo = dynamic_cast<ComboBox*>(&control))
      return user_.input_.choose(*combo, itemIndex(combo->items(), action.item, name));
    if (auto* list = dynamic_cast<ListBox*>(&control))
      return user_.input_.choose(*list, itemIndex(list->items(), action.item, name));
    if (auto* group = dynamic_cast<RadioGroup*>(&control))
      return user_.input_.choose(*group, itemIndex(group->items(), action.item, name));
    if (auto* pages = dynamic_cast<PageControl*>(&control)) return choosePage(*pages, action.item);
    if (auto* tree = dynamic_cast<TreeView*>(&control))
      return user_.input_.choose(*tree, node(*tree, action.item));
    if (auto* grid = dynamic_cast<StringGrid*>(&control)) return choosePick(*grid, action.item);
    throw ActionError(name + " has nothing to choose from");
  }

  void operator()(const script::Cell& action) {
    auto& grid = as<StringGrid>(component(action.control), "a grid");
    requireReachable(grid);
    if (!user_.input_.clickCell(grid, action.col, action.row)) {
      throw ActionError("cell " + std::to_string(action.col) + "," + std::to_string(action.row) +
                        " of " + action.control + " cannot be selected");
    }
  }

  void operator()(const script::Focus& action) {
    auto& control = as<Control>(component(action.control), "a control");
    requireReachable(control);
    if (!control.focusable()) throw ActionError(action.control + " takes no focus");
    form_.userFocus(control, FocusCause::Keyboard);
  }

  void operator()(const script::Drag& action) {
    auto& tree = as<TreeView>(component(action.control), "a tree");
    requireReachable(tree);
    TreeNode& source = node(tree, action.from);
    TreeNode* target = action.to.empty() ? nullptr : &node(tree, action.to);
    user_.input_.drag(tree, source, target, action.part);
  }

  void operator()(const script::Close&) { user_.input_.close(form_); }
  void operator()(const script::Resize& action) { form_.userResize(action.width, action.height); }

  void operator()(const script::Layout& action) {
    if (!user_.input_.activateLayout(action.language)) {
      throw ActionError(std::string("no ") +
                        (action.language == kHebrewLanguage ? "Hebrew" : "US English") +
                        " keyboard layout is installed");
    }
  }

  void operator()(const script::Wait& action) { user_.input_.wait(action.ms); }

  void operator()(const script::Answer&) { throw ActionError("no message box is open"); }
  void operator()(const script::File&) { throw ActionError("no file dialog is open"); }

  void operator()(const script::Expect& action) {
    std::optional<std::u16string> actual;
    if (sameName(action.control, form_.name())) {
      actual = form_.property(action.property);
    } else if (Component* found = form_.find(action.control)) {
      actual = found->property(action.property);
    } else {
      return user_.fail(&line_, "expect: no " + action.control + " on " + form_.name());
    }
    if (!actual)
      return user_.fail(&line_,
                        "expect: " + action.control + " has no property " + action.property);
    if (*actual != action.value) {
      user_.fail(&line_, "expect " + action.control + " " + action.property + ": wanted " +
                             inQuotes(action.value) + ", found " + inQuotes(*actual));
    }
  }

  // Answers to the host's prompts never get here: next() hands them over.
  void operator()(const script::Point&) {}
  void operator()(const script::Distance&) {}
  void operator()(const script::Pick&) {}
  void operator()(const script::Enter&) {}
  void operator()(const script::Escape&) {}

 private:
  Component& component(const std::string& name) const {
    Component* found = form_.find(name);
    if (!found) throw ActionError("no " + name + " on " + form_.name());
    return *found;
  }

  template <class T>
  T& as(Component& found, const char* kind) const {
    auto* typed = dynamic_cast<T*>(&found);
    if (!typed) throw ActionError(found.name() + " is not " + kind);
    return *typed;
  }

  static void requireReachable(const Control& control) {
    if (!control.reachable()) throw ActionError(control.name() + " is hidden or disabled");
  }

  Control& focusedControl() const {
    Control* target = form_.activeControl();
    if (!target) throw ActionError("no control of " + form_.name() + " has the focus");
    return *target;
  }

  void selectInFocused(int start, int length) const {
    Control& target = focusedControl();
    requireReachable(target);
    auto* box = dynamic_cast<TextBox*>(&target);
    if (auto* tree = dynamic_cast<TreeView*>(&target); tree && tree->editedNode())
      box = &tree->editor();
    if (!box) throw ActionError(target.name() + " has no caret");
    int size = static_cast<int>(box->text().size());
    if (start + length > size) {
      throw ActionError(std::to_string(start + length) + " is past the end of the text (" +
                        std::to_string(size) + ")");
    }
    box->userSelect(start, length);
  }

  static TreeNode& node(TreeView& tree, std::u16string_view path) {
    TreeNode* found = tree.findByPath(path);
    if (!found) throw ActionError(tree.name() + " has no node " + inQuotes(path));
    return *found;
  }

  void clickSpin(SpinButton& spin, std::u16string_view part) const {
    requireReachable(spin);
    if (part == u"up") return spin.userClickUp();
    if (part == u"down") return spin.userClickDown();
    throw ActionError("click " + spin.name() + " needs up or down");
  }

  void clickPanel(StatusBar& bar, std::u16string_view part) const {
    requireReachable(bar);
    auto index = indexNotation(u"#" + std::u16string(part));
    if (!index || *index < 0 || *index >= bar.panelCount()) {
      throw ActionError("click " + bar.name() + " needs a panel number below " +
                        std::to_string(bar.panelCount()));
    }
    bar.userClickPanel(*index);
  }

  void choosePage(PageControl& pages, std::u16string_view caption) {
    const auto& list = pages.pages();
    auto found = std::find_if(list.begin(), list.end(),
                              [&](TabSheet* page) { return page->caption() == caption; });
    if (found == list.end()) throw ActionError(pages.name() + " has no page " + inQuotes(caption));
    user_.input_.choose(pages, static_cast<int>(found - list.begin()));
  }

  void choosePick(StringGrid& grid, const std::u16string& item) {
    const auto& picks = grid.pickList(grid.row());
    if (std::find(picks.begin(), picks.end(), item) == picks.end()) {
      throw ActionError("row " + std::to_string(grid.row()) + " of " + grid.name() + " offers no " +
                        inQuotes(item));
    }
    if (!user_.input_.editCell(grid, item))
      throw ActionError("the selected cell of " + grid.name() + " cannot be edited");
  }

  ScriptedUser& user_;
  Form& form_;
  const script::Line& line_;
};

void ScriptedUser::play(script::Script script, HostPrompts* prompts) {
  script_ = std::move(script);
  cursor_ = 0;
  prompts_ = prompts;
  stopped_ = false;
  report_ = {};
  deliverPrompts();
}

const script::Line* ScriptedUser::next() {
  if (stopped_ || cursor_ >= script_.lines.size()) return nullptr;
  const script::Line* line = &script_.lines[cursor_++];
  deliverPrompts();
  return line;
}

void ScriptedUser::deliverPrompts() {
  while (!stopped_ && cursor_ < script_.lines.size() &&
         script::isHostPrompt(script_.lines[cursor_].action)) {
    const script::Line& line = script_.lines[cursor_++];
    if (!prompts_) {
      fail(&line, "nothing asks the host's prompts here");
      stopped_ = true;
      return;
    }
    std::visit(
        [this](const auto& action) {
          using A = std::decay_t<decltype(action)>;
          if constexpr (std::is_same_v<A, script::Point>) prompts_->point(action.point);
          if constexpr (std::is_same_v<A, script::Distance>) prompts_->distance(action.value);
          if constexpr (std::is_same_v<A, script::Pick>) prompts_->pick(action.handles);
          if constexpr (std::is_same_v<A, script::Enter>) prompts_->enter();
          if constexpr (std::is_same_v<A, script::Escape>) prompts_->escape();
        },
        line.action);
  }
}

void ScriptedUser::fail(const script::Line* line, const std::string& message) {
  report_.failures.push_back(line ? "line " + std::to_string(line->number) + " (" + line->source +
                                        "): " + message
                                  : message);
}

void ScriptedUser::metTheEnd(const std::string& what) {
  if (stopped_) return;
  fail(nullptr, "the script ended while " + what + " was open");
  stopped_ = true;
}

void ScriptedUser::cancelPath(Form& form) {
  if (Button* cancel = form.cancelButton()) cancel->userClick();
  if (form.showing()) form.userClose();
}

void ScriptedUser::runModal(Form& form) {
  transcript_.formShown(form);
  while (form.showing()) {
    const script::Line* line = next();
    if (!line) {
      metTheEnd("form " + form.name());
      cancelPath(form);
      break;
    }
    try {
      std::visit(Performer(*this, form, *line), line->action);
      input_.settle(form);
    } catch (const ActionError& error) {
      fail(line, error.what());
      stopped_ = true;
    }
  }
  transcript_.formClosed(form);
}

ModalResult ScriptedUser::answerMessageBox(const MessageBoxRequest& request) {
  ModalResult answer = closingAnswerOf(request.buttons);
  const script::Line* line = next();
  if (!line) {
    metTheEnd("message box " + inQuotes(request.text));
  } else if (const auto* given = std::get_if<script::Answer>(&line->action)) {
    auto answers = answersOf(request.buttons);
    if (std::find(answers.begin(), answers.end(), given->answer) != answers.end()) {
      answer = given->answer;
    } else {
      fail(line, "message box " + inQuotes(request.text) + " has no " +
                     utf16ToUtf8(toText(given->answer)) + " button");
      stopped_ = true;
    }
  } else {
    fail(line,
         "message box " + inQuotes(request.text) + " is open; the script must answer it first");
    stopped_ = true;
  }
  transcript_.messageBox(request, answer);
  return answer;
}

std::optional<std::filesystem::path> ScriptedUser::answerFileDialog(
    const FileDialogRequest& request) {
  std::optional<std::filesystem::path> chosen;
  const script::Line* line = next();
  if (!line) {
    metTheEnd("a file dialog");
  } else if (const auto* file = std::get_if<script::File>(&line->action)) {
    chosen = file->path;
  } else if (const auto* given = std::get_if<script::Answer>(&line->action);
             !given || given->answer != ModalResult::Cancel) {
    fail(line, "a file dialog is open; the script must give a `file` or `answer Cancel`");
    stopped_ = true;
  }
  transcript_.fileDialog(request, chosen);
  return chosen;
}

RunReport ScriptedUser::finish() {
  if (!stopped_ && cursor_ < script_.lines.size()) {
    fail(&script_.lines[cursor_], "the program finished before the script came to this line");
  }
  stopped_ = true;
  return report_;
}

}  // namespace vrn::ui
