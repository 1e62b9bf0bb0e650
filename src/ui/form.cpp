#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

#include "host/silent_abort.h"
#include "ui/button.h"
#include "ui/message_box.h"
#include "ui/property_text.h"

namespace vrn::ui {

Form::Form(Toolkit& toolkit, std::string name) : toolkit_(toolkit), name_(std::move(name)) {}

Form::~Form() = default;

void Form::adopt(Component& component) { components_.push_back(&component); }

void Form::release(Component& component) {
  std::erase(components_, &component);
  if (activeControl_ == &component) activeControl_ = nullptr;
}

void Form::setCaption(std::u16string caption) {
  caption_ = std::move(caption);
  changed(Aspect::Caption);
}

void Form::setBounds(Rect bounds) {
  if (bounds == bounds_) return;
  bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  bounds_ = bounds;
  changed(Aspect::Bounds);
  if (resized && onResize) onResize();
}

// --- life ---

void Form::create() {
  if (created_) throw std::logic_error("form " + name_ + " created twice");
  created_ = true;
  if (onCreate) onCreate();
}

void Form::destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (showing_) {
    showing_ = false;
    changed(Aspect::Visible);
  }
  if (onDestroy) onDestroy();
}

ModalResult Form::showModal() {
  if (showing_) throw std::logic_error("form " + name_ + " is already showing");
  modalResult_ = ModalResult::None;
  closePending_ = false;
  if (onShow) onShow();
  Control* first = activeControl_ && activeControl_->canFocus() ? activeControl_ : nullptr;
  for (auto it = components_.begin(); !first && it != components_.end(); ++it) {
    auto* control = dynamic_cast<Control*>(*it);
    if (control && control->canFocus()) first = control;
  }
  showing_ = true;
  changed(Aspect::Visible);
  activeControl_ = nullptr;
  userInput([&] {
    if (first) moveFocus(first, FocusCause::Program);
  });
  if (showing_) toolkit_.runModal(*this);
  if (showing_)
    throw std::logic_error("the modal loop of " + name_ + " ended while it was showing");
  return modalResult_;
}

void Form::setModalResult(ModalResult result) {
  modalResult_ = result;
  if (result == ModalResult::None) {
    closePending_ = false;
  } else {
    requestClose();
  }
}

void Form::close() {
  if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
  requestClose();
}

void Form::requestClose() {
  if (!showing_) return;
  if (inputDepth_ > 0) {
    closePending_ = true;
  } else {
    finishClose();
  }
}

void Form::finishClose() {
  closePending_ = false;
  if (!showing_) return;
  try {
    if (onClose) onClose();
  } catch (const host::SilentAbort&) {
  } catch (const std::exception& error) {
    showError(toolkit_, error.what());
  }
  showing_ = false;
  changed(Aspect::Visible);
}

// --- placement ---

void Form::centreOnPointerMonitor() {
  Rect monitor = toolkit_.pointerMonitor();
  setLeft(monitor.left + (monitor.width - bounds_.width) / 2);
}

void Form::keepOnMonitor() {
  Rect monitor = toolkit_.pointerMonitor();
  auto fit = [](int start, int size, int areaStart, int areaSize) {
    return std::max(areaStart, std::min(start, areaStart + areaSize - size));
  };
  setBounds({fit(bounds_.left, bounds_.width, monitor.left, monitor.width),
             fit(bounds_.top, bounds_.height, monitor.top, monitor.height), bounds_.width,
             bounds_.height});
}

// --- focus and components ---

void Form::setActiveControl(Control* control) {
  if (!showing_) {
    activeControl_ = control;
    return;
  }
  moveFocus(control, FocusCause::Program);
}

// Throws what onExit throws; the focus then stays where it was.
bool Form::moveFocus(Control* control, FocusCause cause) {
  if (control == activeControl_) return true;
  if (Control* old = activeControl_) {
    old->focusLost();
    if (old->onExit) old->onExit();
  }
  activeControl_ = control;
  if (control) {
    control->focusGained(cause);
    if (control->onEnter) control->onEnter();
  }
  return activeControl_ == control;
}

Component* Form::find(std::string_view name) const {
  for (Component* component : components_) {
    if (!component->name().empty() && sameName(component->name(), name)) return component;
  }
  return nullptr;
}

Button* Form::defaultButton() const {
  for (Component* component : components_) {
    auto* button = dynamic_cast<Button*>(component);
    if (button && button->isDefault() && button->reachable()) return button;
  }
  return nullptr;
}

