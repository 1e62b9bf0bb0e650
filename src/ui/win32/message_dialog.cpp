#include "ui/win32/message_dialog.h"

#include <algorithm>
#include <stdexcept>

#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kIconSize = 32;
constexpr int kMinTextWidth = 200;
constexpr int kMaxTextWidth = 480;

const wchar_t* captionOf(ModalResult answer) {
  switch (answer) {
    case ModalResult::Yes:
      return L"&Yes";
    case ModalResult::No:
      return L"&No";
    case ModalResult::All:
      return L"&All";
    case ModalResult::Cancel:
      return L"Cancel";
    default:
      return L"OK";
  }
}

const wchar_t* iconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return IDI_INFORMATION;
    case MessageIcon::Warning:
      return IDI_WARNING;
    case MessageIcon::Error:
      return IDI_ERROR;
    case MessageIcon::Question:
      return IDI_QUESTION;
    case MessageIcon::None:
      break;
  }
  return nullptr;
}

}  // namespace

MessageDialog::MessageDialog(const MessageBoxRequest& request, HWND owner)
    : owner_(owner), kind_(request.buttons) {
  registerWindowClasses();
  window_ = CreateWindowExW(
      WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, kMessageClass,
      wide(request.caption.empty() ? std::u16string(applicationTitle) : request.caption),
      WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 100, 100, owner, nullptr, thisModule(), this);
  if (window_ == nullptr) throw std::runtime_error("cannot create a message box");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  font_ = CreateFontIndirectW(&metrics.lfMessageFont);
  layout(request);
}

MessageDialog::~MessageDialog() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  if (font_) DeleteObject(font_);
}

void MessageDialog::layout(const MessageBoxRequest& request) {
  // The text's size in the message font, wrapped at the widest line allowed.
  HDC dc = GetDC(window_);
  HGDIOBJ previous = SelectObject(dc, font_);
  RECT textRect{0, 0, kMaxTextWidth, 0};
  DrawTextW(dc, wide(request.text), -1, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, previous);
  ReleaseDC(window_, dc);

  const wchar_t* icon = iconOf(request.icon);
  const int textLeft = kMargin + (icon ? kIconSize + kMargin : 0);
  const int textWidth = std::max<int>(textRect.right, kMinTextWidth);
  const int textHeight = std::max<int>(textRect.bottom, icon ? kIconSize : 0);
  if (icon) {
    HWND picture =
        CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, kMargin, kMargin,
                        kIconSize, kIconSize, window_, nullptr, thisModule(), nullptr);
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, icon)), 0);
  }
  HWND text = CreateWindowExW(0, L"STATIC", wide(request.text), WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                              textLeft, kMargin, textWidth, textHeight, window_, nullptr,
                              thisModule(), nullptr);
  SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

  const std::vector<ModalResult> answers = answersOf(request.buttons);
  const int count = static_cast<int>(answers.size());
  const int buttonsWidth = count * kButtonWidth + (count - 1) * kMargin / 2;
  const int clientWidth = std::max(textLeft + textWidth, buttonsWidth) + kMargin;
  const int buttonsTop = kMargin * 2 + textHeight;
  int left = (clientWidth - buttonsWidth) / 2;
  for (ModalResult answer : answers) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                  (answer == answers.front() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    HWND button = CreateWindowExW(
        0, L"BUTTON", captionOf(answer), style, left, buttonsTop, kButtonWidth, kButtonHeight,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(answer)), thisModule(), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    buttons_.emplace_back(answer, button);
    left += kButtonWidth + kMargin / 2;
  }

  RECT frame{0, 0, clientWidth, buttonsTop + kButtonHeight + kMargin};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (request.position) {
    x = request.position->x;
    y = request.position->y;
  }
  SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND MessageDialog::button(ModalResult answer) const {
  for (const auto& [given, button] : buttons_) {
    if (given == answer) return button;
  }
  return nullptr;
}

ModalResult MessageDialog::run() {
  const bool ownerEnabled = owner_ && IsWindowEnabled(owner_);
  if (ownerEnabled) EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(buttons_.front().second);
  MSG message{};
  while (answer_ == ModalResult::None) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      answer_ = closingAnswerOf(kind_);
      break;
    }
    if (IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (ownerEnabled) EnableWindow(owner_, TRUE);
  ShowWindow(window_, SW_HIDE);
  return answer_;
}

LRESULT MessageDialog::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        answer_ = closingAnswerOf(kind_);
      } else if (HIWORD(wParam) == BN_CLICKED) {
        answer_ = static_cast<ModalResult>(LOWORD(wParam));
      }
      return 0;
    case WM_CLOSE:
      answer_ = closingAnswerOf(kind_);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vrn::ui::win32
