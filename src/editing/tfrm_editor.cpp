#include "editing/tfrm_editor.h"

#include <algorithm>
#include <cstdio>

#include "ascii/blanks.h"
#include "editing/number_field.h"
#include "encoding/char_tables.h"
#include "encoding/keyboard_switch.h"
#include "encoding/tfrm_fonts.h"
#include "host/host_error.h"
#include "host/utf8.h"
#include "platform/code_page.h"
#include "ui/hourglass.h"
#include "ui/message_box.h"

namespace vrn::editing {
namespace {

constexpr double kZoomMagnification = 5;
constexpr std::u16string_view kNumberStart = u"-0123456789";
constexpr std::u16string_view kNumberCharacters = u"+-.0123456789Ee";

bool hebrewLetter(char16_t c) { return c >= u'\u05D0' && c <= u'\u05EA'; }

bool isLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

std::u16string ascii(const char* text) {
  return {text, text + std::char_traits<char>::length(text)};
}

// Exactly two decimals, however large the sum.
std::u16string twoDecimals(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return ascii(std::string(trimBlanks(buffer)).c_str());
}

// The line with its first number plus `addend`; nothing when it has none.
std::optional<std::u16string> withNumberAdded(const std::u16string& line, double addend) {
  const std::size_t start = line.find_first_of(kNumberStart);
  if (start == std::u16string::npos) return std::nullopt;
  std::size_t end = line.find_first_not_of(kNumberCharacters, start);
  if (end == std::u16string::npos) end = line.size();
  const std::u16string token = line.substr(start, end - start);
  double value = 0;
  try {
    value = parseNumber(token);
  } catch (const std::invalid_argument&) {
    return std::nullopt;
  }
  std::u16string result = line;
  result.replace(start, token.size(), twoDecimals(value + addend));
  return result;
}

std::vector<std::u16string> itemsOf(const ui::ComboBox& box) {
  std::vector<std::u16string> items;
  for (int i = 0; i < box.count(); ++i) items.push_back(box.item(i));
  return items;
}

std::u16string reversedBytes(const std::u16string& line) {
  std::string bytes = platform::toByteForm(line);
  std::reverse(bytes.begin(), bytes.end());
  return platform::fromByteForm(bytes);
}

}  // namespace

// The program changes the memo: change events mark nothing and the user
// cannot type, until the change is over, whichever way it ends.
class TfrmEditor::ProgramEdit {
 public:
  explicit ProgramEdit(TfrmEditor& form) : form_(form) {
    form_.replacing = true;
    form_.Memo1.setReadOnly(true);
  }
  ~ProgramEdit() {
    form_.replacing = false;
    form_.Memo1.setReadOnly(false);
  }
  ProgramEdit(const ProgramEdit&) = delete;
  ProgramEdit& operator=(const ProgramEdit&) = delete;

