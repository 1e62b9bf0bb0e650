#pragma once
// Win32Toolkit: the seam's forms as real windows on the calling thread (the
// host's user-interface thread): each modal form is a top-level window
// owned by the host's window, which is disabled while the form runs.
//
// A scripted toolkit's user is a script (play): it drives the same windows
// with real messages and keystrokes (Win32Input), as the headless
// backend's user drives its forms, and no window ever waits for a person
// (with no script left, forms close by their Cancel path and boxes answer
// as their close box). Tests use this; the shipped DLL makes a person's
// toolkit unless asked otherwise (see com/dll_forms.h). The transcript and
// the run report are the same as headless.
//
// While a form shows, a thread-local shell hook passes the system's
// keyboard-language changes (HSHELL_LANGUAGE) to the platform's listeners.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "ui/scripted_toolkit.h"
#include "ui/scripted_user.h"
#include "ui/win32/win32_clipboard.h"
#include "ui/win32/win32_input.h"

namespace vrn::ui::win32 {

class FormWindow;

class Win32Toolkit final : public ScriptedToolkit {
 public:
  // owner: the host's window that forms are modal over (null for none).
  enum class User { Person, Script };
  Win32Toolkit(std::function<HWND()> owner, User user);
  ~Win32Toolkit() override;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  // --- ScriptedToolkit ---
  void play(script::Script script, HostPrompts* prompts) override;
  RunReport finish() override;
  bool scripted() const { return scripted_; }

  // --- Toolkit ---
  void runModal(Form& form) override;
  ModalResult showMessageBox(const MessageBoxRequest& request) override;
  std::optional<std::filesystem::path> showFileDialog(const FileDialogRequest& request) override;
  Clipboard& clipboard() override { return clipboard_; }
  Rect pointerMonitor() const override;
  void bringToFront(Form& form) override;
  void beep() override;
  void timerChanged(Timer& timer) override;
  void processMessages() override { Win32Input::pump(); }

  // The window of a form that shows, or null.
  FormWindow* windowOf(const Form& form) const;
  // Called with each form's window once it shows, and as it stops
  // showing (snapshots in tests).
  std::function<void(FormWindow&)> onFormShown;
  std::function<void(FormWindow&)> onFormClosing;

  // WM_TIMER of the timer window.
  void timerFired(UINT_PTR id);

 protected:
  void showBusyCursor(bool busy) override;

 private:
  HWND owner() const;
  void installShellHook();
  void removeShellHook();

  std::function<HWND()> owner_;
  Win32Clipboard clipboard_;
  Win32Input input_{*this};
  ScriptedUser user_{input_, transcript()};
  bool scripted_;
  std::map<const Form*, FormWindow*> windows_;
  std::vector<FormWindow*> stack_;
  HWND timerWindow_ = nullptr;
  std::map<UINT_PTR, Timer*> timers_;
  std::map<Timer*, UINT_PTR> timerIds_;
  UINT_PTR nextTimerId_ = 1;
  HHOOK shellHook_ = nullptr;
  HCURSOR savedCursor_ = nullptr;
};

}  // namespace vrn::ui::win32
