#include "ui/transcript.h"

#include "host/utf8.h"
#include "ui/form.h"

namespace vrn::ui {
namespace {

std::string inQuotes(std::u16string_view text) { return "\"" + utf16ToUtf8(text) + "\""; }

std::string buttonsText(MessageButtons buttons) {
  std::string text;
  for (ModalResult answer : answersOf(buttons)) {
    if (!text.empty()) text += '/';
    text += utf16ToUtf8(toText(answer));
  }
  return text;
}

}  // namespace

void Transcript::formShown(const Form& form) {
  add("form " + form.name() + " " + inQuotes(form.caption()) + " shown");
}

void Transcript::formClosed(const Form& form) {
  add("form " + form.name() + " closed " + utf16ToUtf8(toText(form.modalResult())));
}

void Transcript::messageBox(const MessageBoxRequest& request, ModalResult answer) {
  add("message " + inQuotes(request.text) + " [" + utf16ToUtf8(request.caption) + "] " +
      buttonsText(request.buttons) + " -> " + utf16ToUtf8(toText(answer)));
}

void Transcript::fileDialog(const FileDialogRequest& request,
                            const std::optional<std::filesystem::path>& chosen) {
  std::string kind = request.kind == FileDialogKind::Open ? "open" : "save";
  std::u8string path = chosen ? chosen->u8string() : std::u8string(u8"cancelled");
  add(kind + " file " + inQuotes(request.filter) + " -> " + std::string(path.begin(), path.end()));
}

std::string Transcript::text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\n";
  return text;
}

}  // namespace vrn::ui
