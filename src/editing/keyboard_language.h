#pragma once
// KeyboardLanguage: one editor's tracking of the keyboard language. The
// editor shows two grouped tool buttons, Hebrew and English; exactly one is
// down, matching the layout really active, whether the user switched with
// the buttons or with the system's own switch.
//
// The system's language-change notification only records the language and
// arms the editor's one-shot 100 ms timer; the timer's tick makes the
// buttons and the layout agree. Notifications that arrive while that is
// pending (including those of our own switching) are dropped.
//
// The language believed active always follows the layout that the switch
// really made active: with no Hebrew layout installed, asking for Hebrew
// leaves US English, and the editor says so.

#include <cstdint>

#include "platform/keyboard_layouts.h"
#include "ui/timer.h"
#include "ui/tool_button.h"

namespace vrn::editing {

inline constexpr std::int32_t kEnglishLanguage = 1033;
inline constexpr std::int32_t kHebrewLanguage = 1037;

class KeyboardLanguage {
 public:
  KeyboardLanguage(ui::ToolButton& hebrewButton, ui::ToolButton& englishButton, ui::Timer& timer);
  ~KeyboardLanguage();
  KeyboardLanguage(const KeyboardLanguage&) = delete;
  KeyboardLanguage& operator=(const KeyboardLanguage&) = delete;

  // The language the editor believes active: 1033 or 1037.
  std::int32_t language() const { return KeyboardLanguage_; }
  bool hebrew() const { return KeyboardLanguage_ == kHebrewLanguage; }
  bool LanguageSyncBusy() const { return LanguageSyncBusy_; }

  // Activates Hebrew and synchronises (the editors' opening).
  void startHebrew();
  // Listens to the system's language changes (idempotent) / stops.
  void installHook();
  void removeHook();

  // The notification: the new layout.
  void languageChanged(platform::KeyboardLayoutHandle layout);
  // Buttons and layout made to agree with the language believed active.
  void synchronise();
  // The timer's handler: synchronise, then stop the timer.
  void timerTick();
  // The buttons' clicks.
  void hebrewClick();
  void englishClick();

 private:
  void followActiveLayout();

  ui::ToolButton& hebrewButton_;
  ui::ToolButton& englishButton_;
  ui::Timer& timer_;
  std::int32_t KeyboardLanguage_ = kHebrewLanguage;
  bool LanguageSyncBusy_ = false;
  platform::LanguageListenerId hook_ = 0;
  bool hooked_ = false;
};

}  // namespace vrn::editing
