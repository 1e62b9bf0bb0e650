// The Windows backend's own parts on real windows (under Xvfb): the message
// box of every button set, the clipboard, and WM_CUT / WM_COPY / WM_PASTE
// routed to the edit box's clipboard handlers, hints as tool tips, and the
// list-like controls showing the seam's state (the controls table plays the
// user's side of them).

#include "ui/win32/win32_toolkit.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "host/utf8.h"
#include "sample_form.h"
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

std::u16string itemText(HWND tree, HTREEITEM item) {
  wchar_t text[80] = {};
  TVITEMW data{};
  data.mask = TVIF_TEXT | TVIF_HANDLE;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = 80;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
  return reinterpret_cast<const char16_t*>(text);
}

bool shown(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// The window over the grid cell being edited: the list view's visible child.
HWND cellEditorOf(HWND grid) {
  for (HWND child = GetWindow(grid, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (shown(child) && std::wstring(name) != L"SysHeader32") return child;
  }
  return nullptr;
}

struct ShowCase {
  const char* name;
  std::function<void(test::TfrmSample&)> setup;
  // Runs while the form shows; the window of a control comes from `of`.
  std::function<void(test::TfrmSample&, const std::function<ControlWindow&(Control&)>& of)> check;
};

TEST(Win32Controls, ListsPagesTreesAndGridsShowTheSeamsState) {
  const ShowCase cases[] = {
      {"list box", [](test::TfrmSample& f) { f.ListBox1.setItemIndex(1); },
       [](test::TfrmSample& f, const auto& of) {
         HWND list = of(f.ListBox1).window();
         EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
         EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
         f.ListBox1.addItem(u"c");
         EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
       }},
      {"radio group", [](test::TfrmSample& f) { f.RadioGroup1.setItemIndex(2); },
       [](test::TfrmSample& f, const auto& of) {
         ControlWindow& group = of(f.RadioGroup1);
         EXPECT_EQ(windowText(group.window()), u"Mapping");
         EXPECT_EQ(windowText(group.itemWindow(3)), u"None");
         EXPECT_EQ(SendMessageW(group.itemWindow(2), BM_GETCHECK, 0, 0), BST_CHECKED);
         EXPECT_EQ(SendMessageW(group.itemWindow(0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
         f.RadioGroup1.setItemIndex(0);
         EXPECT_EQ(SendMessageW(group.itemWindow(2), BM_GETCHECK, 0, 0), BST_UNCHECKED);
       }},
      {"pages", nullptr,
       [](test::TfrmSample& f, const auto& of) {
         HWND tabs = of(f.PageControl1).window();
         EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
         EXPECT_FALSE(shown(of(f.Edit3).window())) << "its page is not active";
         EXPECT_FALSE(shown(of(f.TabSheet2).window())) << "a page has no window of its own";
         f.PageControl1.setActivePageIndex(1);
         EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
         EXPECT_TRUE(shown(of(f.Edit3).window()));
       }},
      {"tree",
       [](test::TfrmSample& f) {
         ui::TreeNode& all = f.TreeView1.add(nullptr, u"All");
         f.TreeView1.add(&all, u"Doors");
         f.TreeView1.select(&f.TreeView1.add(&all, u"Walls"));
       },
       [](test::TfrmSample& f, const auto& of) {
         ControlWindow& tree = of(f.TreeView1);
         HWND view = tree.window();
         EXPECT_EQ(SendMessageW(view, TVM_GETCOUNT, 0, 0), 3);
         ui::TreeNode& walls = *f.TreeView1.selected();
         HTREEITEM item = tree.nodeItem(walls);
         EXPECT_EQ(TreeView_GetSelection(view), item);
         walls.setText(u"Gates");
         EXPECT_EQ(tree.nodeItem(walls), item) << "a new caption keeps the item";
         EXPECT_EQ(utf16ToUtf8(itemText(view, item)), "Gates");
         f.TreeView1.remove(walls);
         EXPECT_EQ(SendMessageW(view, TVM_GETCOUNT, 0, 0), 2);
         EXPECT_EQ(utf16ToUtf8(itemText(view, TreeView_GetSelection(view))), "Doors");
       }},
      {"tree editor", [](test::TfrmSample& f) { f.TreeView1.add(nullptr, u"All"); },
       [](test::TfrmSample& f, const auto& of) {
         HWND editor = of(f.TreeView1.editor()).window();
         EXPECT_FALSE(shown(editor));
         ASSERT_TRUE(f.TreeView1.beginEdit(*f.TreeView1.first()));
         EXPECT_TRUE(shown(editor));
         RECT box{};
         RECT tree{};
         GetWindowRect(editor, &box);
         GetWindowRect(of(f.TreeView1).window(), &tree);
         EXPECT_TRUE(box.left >= tree.left && box.right <= tree.right && box.top >= tree.top &&
                     box.bottom <= tree.bottom)
             << "the editor lies over the tree";
         EXPECT_EQ(windowText(editor), u"All");
         f.TreeView1.endEdit(true);
         EXPECT_FALSE(shown(editor));
       }},
      {"grid cell editor", [](test::TfrmSample& f) { f.StringGrid1.setCell(1, 1, u"Windows"); },
       [](test::TfrmSample& f, const auto& of) {
         HWND grid = of(f.StringGrid1).window();
         NMITEMACTIVATE click{};
         click.hdr = {grid, 0, static_cast<UINT>(NM_DBLCLK)};
         click.iItem = 0;
         click.iSubItem = 1;
         SendMessageW(GetParent(grid), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
         HWND editor = cellEditorOf(grid);
         ASSERT_NE(editor, nullptr) << "a double click opens the cell's editor";
         EXPECT_EQ(SendMessageW(editor, CB_GETCOUNT, 0, 0), 2) << "the row's pick list";
         EXPECT_EQ(windowText(editor), u"Windows");
         HWND keys = GetFocus();
         SetWindowTextW(keys, L"DosHebrew");
         SendMessageW(keys, WM_KEYDOWN, VK_ESCAPE, 1);
         EXPECT_EQ(cellEditorOf(grid), nullptr);
         EXPECT_EQ(utf16ToUtf8(f.StringGrid1.cell(1, 1)), "Windows") << "Escape drops the edit";
       }},
      {"grid cell typed into from another control", nullptr,
       [](test::TfrmSample& f, const auto& of) {
         f.StringGrid1.selectCell(0, 1);
         f.Edit2.setFocus();
         SetFocus(of(f.Edit2).window());
         EXPECT_TRUE(of(f.StringGrid1).typeIntoCell(u"hebrew.shx"));
         EXPECT_EQ(utf16ToUtf8(f.StringGrid1.cell(0, 1)), "hebrew.shx")
             << "the focus leaving the other control does not close the editor";
         EXPECT_EQ(f.activeControl(), &f.StringGrid1);
       }},
  };
  for (const ShowCase& c : cases) {
    SCOPED_TRACE(c.name);
    Win32Toolkit toolkit(nullptr, Win32Toolkit::User::Script);
    test::TfrmSample form(toolkit);
    if (c.setup) c.setup(form);
    bool checked = false;
    form.ToolButton10.onClick = [&] {
      FormWindow& window = *toolkit.windowOf(form);
      c.check(form, [&](Control& control) -> ControlWindow& { return *window.find(control); });
      checked = true;
    };
    toolkit.play(script::parse("click ToolButton10\nclose"), nullptr);
    form.showModal();
    EXPECT_TRUE(toolkit.finish().ok());
    EXPECT_TRUE(checked);
  }
}

}  // namespace
}  // namespace vrn::ui::win32
