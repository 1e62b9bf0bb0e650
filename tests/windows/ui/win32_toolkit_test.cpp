// The Windows backend's own parts on real windows (under Xvfb): the message
// box of every button set, the clipboard, and WM_CUT / WM_COPY / WM_PASTE
// routed to the edit box's clipboard handlers, hints as tool tips.

#include "ui/win32/win32_toolkit.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "host/utf8.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/tool_button.h"
#include "ui/win32/form_window.h"
#include "ui/win32/message_dialog.h"
#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

MessageBoxRequest replaceBox(MessageButtons buttons) {
  MessageBoxRequest request;
  request.text = u"Replace this occurrence?";
  request.caption = u"vrn";
  request.buttons = buttons;
  return request;
}

struct BoxCase {
  MessageButtons buttons;
  const char* script;  // empty: the script has ended, the box closes
  ModalResult answer;
  bool ok;
};

TEST(Win32MessageBox, TheButtonPressedIsTheAnswerAndClosingAnswersAsTheCloseBox) {
  const BoxCase cases[] = {
      {MessageButtons::YesNoCancelAll, "answer All", ModalResult::All, true},
      {MessageButtons::YesNoCancelAll, "answer No", ModalResult::No, true},
      {MessageButtons::YesNoCancelAll, "", ModalResult::Cancel, false},
      {MessageButtons::YesNo, "", ModalResult::No, false},
      {MessageButtons::OKCancel, "answer OK", ModalResult::OK, true},
      {MessageButtons::OK, "answer OK", ModalResult::OK, true},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.script);
    Win32Toolkit toolkit(nullptr, Win32Toolkit::User::Script);
    toolkit.play(script::parse(c.script), nullptr);
    EXPECT_EQ(messageBox(toolkit, replaceBox(c.buttons)), c.answer);
    EXPECT_EQ(toolkit.finish().ok(), c.ok);
  }
}

TEST(Win32MessageBox, ShowsOneButtonPerAnswerWithItsCaption) {
  MessageDialog dialog(replaceBox(MessageButtons::YesNoCancelAll), nullptr);
  EXPECT_EQ(windowText(dialog.window()), u"vrn");
  const std::pair<ModalResult, std::u16string> buttons[] = {{ModalResult::Yes, u"&Yes"},
                                                            {ModalResult::No, u"&No"},
                                                            {ModalResult::Cancel, u"Cancel"},
                                                            {ModalResult::All, u"&All"}};
  for (const auto& [answer, caption] : buttons) {
    ASSERT_NE(dialog.button(answer), nullptr);
    EXPECT_EQ(windowText(dialog.button(answer)), caption);
  }
  EXPECT_EQ(dialog.button(ModalResult::OK), nullptr);
}

TEST(Win32Clipboard, HebrewTextRoundTrips) {
  Win32Toolkit toolkit(nullptr, Win32Toolkit::User::Script);
  toolkit.clipboard().setText(u"\u05E9\u05DC\u05D5\u05DD 12");
  EXPECT_EQ(toolkit.clipboard().text(), u"\u05E9\u05DC\u05D5\u05DD 12");
}

class ClipboardForm : public Form {
 public:
  explicit ClipboardForm(Toolkit& toolkit) : Form(toolkit, "ClipboardForm") {
    Edit1.setBounds({8, 8, 200, 24});
  }
  Edit Edit1{*this, "Edit1"};
  ToolButton tbSend{*this, "tbSend"};
};

TEST(Win32EditBox, ClipboardMessagesGoToTheFormsHandlersOrTheSeam) {
  const struct {
    UINT message;
    bool handled;  // the form sets a handler for it
    std::u16string text;
    std::string events;
  } cases[] = {
      {WM_PASTE, true, u"hello", "paste"}, {WM_PASTE, false, u"heXllo", ""},
      {WM_COPY, true, u"hello", "copy"},   {WM_CUT, true, u"hello", "cut"},
      {WM_CUT, false, u"hello", ""},  // nothing is selected
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Win32Toolkit toolkit(nullptr, Win32Toolkit::User::Script);
    toolkit.clipboard().setText(u"X");
    ClipboardForm form(toolkit);
    form.Edit1.setText(u"hello");
    std::string events;
    if (c.handled) {
      form.Edit1.onPaste = [&] { events += "paste"; };
      form.Edit1.onCopy = [&] { events += "copy"; };
      form.Edit1.onCut = [&] { events += "cut"; };
    }
    form.tbSend.onClick = [&] {
      HWND edit = toolkit.windowOf(form)->find(form.Edit1)->window();
      SendMessageW(edit, c.message, 0, 0);
    };
    toolkit.play(script::parse("caret 2\nclick tbSend\nclose"), nullptr);
    form.setActiveControl(&form.Edit1);
    form.showModal();
    EXPECT_TRUE(toolkit.finish().ok());
    EXPECT_EQ(utf16ToUtf8(form.Edit1.text()), utf16ToUtf8(c.text));
    EXPECT_EQ(events, c.events);
  }
}

TEST(Win32Form, HintsShowAsToolTipsOfTheirControls) {
  Win32Toolkit toolkit(nullptr, Win32Toolkit::User::Script);
  ClipboardForm form(toolkit);
  form.tbSend.setHint(u"Hebrew");
  std::u16string tip;
  LRESULT tools = 0;
  form.tbSend.onClick = [&] {
    FormWindow& window = *toolkit.windowOf(form);
    tools = SendMessageW(window.tips(), TTM_GETTOOLCOUNT, 0, 0);
    wchar_t text[80] = {};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window.window();
    tool.uId = reinterpret_cast<UINT_PTR>(window.find(form.tbSend)->window());
    tool.lpszText = text;
    SendMessageW(window.tips(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    tip = reinterpret_cast<const char16_t*>(text);
  };
  toolkit.play(script::parse("click tbSend\nclose"), nullptr);
  form.showModal();
  EXPECT_TRUE(toolkit.finish().ok());
  EXPECT_EQ(tools, 1);
  EXPECT_EQ(utf16ToUtf8(tip), "Hebrew");
}

}  // namespace
}  // namespace vrn::ui::win32
