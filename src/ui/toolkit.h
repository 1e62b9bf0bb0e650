#pragma once
// Toolkit: what a backend provides besides showing controls. Forms reach it
// through Form::toolkit(); the program that creates forms (the automation
// members, the command line, tests) chooses the backend and keeps it alive
// longer than every form made with it.
//
// How the seam maps onto Win32 (the backend in ui/win32):
//   Form -> a top-level window, modal over the host's window (runModal
//     disables the owner, pumps until the form stops showing, re-enables it);
//   Edit, Memo -> EDIT (ES_MULTILINE for a memo), subclassed so that
//     WM_KEYDOWN goes to Form::userKeyDown and WM_CHAR to userKeyChar, the
//     seam's EditBuffer deciding the result (the backend then sets the
//     window's text and selection from it); WM_CUT/COPY/PASTE go to the
//     control's clipboard methods;
//   ComboBox -> COMBOBOX (CBS_DROPDOWN or CBS_DROPDOWNLIST); ListBox,
//     CheckListBox -> LISTBOX (owner-drawn check boxes); RadioGroup -> a
//     group box with BS_AUTORADIOBUTTON buttons; CheckBox, Button -> BUTTON;
//   ToolBar, ToolButton -> a common-controls tool bar with tool tips for
//     hints, TBSTYLE_CHECK / TBSTYLE_GROUP / TBSTYLE_DROPDOWN;
//   StatusBar -> STATUSCLASSNAME; PageControl, TabSheet -> a tab control and
//     a child window per page; SpinButton -> UPDOWN_CLASS;
//   TreeView -> WC_TREEVIEW with TVS_EDITLABELS (its edit control feeds the
//     seam's in-place editor); StringGrid -> a grid drawn by the backend;
//   PopupMenu, MenuItem -> HMENU with TrackPopupMenu; Timer -> SetTimer;
//   message boxes, file dialogs, the clipboard, the monitor under the
//   pointer (MonitorFromPoint), the hourglass -> the calls below.

#include <filesystem>
#include <optional>
#include <string>

#include "ui/clipboard.h"
#include "ui/geometry.h"
#include "ui/message_box.h"

namespace vrn::ui {

class Form;
class Timer;

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  std::u16string title;
  std::u16string filter;  // "Text files(*.txt)|*.txt|All files|*.*"
  std::u16string defaultExt;
  std::filesystem::path initialDir;
  std::filesystem::path fileName;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Runs the modal loop of a form that has just started showing: delivers
  // the user's input to it until it stops showing.
  virtual void runModal(Form& form) = 0;
  // A modal message box; returns the answer (one of answersOf(buttons)).
  virtual ModalResult showMessageBox(const MessageBoxRequest& request) = 0;
  // A modal open or save dialog; nothing when the user cancels.
  virtual std::optional<std::filesystem::path> showFileDialog(const FileDialogRequest& request) = 0;
  virtual Clipboard& clipboard() = 0;
  // The work area of the monitor under the mouse pointer.
  virtual Rect pointerMonitor() const = 0;
  virtual void bringToFront(Form& form) = 0;
  virtual void beep() = 0;
  // A timer was enabled, disabled, given a new interval or is going away:
  // the backend (re)starts it from now, or stops it.
  virtual void timerChanged(Timer& timer) = 0;
  // Delivers the input waiting for the forms, so that they stay responsive
  // during long work done inside a handler; the work's form must then
  // ignore its own commands until it is done.
  virtual void processMessages() {}

  // The hourglass shows while at least one Hourglass (hourglass.h) lives.
  void beginBusy() {
    if (busyCount_++ == 0) showBusyCursor(true);
  }
  void endBusy() {
    if (--busyCount_ == 0) showBusyCursor(false);
  }

 protected:
  virtual void showBusyCursor(bool busy) = 0;

 private:
  int busyCount_ = 0;
};

}  // namespace vrn::ui
