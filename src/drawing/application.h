#pragma once
// Application: the built-in host's AutoCAD application object, and the C++
// entry to the built-in drawing for the command line and the tests.
//
//   auto app = makeApplication(files);            // files may be null
//   auto doc = app->openData(std::move(data), "plan.dxf");
//   host::Ref(app).obj("ActiveDocument").call("HandleToObject", "2F");
//   app->pushPoint({1, 2, 0});                    // the next GetPoint's answer
//
// Design notes (the rules behind the model, each documented where it lives):
// records and handles in document.h, the text extent and justification rule
// in text_layout.h, the undo journal in undo_journal.h, the scripted input
// in scripted_input.h, selection filters in entity_filter.h. Entities of
// kinds the model does not interpret are kept opaque: they have the common
// members (Objectname, Handle, Layer, Move, GetBoundingBox over their
// points ...) and their records are written back as read.

#include <memory>
#include <string>
#include <vector>

#include "drawing/document.h"
#include "drawing/drawing_files.h"
#include "drawing/scripted_input.h"

namespace vrn::drawing {

class Application final : public host::Object, public std::enable_shared_from_this<Application> {
 public:
  explicit Application(std::shared_ptr<const DrawingFiles> files);

  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

  // Each of these makes the document it returns the active one.
  // `claim` is the hold on the file the data was read from, if any.
  DocumentPtr openData(DrawingData data, std::string path, FileClaim claim = {});
  // Raises HostError when there are no drawing files, the file cannot be
  // read, or another process holds it.
  DocumentPtr open(const std::string& path);
  // A new, empty drawing named "DrawingN.dwg".
  DocumentPtr addDocument();

  DocumentPtr activeDocument() const;
  void activate(const DocumentPtr& document);
  const std::vector<DocumentPtr>& documents() const { return documents_; }

  // The answers to the next interactive requests, in order.
  ScriptedInput& input() { return *input_; }
  void pushPoint(const host::Point3& p) { input_->push(p); }
  void pushDistance(double d) { input_->push(d); }
  // Entities as the host objects that HandleToObject and collections give.
  void pushSelection(const std::vector<host::ObjectPtr>& entities);
  void pushEnter() { input_->push(ScriptedInput::Enter{}); }
  void pushEscape() { input_->push(ScriptedInput::Escape{}); }

 private:
  std::shared_ptr<const DrawingFiles> files_;
  std::shared_ptr<ScriptedInput> input_ = std::make_shared<ScriptedInput>();
  std::vector<DocumentPtr> documents_;
  DocumentPtr active_;
  int newDrawings_ = 0;
};

std::shared_ptr<Application> makeApplication(std::shared_ptr<const DrawingFiles> files);

}  // namespace vrn::drawing
