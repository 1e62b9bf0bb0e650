#include "ui/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/page_control.h"
#include "ui/spin_button.h"
#include "ui/status_bar.h"
#include "ui/tool_button.h"
#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

constexpr int kStripTop = 2;
constexpr int kStripHeight = 24;
constexpr int kToolWidth = 28;
constexpr int kTextWidthPerCharacter = 6;  // a tool button shows its text, not an image
constexpr int kFieldWidth = 64;
constexpr int kButtonWidth = 80;
constexpr int kGap = 4;

bool inStrip(const Control& control) {
  return control.bounds().width == 0 && control.bounds().height == 0 &&
         dynamic_cast<const StatusBar*>(&control) == nullptr &&
         dynamic_cast<const TabSheet*>(&control) == nullptr;
}

int toolWidth(const Control& control) {
  const auto* button = dynamic_cast<const ToolButton*>(&control);
  if (!button) return kToolWidth;
  const std::size_t length =
      button->caption().empty() ? button->hint().size() : button->caption().size();
  return std::max(kToolWidth, static_cast<int>(length) * kTextWidthPerCharacter + 6);
}

}  // namespace

FormWindow::FormWindow(Form& form, HWND owner) : form_(form) {
  registerWindowClasses();
  const Rect bounds = form.bounds();
  window_ = CreateWindowExW(
      WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kFormClass, wide(form.caption()),
      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, bounds.left, bounds.top,
      bounds.width, bounds.height, owner, nullptr, thisModule(), this);
  if (window_ == nullptr) throw std::runtime_error("cannot create the window of " + form.name());
  createControls();
  form_.setPeer(this);
}

FormWindow::~FormWindow() {
  form_.setPeer(nullptr);
  controls_.clear();
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

std::vector<Rect> FormWindow::stripLayout() const {
  RECT client{};
  GetClientRect(window_, &client);
  std::vector<Rect> places;
  int left = kGap;
  int right = client.right - kGap;
  for (Component* component : form_.components()) {
    auto* control = dynamic_cast<Control*>(component);
    if (!control) continue;
    Rect place = control->bounds();
    if (inStrip(*control)) {
      if (dynamic_cast<Button*>(control)) {
        right -= kButtonWidth;
        place = {right, kStripTop, kButtonWidth, kStripHeight};
        right -= kGap;
      } else {
        const bool field = dynamic_cast<TextBox*>(control) != nullptr;
        const int width = field ? kFieldWidth : toolWidth(*control);
        place = {left, kStripTop, width, kStripHeight};
        left += width + (control->visible() ? kGap : -width);
      }
    }
    places.push_back(place);
  }
  return places;
}

void FormWindow::createControls() {
  const std::vector<Rect> places = stripLayout();
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                          0, 0, window_, nullptr, thisModule(), nullptr);
  std::size_t index = 0;
  for (Component* component : form_.components()) {
    auto* control = dynamic_cast<Control*>(component);
    if (!control) continue;
    auto window = std::make_unique<ControlWindow>(*this, *control, places[index++]);
    if (!control->hint().empty()) addTip(window->window(), control->hint());
    byWindow_[window->window()] = window.get();
    if (window->keyWindow() != window->window()) byWindow_[window->keyWindow()] = window.get();
    controls_.push_back(std::move(window));
  }
  showDisplayed();
}

void FormWindow::addTip(HWND control, const std::u16string& hint) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(wide(hint));
  SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

ControlWindow* FormWindow::find(const Control& control) const {
  for (const auto& window : controls_) {
    if (&window->control() == &control) return window.get();
  }
  return nullptr;
}

ControlWindow* FormWindow::byWindow(HWND window) const {
  auto found = byWindow_.find(window);
  return found == byWindow_.end() ? nullptr : found->second;
}

void FormWindow::showDisplayed() {
  for (const auto& window : controls_) {
    // A page control lies under the controls of its pages, which were made
    // after it and so went under it.
    if (window->kind() == ControlWindow::Kind::Tabs) {
      SetWindowPos(window->window(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ShowWindow(window->window(), window->shown() ? SW_SHOWNA : SW_HIDE);
  }
}

void FormWindow::syncFocus() {
  if (!form_.showing()) return;
  Control* active = form_.activeControl();
  ControlWindow* target = active ? find(*active) : nullptr;
  HWND wanted = target ? target->keyWindow() : window_;
  if (GetFocus() == wanted || (target && IsChild(wanted, GetFocus()))) return;
  settingFocus_ = true;
  SetFocus(wanted);
  settingFocus_ = false;
}

void FormWindow::showBounds() {
  const Rect bounds = form_.bounds();
  SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::changed(Aspect aspect) {
  switch (aspect) {
    case Aspect::Caption:
      SetWindowTextW(window_, wide(form_.caption()));
      break;
    case Aspect::Bounds:
      showBounds();
      break;
    case Aspect::Visible:
      if (form_.showing()) {
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
        syncFocus();
      } else {
        if (beforeHide) beforeHide();
        ShowWindow(window_, SW_HIDE);
      }
      break;
    default:
      break;
  }
}

LRESULT FormWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      form_.userClose();
      return 0;
    case WM_EXITSIZEMOVE:
      // The user let go of the frame: the seam takes the new size.
      if (form_.showing()) {
        RECT frame{};
        GetWindowRect(window, &frame);
        const Rect bounds = form_.bounds();
        if (frame.right - frame.left != bounds.width || frame.bottom - frame.top != bounds.height)
          form_.userResize(frame.right - frame.left, frame.bottom - frame.top);
      }
      return 0;
    case WM_SIZE:
      for (const auto& control : controls_) {
        if (control->kind() == ControlWindow::Kind::StatusBar)
          SendMessageW(control->window(), WM_SIZE, 0, 0);
      }
      return 0;
    case WM_COMMAND:
      if (ControlWindow* control = byWindow(reinterpret_cast<HWND>(lParam))) {
        control->command(HIWORD(wParam));
        syncFocus();
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (ControlWindow* control = byWindow(header->hwndFrom)) {
        LRESULT result = control->notify(*header);
        syncFocus();
        return result;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (ControlWindow* control = byWindow(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->colour(reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) syncFocus();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vrn::ui::win32