Button* Form::cancelButton() const {
  for (Component* component : components_) {
    auto* button = dynamic_cast<Button*>(component);
    if (button && button->isCancel() && button->reachable()) return button;
  }
  return nullptr;
}

void Form::focusNext(bool backwards) {
  std::vector<Control*> order;
  for (Component* component : components_) {
    auto* control = dynamic_cast<Control*>(component);
    if (control && control->canFocus()) order.push_back(control);
  }
  if (order.empty()) return;
  auto at = std::find(order.begin(), order.end(), activeControl_);
  std::size_t index =
      at == order.end() ? order.size() - 1 : static_cast<std::size_t>(at - order.begin());
  std::size_t next =
      backwards ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
  moveFocus(order[next], FocusCause::Keyboard);
}

// --- user input ---

void Form::userInput(const std::function<void()>& action) {
  ++inputDepth_;
  try {
    action();
  } catch (const host::SilentAbort&) {
    setModalResult(ModalResult::None);
  } catch (const std::exception& error) {
    setModalResult(ModalResult::None);
    showError(toolkit_, error.what());
  }
  --inputDepth_;
  if (inputDepth_ == 0 && closePending_) finishClose();
}

void Form::userKeystroke(KeyEvent key, char16_t character) {
  userInput([&] {
    if (routeKeyDown(key) && character != 0 && !closePending_) routeKeyChar(character);
  });
}

bool Form::userKeyDown(KeyEvent key) {
  bool characterFollows = false;
  userInput([&] { characterFollows = routeKeyDown(key); });
  return characterFollows && showing_;
}

void Form::userKeyChar(char16_t character) {
  userInput([&] { routeKeyChar(character); });
}

bool Form::routeKeyDown(KeyEvent& key) {
  if (keyPreview_ && onKeyDown) {
    onKeyDown(key);
    if (key.swallowed()) return false;
  }
  Control* target = activeControl_;
  if (target && target->onKeyDown) {
    target->onKeyDown(key);
    if (key.swallowed()) return false;
  }
  if (!(target && target->wantsKey(key)) && dialogKey(key, target)) return false;
  if (target) target->defaultKeyDown(key);
  return true;
}

bool Form::dialogKey(const KeyEvent& key, Control* target) {
  if (key.is(vk::kEnter)) {
    auto* focusedButton = dynamic_cast<Button*>(target);
    Button* button = focusedButton ? focusedButton : defaultButton();
    if (!button) return false;
    button->click();
    return true;
  }
  if (key.is(vk::kEscape)) {
    Button* button = cancelButton();
    if (!button) return false;
    button->click();
    return true;
  }
  if (key.is(vk::kTab) || key.is(vk::kTab, {.shift = true})) {
    focusNext(key.shift.shift);
    return true;
  }
  return false;
}

// Control characters other than Backspace, Tab, Enter and Escape (Ctrl
// with a letter) carry no character of their own.
void Form::routeKeyChar(char16_t character) {
  if (character < 0x20 && character != 0x08 && character != u'\t' && character != u'\r' &&
      character != 0x1B) {
    return;
  }
  if (keyPreview_ && onKeyPress) {
    onKeyPress(character);
    if (character == 0) return;
  }
  Control* target = activeControl_;
  if (!target) return;
  if (target->onKeyPress) {
    target->onKeyPress(character);
    if (character == 0) return;
  }
  target->defaultKeyChar(character);
}

void Form::userClose() {
  userInput([this] { close(); });
}

void Form::userResize(int width, int height) {
  userInput([&] { setBounds({bounds_.left, bounds_.top, width, height}); });
}

bool Form::userFocus(Control& control, FocusCause cause) {
  if (!control.focusable()) return true;  // clicking a control that takes no focus leaves it
  if (!control.canFocus()) return false;
  bool moved = false;
  userInput([&] { moved = moveFocus(&control, cause); });
  return moved;
}

std::optional<std::u16string> Form::property(std::string_view name) const {
  if (sameName(name, "Caption")) return caption_;
  if (sameName(name, "Left")) return propertyText(bounds_.left);
  if (sameName(name, "Top")) return propertyText(bounds_.top);
  if (sameName(name, "Width")) return propertyText(bounds_.width);
  if (sameName(name, "Height")) return propertyText(bounds_.height);
  if (sameName(name, "Showing")) return propertyText(showing_);
  if (sameName(name, "ModalResult")) return toText(modalResult_);
  if (sameName(name, "ActiveControl")) {
    std::string active = activeControl_ ? activeControl_->name() : std::string();
    return std::u16string(active.begin(), active.end());
  }
  return std::nullopt;
}

}  // namespace vrn::ui