 private:
  TfrmEditor& form_;
};

TfrmEditor::TfrmEditor(ui::Toolkit& toolkit, encoding::TfrmFonts& fonts, host::Ref& AcadApp,
                       FindReplaceState& state)
    : Form(toolkit, "TfrmEditor"),
      keyboard(tbHeb, tbEng, Timer2),
      fonts_(fonts),
      AcadApp_(AcadApp),
      state_(state) {
  setCaption(u"TfrmEditor");
  setBounds({0, 0, 640, 460});
  // Find, replace and the other tools in three rows above the memo, the
  // closing buttons below it, the status bar at the foot.
  cbxsearch.setBounds({8, 8, 220, 22});
  btnFind.setBounds({234, 7, 60, 24});
  btnDown.setBounds({298, 7, 56, 24});
  btnUp.setBounds({358, 7, 56, 24});
  ChAll.setBounds({424, 8, 150, 22});
  cbxReplace.setBounds({8, 36, 220, 22});
  ToolButton1.setBounds({234, 35, 60, 24});
  ToolButton4.setBounds({298, 35, 56, 24});
  tbHeb.setBounds({424, 35, 70, 24});
  tbEng.setBounds({498, 35, 70, 24});
  Edit1.setBounds({8, 64, 120, 22});
  btnNumber.setBounds({132, 63, 40, 24});
  btn1.setBounds({180, 63, 80, 24});
  Button2.setBounds({268, 63, 146, 24});
  Memo1.setBounds({8, 94, 616, 284});
  btnOk.setBounds({456, 384, 80, 26});
  Button1.setBounds({544, 384, 80, 26});
  cbxsearch.setRightToLeft(true);
  cbxReplace.setRightToLeft(true);
  cbxsearch.setHint(u"&Text to find");
  cbxReplace.setHint(u"&Replace with");
  ChAll.setChecked(true);
  ToolButton1.setHint(u"Replace");
  ToolButton4.setHint(u"Undo");
  btnOk.setHint(u"Exit");
  btnOk.setModalResult(ui::ModalResult::OK);
  Button1.setHint(u"Exit without changing");
  Button1.setModalResult(ui::ModalResult::Cancel);
  btnNumber.setHint(u"Add Number to Numerical  value");
  Edit1.setHint(u"Number");
  Edit1.setPlaceholder(u"Put Number here");
  btn1.setHint(u"Reverse all text");
  tbHeb.setHint(u"Hebrew");
  tbEng.setHint(u"English");
  tbHeb.setGroupIndex(1);
  tbEng.setGroupIndex(1);
  tbHeb.setDown(true);
  Memo1.setScrollBars(ui::ScrollBars::Both);
  Memo1.setHideSelection(false);
  Memo1.setFont({u"Courier New", 12, true, ui::Charset::Oem, ui::colors::black});
  StatusBar1.addPanel({u"", 70});
  StatusBar1.addPanel({u"", 70});
  StatusBar1.addPanel({u"", 200});

  onCreate = [this] { FormCreate(); };
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  onDestroy = [this] { FormDestroy(); };
  ToolButton1.onClick = [this] { ToolButton1Click(); };
  btnFind.onClick = [this] { btnFindClick(); };
  btnDown.onClick = [this] { btnDownClick(); };
  btnUp.onClick = [this] { btnUpClick(); };
  ToolButton4.onClick = [this] { ToolButton4Click(); };
  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { Button2Click(); };
  btnNumber.onClick = [this] { btnNumberClick(); };
  btn1.onClick = [this] { btn1Click(); };
  cbxsearch.onKeyDown = [this](ui::KeyEvent& key) { cbxsearchKeyDown(key); };
  Memo1.onChange = [this] { Memo1Change(); };
  Memo1.onEnter = [this] { Memo1Enter(); };
  Memo1.onKeyDown = [this](ui::KeyEvent& key) { Memo1KeyDown(key); };
  Memo1.onKeyPress = [this](char16_t& key) { Memo1KeyPress(key); };
  Memo1.onMouseDown = [this] { Memo1MouseDown(); };
  tbHeb.onClick = [this] { keyboard.hebrewClick(); };
  tbEng.onClick = [this] { keyboard.englishClick(); };
  Timer2.onTimer = [this] { keyboard.timerTick(); };
}

void TfrmEditor::fillFromRecords() {
  const ProgramEdit edit(*this);
  std::vector<std::u16string> lines;
  for (const rstrec& record : blines) lines.push_back(record.s);
  Memo1.setLines(lines);
}

// ---- form life ----------------------------------------------------------------------

void TfrmEditor::FormCreate() {
  centreOnPointerMonitor();
  keyboard.startHebrew();
  replacing = false;
  enterPending_ = false;
  foundlist.clear();
}

void TfrmEditor::FormShow() {
  keyboard.installHook();
  pCurLoc = -1;
  replacing = false;
  encoding::SetKeyboardHebrew();
}

void TfrmEditor::FormClose() {
  Timer2.setEnabled(false);
  writeBack();
  state_.SearchHistory = itemsOf(cbxsearch);
  state_.ReplaceHistory = itemsOf(cbxReplace);
  keyboard.removeHook();
  encoding::SetKeyboardEnglish();
}

void TfrmEditor::FormDestroy() {
  foundlist.clear();
  keyboard.removeHook();
}

// Every changed line goes into its entity; an entity the host refuses is
// reported, and the others are written all the same.
void TfrmEditor::writeBack() {
  const ui::Hourglass busy(toolkit());
  std::u16string failures;
  bool written = false;
  const int lineCount = Memo1.text().empty() ? 0 : Memo1.lineCount();
  for (std::size_t i = 0; i < blines.size() && static_cast<int>(i) < lineCount; ++i) {
    rstrec& record = blines[i];
    if (!record.Update) continue;
    fonts_.cStType = record.cStType;
    fonts_.cStBack = record.cStBack;
    try {
      record.obj.put("TextString", fonts_.EditToacadDos(Memo1.line(static_cast<int>(i))));
      written = true;
    } catch (const host::HostError& error) {
      failures += u"\n" + encoding::cDosToWin(Memo1.line(static_cast<int>(i))) + u": " +
                  utf8ToUtf16(error.what());
    }
  }
  blines.clear();
  if (written) AcadApp_.call("Update");
  if (!failures.empty()) ui::showMessage(toolkit(), editor_text::notWritten + failures);
}

// ---- caret and lines ----------------------------------------------------------------

void TfrmEditor::computeRow() {
  const int caret = Memo1.selStart();
  Row = Memo1.lineFromChar(caret);
  Col = caret - Memo1.lineStart(Row);
}

void TfrmEditor::showCaret() {
  StatusBar1.setPanelText(0, ascii(std::to_string(Row).c_str()));
  StatusBar1.setPanelText(1, ascii(std::to_string(Col).c_str()));
}

void TfrmEditor::mark(int line) {
  if (line >= 0 && static_cast<std::size_t>(line) < blines.size()) {
    blines[static_cast<std::size_t>(line)].Update = true;
  }
}

void TfrmEditor::remember(ui::ComboBox& box, const std::u16string& text) {
  const std::vector<std::u16string> items = itemsOf(box);
  if (std::find(items.begin(), items.end(), text) == items.end()) box.insertItem(0, text);
}

void TfrmEditor::selectIn(std::int32_t line) {
  const std::u16string text = Memo1.line(line);
  const std::size_t at = text.find(state_.lastSearch);
  if (at == std::u16string::npos) return;
  Memo1.select(Memo1.lineStart(line) + static_cast<int>(at),
               static_cast<int>(state_.lastSearch.size()));
}

// ---- find and replace ---------------------------------------------------------------

void TfrmEditor::btnFindClick() {
  if (Memo1.lines().empty()) return;
  const std::u16string search = cbxsearch.text();
  // An empty text would match everywhere.
  if (search.empty()) return;
  replacing = false;
  remember(cbxsearch, search);
  foundlist.clear();
  state_.lastSearch = encoding::cWinToDos(search);
  const int lines = Memo1.lineCount();
  for (int k = 0; k < lines; ++k) {
    if (Memo1.line(k).find(state_.lastSearch) != std::u16string::npos) foundlist.push_back(k);
  }
  if (!foundlist.empty()) selectIn(foundlist.front());
  StatusBar1.setPanelText(2,
                          u"Found " + ascii(std::to_string(foundlist.size()).c_str()) + u" items");
}

void TfrmEditor::btnDownClick() {
  computeRow();
  const auto next =
      std::find_if(foundlist.begin(), foundlist.end(), [this](std::int32_t k) { return k > Row; });
  if (next != foundlist.end()) selectIn(*next);
}

void TfrmEditor::btnUpClick() {
  computeRow();
  const auto previous = std::find_if(foundlist.rbegin(), foundlist.rend(),
                                     [this](std::int32_t k) { return k < Row; });
  if (previous != foundlist.rend()) selectIn(*previous);
}

void TfrmEditor::ToolButton1Click() {
  if (Memo1.lines().empty()) return;
  const std::u16string searchText = cbxsearch.text();
  if (searchText.empty()) return;
  const ProgramEdit edit(*this);
  bool ask = ChAll.checked();
  remember(cbxsearch, searchText);
  remember(cbxReplace, cbxReplace.text());
  const std::u16string search = encoding::cWinToDos(searchText);
  const std::u16string repl = encoding::cWinToDos(cbxReplace.text());
  int count = 0;
  bool cancelled = false;
  for (int line = 0; line < Memo1.lineCount() && !cancelled; ++line) {
    for (std::size_t from = 0;;) {
      const std::size_t at = Memo1.line(line).find(search, from);
      if (at == std::u16string::npos) break;
      Memo1.select(Memo1.lineStart(line) + static_cast<int>(at), static_cast<int>(search.size()));
      ui::ModalResult answer = ui::ModalResult::Yes;
      if (ask) {
        answer = ui::messageBox(
            toolkit(),
            {editor_text::replaceThis, ui::applicationTitle, ui::MessageButtons::YesNoCancelAll,
             ui::MessageIcon::Question, ui::Point{bounds().left, bounds().top}});
      }
      if (answer == ui::ModalResult::Cancel) {
        cancelled = true;
        break;
      }
      if (answer == ui::ModalResult::No) {
        from = at + search.size();
        continue;
      }
      if (answer == ui::ModalResult::All) ask = false;
      Memo1.setSelText(repl);
      mark(line);
      ++count;
      from = at + repl.size();
    }
  }
  ui::messageBox(toolkit(), {ascii(std::to_string(count).c_str()) + editor_text::replacementsMade,
                             ui::applicationTitle, ui::MessageButtons::OK,
                             ui::MessageIcon::Information, std::nullopt});
  cbxsearch.setFocus();
}

// ---- the other tools ----------------------------------------------------------------

void TfrmEditor::btnNumberClick() {
  if (Edit1.text().empty()) return;
  double addend = 0;
  try {
    addend = parseNumber(Edit1.text());
  } catch (const std::invalid_argument&) {
    ui::showMessage(toolkit(), editor_text::inputWrong);
    return;
  }
  const ProgramEdit edit(*this);
  std::vector<std::u16string> lines = Memo1.lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto changed = withNumberAdded(lines[i], addend)) {
      lines[i] = *changed;
      mark(static_cast<int>(i));
    }
  }
  Memo1.setLines(lines);
}

