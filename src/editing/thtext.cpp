#include "editing/thtext.h"

#include <exception>

#include "ascii/letter_case.h"
#include "editing/font_type_name.h"
#include "editing/justification.h"
#include "encoding/keyboard_switch.h"
#include "encoding/tfrm_fonts.h"
#include "host/entity_type.h"
#include "host/host_error.h"
#include "host/point.h"
#include "host/utf8.h"
#include "ui/message_box.h"

namespace vrn::editing {
namespace {

constexpr double kNextLineSpacing = 1.5;  // heights between two lines of New Line
constexpr int kDesignHeight = 120;
constexpr int kEditLeft = 8;

bool contains(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

// The entities this editor can edit: single-line texts, attributes (and
// their definitions) and dimensions.
bool textLike(const std::u16string& objectName) {
  const std::u16string name = upperAscii(objectName);
  return (contains(name, u"TEXT") && !contains(name, u"MTEXT")) || contains(name, u"ATTRIB") ||
         contains(name, u"DIM");
}

// Reads a property, keeping fallback when the host raises.
template <class T, class Read>
T readOr(T fallback, Read read) {
  try {
    return read();
  } catch (const host::HostError&) {
    return fallback;
  }
}

}  // namespace

Thtext::Thtext(ui::Toolkit& toolkit, ThtextServices services)
    : Form(toolkit, "Thtext"),
      EditorForNewText(PopupMenu1.add("EditorforNewText1", u"Editor for New Text")),
      WindowsPlain1(EditorForNewText.add("WindowsPlain1", u"Windows Plain")),
      DOS1(EditorForNewText.add("DOS1", u"DOS")),
      previous1(EditorForNewText.add("previous1", u"Previous")),
      WindowsRTF1(EditorForNewText.add("WindowsRTF1", u"Windows RTF")),
      EditorForEditText(PopupMenu1.add("EditorforEditText1", u"Editor forr Edit Text")),
      WindowsPlain2(EditorForEditText.add("WindowsPlain2", u"Windows Plain")),
      DOS2(EditorForEditText.add("DOS2", u"DOS")),
      previous2(EditorForEditText.add("previous2", u"Previous")),
      WindowsRTF2(EditorForEditText.add("WindowsRTF2", u"Windows RTF")),
      mnReverseTTF(PopupMenu1.add("mnReverseTTF", u"Reverse TrueType Fint's text")),
      CharSet1(PopupMenu1.add("CharSet1", u"Char Set")),
      ANSI1(CharSet1.add("ANSI1", u"ANSI")),
      OEM1(CharSet1.add("OEM1", u"OEM")),
      keyboard(tbHeb, tbEng, Timer3),
      fonts_(services.fonts),
      Rinistr_(services.Rinistr),
      host_(std::move(services.host)),
      state_(services.state) {
  setCaption(u"Thtext");
  setBounds({0, 0, 900, kDesignHeight});

  Edit1.setBounds({kEditLeft, 32, 860, 32});
  Edit1.setRightToLeft(true);
  Edit1.setFont({u"Arial", 19, false, ui::Charset::Hebrew, ui::colors::black});
  EditDos.setAlignment(ui::Alignment::Right);
  EditDos.setVisible(false);
  btnOk.setDefault(true);
  btnOk.setModalResult(ui::ModalResult::OK);
  BitBtn2.setCancel(true);
  BitBtn2.setModalResult(ui::ModalResult::Cancel);
  StatusBar1.addPanel({thtext_text::windowsEditor, 170, ui::Alignment::Center});
  StatusBar1.addPanel({u"", 50, ui::Alignment::Left});

  tbHeb.setHint(u"Hebrew");
  tbEng.setHint(u"English");
  tbHeb.setGroupIndex(1);
  tbEng.setGroupIndex(1);
  tbHeb.setDown(true);
  ToolButton9.setHint(u"Settings");
  ToolButton9.setDropdownMenu(&PopupMenu1);
  tbStyle.setHint(u"Style");
  tbStyle.setDropdownMenu(&pupSt);
  edH.setHint(u"Height");
  edAng.setHint(u"Angle");
  cbxJust.setHint(u"Justification");
  cbxJust.setItems(justificationItems());
  edt1.setHint(u"Font Type");
  edt1.setReadOnly(true);

  for (ui::MenuItem* item : {&WindowsPlain1, &DOS1, &previous1, &WindowsRTF1, &WindowsPlain2, &DOS2,
                             &previous2, &WindowsRTF2, &ANSI1, &OEM1}) {
    item->setRadioItem(true);
    item->setGroupIndex(1);
  }
  for (ui::MenuItem* item :
       {&WindowsPlain1, &DOS1, &previous1, &WindowsPlain2, &DOS2, &previous2}) {
    item->onClick = [this, item] { WindowsPlain1Click(*item); };
  }
  WindowsPlain1.setChecked(true);
  WindowsPlain2.setChecked(true);
  WindowsRTF1.setVisible(false);
  WindowsRTF2.setVisible(false);
  CharSet1.setVisible(false);
  mnReverseTTF.onClick = [this] { mnReverseTTFClick(); };

  btntArray = {&tb1, &tb2, &tb3, &tb4, &tb5, &tb6, &tb7, &tb8, &tb9, &tb10, &tb11, &tb12, &tb13};
  for (int j = 1; j <= 13; ++j) {
    ui::ToolButton& button = *btntArray[static_cast<std::size_t>(j - 1)];
    const bool shownAtDesign = j <= 3 || (j >= 9 && j <= 12);
    button.setVisible(shownAtDesign);
    designVisible_[static_cast<std::size_t>(j - 1)] = shownAtDesign;
    button.onClick = [this, j] { tbClick(j); };
  }
  ToolButton10.onClick = [this] { ToolButton10Click(); };

  onCreate = [this] { FormCreate(); };
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  onDestroy = [this] { FormDestroy(); };
  onResize = [this] { FormResize(); };
  Edit1.onChange = [this] { Edit1Change(); };
  Edit1.onKeyDown = [this](ui::KeyEvent& key) { Edit1KeyDown(key); };
  btnOk.onClick = [this] { btnOkClick(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  btnNext.onClick = [this] { btnNextClick(); };
  btn1.onUpClick = [this] { btn1UpClick(); };
  btn1.onDownClick = [this] { btn1DownClick(); };
  edH.onChange = [this] { edHChange(); };
  edH.onExit = [this] { edHExit(); };
  edAng.onChange = [this] { edAngChange(); };
  edAng.onExit = [this] { edAngExit(); };
  cbxJust.onChange = [this] { cbxJustChange(); };
  StatusBar1.onPanelClick = [this](int panel) { StatusBar1MouseDown(panel); };
  tbHeb.onClick = [this] { keyboard.hebrewClick(); };
  tbEng.onClick = [this] { keyboard.englishClick(); };
  Timer3.onTimer = [this] { keyboard.timerTick(); };
}

// ---- form life ------------------------------------------------------------------------

void Thtext::FormCreate() {
  FHeight = bounds().height;
  isHeightCh = isAngCh = false;
  changeF = true;

  setWidth(Rinistr_.txthw);
  setTop(Rinistr_.txtt);
  if (Rinistr_.curmapn == 1) WindowsPlain1.setChecked(true);
  if (Rinistr_.curmapn == 0) DOS1.setChecked(true);
  if (Rinistr_.curmaped == 1) WindowsPlain2.setChecked(true);
  if (Rinistr_.curmaped == 0) DOS2.setChecked(true);
  if (Rinistr_.charmap == 1) ANSI1.setChecked(true);
  if (Rinistr_.charmap == 2) OEM1.setChecked(true);
  mnReverseTTF.setChecked(Rinistr_.reverseTTF);

  centreOnPointerMonitor();
  // A saved place from another screen set-up must not hide the editor.
  keepOnMonitor();

  keyboard.startHebrew();

  EditDos.setBounds(Edit1.bounds());
  EditDos.setText(u"");
  EditDos.setFont({u"Courier New", 0, true, ui::Charset::Oem, ui::colors::black});
  EditDos.onChange = [this] { editDosChange(); };
  EditDos.onKeyPress = [this](char16_t& key) { editDosKeyPress(key); };
  EditDos.onKeyDown = [this](ui::KeyEvent& key) { editDosKeyDown(key); };
  EditDos.onMouseDown = [this] { EditDosMouseDown(); };

  edReady = true;
  doundo = false;
  keyboard.installHook();
}

void Thtext::FormShow() {
  refreshSymbolButtons();
  applyEditorChoice();
  ui::Edit& editor = activeEdit();
  editor.setFocus();
  editor.selectAll();
  pCurLoc = -1;
}

void Thtext::FormResize() {
  const int width = bounds().width - 2 * Edit1.bounds().left - 20;
  for (ui::Edit* editor : {&Edit1, &EditDos}) {
    ui::Rect r = editor->bounds();
    r.width = width;
    editor->setBounds(r);
  }
  if (FHeight != 0 && bounds().height != FHeight) setHeight(FHeight);
}

void Thtext::FormClose() {
  try {
    host_.AcadDoc.call("EndUndoMark");
  } catch (const host::HostError&) {
  }
  if (doundo) {
    // The editor's mark, and for a new text the step that created it.
    host_.AcadDoc.call("SendCommand", u"U ");
    if (edkind == EdKind::edNew) host_.AcadDoc.call("SendCommand", u"U ");
  }
  encoding::SetKeyboardEnglish();
  saveToSettings();
}

void Thtext::FormDestroy() {
  keyboard.removeHook();
  saveToSettings();
}

void Thtext::saveToSettings() {
  Rinistr_.txthw = bounds().width;
  Rinistr_.txtl = bounds().left;
  Rinistr_.txtt = bounds().top;
  if (WindowsPlain1.checked()) Rinistr_.curmapn = 1;
  if (DOS1.checked()) Rinistr_.curmapn = 0;
  if (WindowsPlain2.checked()) Rinistr_.curmaped = 1;
  if (DOS2.checked()) Rinistr_.curmaped = 0;
  Rinistr_.charmap = ANSI1.checked() ? 1 : 2;
  Rinistr_.reverseTTF = mnReverseTTF.checked();
}

// ---- opening --------------------------------------------------------------------------

void Thtext::bindEntity() {
  host::Ref entity = host_.AcadDoc.call("HandleToObject", chandle).toObject();
  const std::u16string name = entity.get("Objectname").toString();
  if (!textLike(name)) {
    throw host::HostError(
        host::hr::kInvalidArg,
        "The entity is no single-line text, attribute or dimension: " + utf16ToUtf8(name));
  }
  eText = entity;
  isDim = contains(upperAscii(name), u"DIM");
}

void Thtext::failOpening() {
  try {
    host_.AcadDoc.call("EndUndoMark");
  } catch (const host::HostError&) {
  }
  encoding::SetKeyboardEnglish();
}

void Thtext::GetinputNewtext() {
  edkind = EdKind::edNew;
  try {
    bindEntity();
    host::Ref entity = eText;
    host_.AcadDoc.call("StartUndoMark");
    eText = host::Ref();
    Edit1.setText(u"");
    changeF = false;
    host_.ActiveStyleFontType();
    eText = entity;
    fillStyleMenuAndToolbar();
    state_.pendingFontType.font.clear();
    HCurText = eText.get("Height").toDouble();
    AngText = eText.get("Rotation").toDouble();
    curText.clear();
    Edit1.setText(u"");
    changeF = true;
    showStyleControls();
    showFontTypeAndCaption(eText.get("StyleName").toString(),
                           host_.CurStyle.get("FontFile").toString());
  } catch (...) {
    failOpening();
    throw;
  }
}

void Thtext::GetinputEdittext() {
  detachChangeHandlers();
  edkind = EdKind::edEdit;
  state_.ActiveEditor = ScreenEditor::Windows;
  try {
    bindEntity();
    host_.AcadDoc.call("StartUndoMark");
    Edit1.setText(u"");
    changeF = false;
    host_.ActiveStyleFontType();
    hhold = readOr(0.0, [&] { return eText.get("Height").toDouble(); });
    AngTextOld = readOr(0.0, [&] { return eText.get("Rotation").toDouble(); });
    curhjustold = readOr(0, [&] { return eText.get("HorizontalAlignment").toInt(); });
    curvjustold = readOr(0, [&] { return eText.get("VerticalAlignment").toInt(); });
    oldst = readOr(std::u16string(), [&] { return eText.get("StyleName").toString(); });
    fillStyleMenuAndToolbar();
    state_.pendingFontType.font.clear();
    if (isDim) {
      HCurText = 0;
      curText = eText.get("TextOverride").toString();
      if (curText.empty()) curText = u"<>";
    } else {
      curText = eText.get("TextString").toString();
      HCurText = eText.get("Height").toDouble();
    }
    if (isDim) {
      // The dimension's text style is a setting of its dimension style.
      try {
        const host::Ref active = host_.AcadDoc.obj("ActiveDimStyle");
        host_.AcadDoc.put("ActiveDimStyle",
                          host_.AcadDoc.obj("DimStyles").call("Item", eText.get("StyleName")));
        host_.CurStyleName = host_.AcadDoc.call("GetVariable", u"DIMTXSTY").toString();
        host_.CurStyle = host_.AcadStyles.call("Item", host_.CurStyleName).toObject();
        host_.AcadDoc.put("ActiveDimStyle", active.ptr());
      } catch (const host::HostError&) {
        host_.CurStyleName = host_.AcadDoc.call("GetVariable", u"DIMTXSTY").toString();
        host_.CurStyle = host_.AcadStyles.call("Item", host_.CurStyleName).toObject();
      }
    } else {
      host_.CurStyleName = eText.get("StyleName").toString();
      host_.CurStyle = host_.AcadStyles.call("Item", host_.CurStyleName).toObject();
    }
    host_.classifyCurStyle(curText);
    attachChangeHandlers();
    oldtext = curText;
    changeF = true;
    showStyleControls();
    showFontTypeAndCaption(host_.CurStyleName, host_.CurStyle.get("FontFile").toString());
  } catch (...) {
    attachChangeHandlers();
    failOpening();
    throw;
  }
}

void Thtext::showStyleControls() {
  // No style menu on a dimension: its style is a dimension style's setting.
  tbStyle.setVisible(!isDim);
  edH.setVisible(true);
  edAng.setVisible(true);
  cbxJust.setVisible(true);
  // Only a single-line text has a line under it to start.
  btnNext.setVisible(singleLineText() && !isDim);
}

void Thtext::showFontTypeAndCaption(const std::u16string& styleName,
                                    const std::u16string& fontFile) {
  const std::size_t slash = fontFile.find_last_of(u"/\\");
  const std::u16string file = slash == std::u16string::npos ? fontFile : fontFile.substr(slash + 1);
  setCaption(u"  Style: " + styleName + u"; Font: " + file);
  edt1.setText(fontTypeName(fonts_.cStType));
}

// ---- live writing ---------------------------------------------------------------------

bool Thtext::singleLineText() const {
  return eText && readOr(host::EntityType{}, [&] { return host::entityTypeOf(eText); }) ==
                      host::EntityType::Text;
}

ui::Edit& Thtext::activeEdit() {
  return state_.ActiveEditor == ScreenEditor::Dos ? EditDos : Edit1;
}

std::u16string Thtext::toStored(std::u16string_view editorText) const {
  return state_.ActiveEditor == ScreenEditor::Dos ? fonts_.EditToacadDos(editorText)
                                                  : fonts_.EditToacadWin(editorText);
}

std::u16string Thtext::toEditor(std::u16string_view stored) const {
  return state_.ActiveEditor == ScreenEditor::Dos ? fonts_.AcadToEditDos(stored)
                                                  : fonts_.AcadToEditWin(stored);
}

std::u16string Thtext::storedText() const {
  return eText.get(isDim ? "TextOverride" : "TextString").toString();
}

void Thtext::writeText(const std::u16string& text) {
  eText.put(isDim ? "TextOverride" : "TextString", text);
}

void Thtext::writeLive(std::u16string_view editorText) {
  scrText = editorText;
  if (!scrText.empty()) {
    curText = toStored(scrText);
    writeText(curText);
    eText.call("Update");
    edReady = true;
  } else if (edReady) {
    curText.clear();
    writeText(curText);
    eText.call("Update");
  }
}

void Thtext::Edit1Change() {
  if (!changeF || !eText || state_.ActiveEditor != ScreenEditor::Windows) return;
  writeLive(Edit1.text());
}

void Thtext::editDosChange() {
  if (!changeF || !eText || state_.ActiveEditor != ScreenEditor::Dos) return;
  const std::u16string text = EditDos.text();
  const int caret = EditDos.selStart();
  const char16_t before = caret > 0 ? text[static_cast<std::size_t>(caret - 1)] : u'\0';
  const bool hebrewLetter = before >= u'\u05D0' && before <= u'\u05EA';
  if (keyboard.hebrew() && (before == u' ' || before == u'\'' || hebrewLetter)) {
    // Hebrew grows leftwards: the caret goes back in front of the letter.
    pCurLoc = -1;
    if (!deleteF && caret > 0) EditDos.setSelStart(caret - 1);
  } else if (pCurLoc == -1) {
    pCurLoc = caret;  // a left-to-right run starts here
  }
  writeLive(EditDos.text());
}

void Thtext::editDosKeyDown(ui::KeyEvent& key) {
  const std::u16string text = EditDos.text();
  const int caret = EditDos.selStart();
  if (key.key == ui::vk::kBack || key.key == ui::vk::kDel) {
    deleteF = true;
    if (EditDos.selLength() > 0 || text.empty()) return;
    const bool hebrewAfter = caret < static_cast<int>(text.size()) &&
                             text[static_cast<std::size_t>(caret)] >= u'\u05D0' &&
                             text[static_cast<std::size_t>(caret)] <= u'\u05EA';
    if (keyboard.hebrew() && hebrewAfter) {
      // Inside Hebrew, Backspace removes the letter on the right, Delete the one on the left.
      if (key.key == ui::vk::kBack) EditDos.setSelStart(caret + 1);
      if (key.key == ui::vk::kDel && caret > 0) EditDos.setSelStart(caret - 1);
    }
    return;
  }
  deleteF = false;
  const bool plain = !key.shift.alt && !key.shift.ctrl;
  const bool letterOrSpace = key.key == ui::vk::kSpace || (key.key >= 'A' && key.key <= 'Z');
  if (keyboard.hebrew() && plain && letterOrSpace && pCurLoc > 0) EditDos.setSelStart(pCurLoc - 1);
}

void Thtext::editDosKeyPress(char16_t& key) {
  if (!encoding::KeyboardIsHebrew()) return;
  if (key == u'(') {
    key = u')';
  } else if (key == u')') {
    key = u'(';
  }
}

void Thtext::EditDosMouseDown() { pCurLoc = -1; }

// ---- OK, Cancel, New Line ------------------------------------------------------------

void Thtext::applyToolbarProperties() {
  if (!singleLineText()) return;
  eText.put("Height", HCurText);
  eText.put("Rotation", AngText);
  eText.put("HorizontalAlignment", curhjust);
  eText.put("VerticalAlignment", curvjust);
}

void Thtext::btnOkClick() {
  scrText = activeEdit().text();
  if (edkind == EdKind::edNew && scrText.empty()) {
    if (linesStarted_ > 0 && eText) {
      // Only the empty line New Line began goes; the lines above stay.
      eText.call("Erase");
      eText = host::Ref();
      return;
    }
    doundo = true;
    setModalResult(ui::ModalResult::Cancel);
    return;
  }
  changeF = false;
  const std::u16string t = toStored(scrText);
  if (eText) {
    writeText(t);
    edReady = true;
    applyToolbarProperties();
    eText.call("Update");
  }
  eText = host::Ref();
  Edit1.setText(u"");
  // The text is in the drawing; a font map that cannot be written is
  // reported after it.
  if (!state_.pendingFontType.font.empty()) {
    const PendingFontType pending = state_.pendingFontType;
    state_.pendingFontType.font.clear();
    try {
      fonts_.changefnt(pending.font, pending.type);
    } catch (const std::exception& e) {
      ui::showError(toolkit(), e.what());
    }
  }
}

void Thtext::BitBtn2Click() { doundo = true; }

void Thtext::btnNextClick() {
  if (!eText || !singleLineText() || isDim) return;
  applyToolbarProperties();
  const double h = eText.get("Height").toDouble();
  const host::Variant p = eText.get("InsertionPoint");
  host::Point3 q = host::toPoint(p);
  q.y -= kNextLineSpacing * h;
  eText.call("Update");
  const host::Ref next = eText.call("Copy").toObject();
  next.call("Move", p, host::toVariant(q));
  eText = next;
  ++linesStarted_;
  Edit1.setText(u"");
  EditDos.setText(u"");
  wcurtext.clear();
  curText.clear();
  scrText.clear();
  eText.call("Update");
  activeEdit().setFocus();
}

// ---- editor choice --------------------------------------------------------------------

void Thtext::detachChangeHandlers() {
  Edit1.onChange = nullptr;
  EditDos.onChange = nullptr;
}

void Thtext::attachChangeHandlers() {
  Edit1.onChange = [this] { Edit1Change(); };
  EditDos.onChange = [this] { editDosChange(); };
}

void Thtext::WindowsPlain1Click(ui::MenuItem& item) {
  item.setChecked(true);
  applyEditorChoice();
}

void Thtext::applyEditorChoice() {
  const bool forNew = edkind == EdKind::edNew;
  const ui::MenuItem& windowsPlain = forNew ? WindowsPlain1 : WindowsPlain2;
  const ui::MenuItem& dos = forNew ? DOS1 : DOS2;
  const ui::MenuItem& previous = forNew ? previous1 : previous2;
  if (windowsPlain.checked()) state_.ChosenEditor = ScreenEditor::Windows;
  if (dos.checked()) state_.ChosenEditor = ScreenEditor::Dos;
  // "Previous" keeps the editor now in use (shown again, so that the
  // visible box is the one in use).
  switchEditor(previous.checked() ? state_.ActiveEditor : state_.ChosenEditor);
}

void Thtext::StatusBar1MouseDown(int panel) {
  if (panel != 0) return;
  const bool dosShown = contains(StatusBar1.panelText(0), u"Dos");
  switchEditor(dosShown ? ScreenEditor::Windows : ScreenEditor::Dos);
}

void Thtext::switchEditor(ScreenEditor editor) {
  state_.ActiveEditor = editor;
  const bool dos = editor == ScreenEditor::Dos;
  ui::Edit& shown = dos ? EditDos : Edit1;
  auto handler = std::move(shown.onChange);
  shown.onChange = nullptr;
  Edit1.setVisible(!dos);
  EditDos.setVisible(dos);
  StatusBar1.setPanelText(0, dos ? thtext_text::dosEditor : thtext_text::windowsEditor);
  scrText = edReady && !curText.empty() ? toEditor(curText) : std::u16string();
  shown.setText(scrText);
  shown.onChange = std::move(handler);
  if (showing()) shown.setFocus();
}

void Thtext::mnReverseTTFClick() {
  mnReverseTTF.setChecked(!mnReverseTTF.checked());
  Rinistr_.reverseTTF = mnReverseTTF.checked();
}

}  // namespace vrn::editing
