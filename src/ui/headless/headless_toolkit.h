#pragma once
// HeadlessToolkit: forms without windows, for the tests and the command
// line. Its user is a script (ScriptedUser), its time a virtual clock that
// moves only when the script waits (no time passes between actions, so a
// script says `wait 100` where it wants a 100 ms timer to fire), its
// screen a virtual set of monitors and a pointer, its clipboard a text in
// memory. The keyboard layout it types with is the platform's simulated
// one, which `layout he|en` switches.

#include <functional>

#include "platform/keyboard_layouts.h"
#include "ui/headless/virtual_clipboard.h"
#include "ui/headless/virtual_clock.h"
#include "ui/headless/virtual_screen.h"
#include "ui/scripted_toolkit.h"
#include "ui/scripted_user.h"
#include "ui/user_input.h"

namespace vrn::ui::headless {

// The scripted user's input goes straight to the seam; time is the virtual
// clock's, the keyboard the platform's.
class HeadlessInput final : public UserInput {
 public:
  explicit HeadlessInput(VirtualClock& clock) : clock_(clock) {}
  std::uint16_t activeLanguage() const override {
    return platform::languageIdOf(platform::currentKeyboardLayout());
  }
  bool activateLayout(std::uint16_t language) override {
    return platform::activateKeyboardLayout(language);
  }
  void wait(int ms) override { clock_.advance(ms); }

 private:
  VirtualClock& clock_;
};

class HeadlessToolkit final : public ScriptedToolkit {
 public:
  HeadlessToolkit() : user_(input_, transcript()) {}

  // --- ScriptedToolkit ---
  void play(script::Script script, HostPrompts* prompts) override {
    user_.play(std::move(script), prompts);
  }
  RunReport finish() override { return user_.finish(); }

  // --- Toolkit ---
  void runModal(Form& form) override { user_.runModal(form); }
  ModalResult showMessageBox(const MessageBoxRequest& request) override {
    return user_.answerMessageBox(request);
  }
  std::optional<std::filesystem::path> showFileDialog(const FileDialogRequest& request) override {
    return user_.answerFileDialog(request);
  }
  Clipboard& clipboard() override { return clipboard_; }
  Rect pointerMonitor() const override { return screen_.pointerMonitor(); }
  void bringToFront(Form& form) override { frontForm_ = &form; }
  void beep() override { ++beeps_; }
  void timerChanged(Timer& timer) override { clock_.update(timer); }
  // The scripted user acts between its lines only; a test may act here.
  void processMessages() override {
    if (onProcessMessages) onProcessMessages();
  }

  // --- the virtual machine, for tests and the command line ---
  VirtualScreen& screen() { return screen_; }
  const VirtualClock& clock() const { return clock_; }
  bool busy() const { return busy_; }
  int beeps() const { return beeps_; }
  // The form last brought to the front, or null.
  const Form* frontForm() const { return frontForm_; }
  // What arrives while a form's long work services the messages.
  std::function<void()> onProcessMessages;

 protected:
  void showBusyCursor(bool busy) override { busy_ = busy; }

 private:
  VirtualClock clock_;
  VirtualScreen screen_;
  VirtualClipboard clipboard_;
  HeadlessInput input_{clock_};
  ScriptedUser user_;
  const Form* frontForm_ = nullptr;
  bool busy_ = false;
  int beeps_ = 0;
};

}  // namespace vrn::ui::headless