void TfrmEditor::btn1Click() {
  const ui::Hourglass busy(toolkit());
  const ProgramEdit edit(*this);
  std::vector<std::u16string> lines = Memo1.lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    lines[i] = reversedBytes(lines[i]);
    mark(static_cast<int>(i));
  }
  Memo1.setLines(lines);
}

void TfrmEditor::ToolButton4Click() {
  if (blines.empty()) return;
  fillFromRecords();
  for (rstrec& record : blines) record.Update = false;
}

void TfrmEditor::Button1Click() {
  blines.clear();
  const ProgramEdit edit(*this);
  Memo1.setLines({});
}

void TfrmEditor::Button2Click() {
  computeRow();
  if (Row < 0 || static_cast<std::size_t>(Row) >= blines.size()) return;
  const host::Ref& entity = blines[static_cast<std::size_t>(Row)].obj;
  AcadApp_.call("ZoomCenter", entity.get("InsertionPoint"), kZoomMagnification);
  entity.call("Highlight", true);
}

// ---- typing -------------------------------------------------------------------------

void TfrmEditor::cbxsearchKeyDown(ui::KeyEvent& key) {
  if (key.key != ui::vk::kTab) return;
  cbxReplace.setFocus();
  key.swallow();
}

bool TfrmEditor::refuseLineJoin(const ui::KeyEvent& key) const {
  if (Memo1.selLength() > 0) return Memo1.selectionSpansLines();
  const int caret = Memo1.selStart();
  const int row = Memo1.lineFromChar(caret);
  if (key.key == ui::vk::kBack) return caret == Memo1.lineStart(row) && caret > 0;
  const int lineEnd = Memo1.lineStart(row) + static_cast<int>(Memo1.line(row).size());
  return caret == lineEnd && caret < static_cast<int>(Memo1.text().size());
}

void TfrmEditor::Memo1KeyDown(ui::KeyEvent& key) {
  deleteF = false;
  const std::u16string text = Memo1.text();
  const int caret = Memo1.selStart();
  if (key.key == ui::vk::kEnter) {
    beep();
    if (Memo1.readOnly()) {
      key.swallow();
      return;
    }
    // The line break lands at the very end; the change puts the caret back.
    enterPending_ = true;
    enterCaret_ = caret;
    Memo1.setSelStart(static_cast<int>(text.size()));
    return;
  }
  if (key.key == ui::vk::kBack || key.key == ui::vk::kDel) {
    deleteF = true;
    if (Memo1.readOnly()) return;
    const bool deleteSelection = key.key == ui::vk::kDel && Memo1.selLength() > 0;
    const char16_t before = caret > 0 ? text[static_cast<std::size_t>(caret - 1)] : u'\0';
    const bool rightToLeft =
        hebrewLetter(before) || before == u' ' || before == u',' || before == u'.';
    if (!deleteSelection && keyboard.hebrew() && rightToLeft) {
      // Inside Hebrew the deletion works on the letter on the other side.
      const bool atLineEnd = caret >= static_cast<int>(text.size()) ||
                             isLineBreak(text[static_cast<std::size_t>(caret)]);
      if (key.key == ui::vk::kBack && !atLineEnd) Memo1.setSelStart(caret + 1);
      if (key.key == ui::vk::kDel && caret > 0) Memo1.setSelStart(caret - 1);
    }
    if (refuseLineJoin(key)) {
      beep();
      key.swallow();
    }
    return;
  }
  const bool plain = !key.shift.alt && !key.shift.ctrl;
  const bool letterOrSpace = key.key == ui::vk::kSpace || (key.key >= 'A' && key.key <= 'Z');
  if (keyboard.hebrew() && plain && letterOrSpace && pCurLoc > 0) Memo1.setSelStart(pCurLoc - 1);
}

void TfrmEditor::Memo1KeyPress(char16_t& key) {
  if (key == u'\b' || key == u'\r' || key == 0) return;
  if (Memo1.selectionSpansLines()) {
    beep();
    key = 0;
  }
}

void TfrmEditor::Memo1Change() {
  if (replacing) return;
  if (enterPending_) {
    enterPending_ = false;
    Memo1.setSelStart(enterCaret_);
    return;
  }
  computeRow();
  if (Row < 0 || static_cast<std::size_t>(Row) >= blines.size()) return;
  mark(Row);
  const int caret = Memo1.selStart();
  if (caret > 0) {
    const char16_t before = Memo1.text()[static_cast<std::size_t>(caret - 1)];
    if (keyboard.hebrew() && (before == u' ' || before == u'\'' || hebrewLetter(before))) {
      pCurLoc = -1;
      if (!deleteF) Memo1.setSelStart(caret - 1);
    } else if (pCurLoc == -1) {
      pCurLoc = caret;
    }
  }
  computeRow();
  showCaret();
}

void TfrmEditor::Memo1Enter() {
  computeRow();
  showCaret();
}

void TfrmEditor::Memo1MouseDown() { pCurLoc = -1; }

}  // namespace vrn::editing
