#include "drawing/application.h"

#include <algorithm>
#include <sstream>

#include "drawing/collection_index.h"
#include "drawing/entity_object.h"
#include "drawing/file_names.h"
#include "drawing/new_drawing.h"
#include "host/host_error.h"
#include "host/ref.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Variant;
namespace hr = host::hr;

// The version this host reports: AutoCAD 2021's release number.
constexpr const char* kVersion = "24.0s (vrn built-in drawing)";

class DocumentsObject final : public host::Object {
 public:
  explicit DocumentsObject(std::shared_ptr<Application> app) : app_(std::move(app)) {}
  Variant invoke(std::string_view name, host::Invoke kind, std::span<Variant> args) override {
    static const auto table = [] {
      host::MemberTable<DocumentsObject> t;
      t.get("Count",
            [](DocumentsObject& d) {
              return Variant(static_cast<std::int32_t>(d.app_->documents().size()));
            })
          .read("Item",
                [](DocumentsObject& d, std::span<Variant> a) {
                  host::requireArgs(a, 1, 1, "Item");
                  const auto& docs = d.app_->documents();
                  std::vector<std::u16string> names;
                  for (const auto& doc : docs) names.push_back(utf8ToUtf16(doc->name()));
                  return Variant(host::ObjectPtr(docs[namedIndex(a[0], names)]));
                })
          .read("Add",
                [](DocumentsObject& d, std::span<Variant> a) {
                  host::requireArgs(a, 0, 1, "Add");
                  return Variant(host::ObjectPtr(d.app_->addDocument()));
                })
          .read("Open", [](DocumentsObject& d, std::span<Variant> a) {
            host::requireArgs(a, 1, 3, "Open");
            return Variant(host::ObjectPtr(d.app_->open(utf16ToUtf8(a[0].toString()))));
          });
      return t;
    }();
    return table.invoke(*this, name, kind, args);
  }

 private:
  std::shared_ptr<Application> app_;
};

const host::MemberTable<Application>& applicationMembers() {
  static const auto table = [] {
    host::MemberTable<Application> t;
    t.get("Version", [](Application&) { return Variant(kVersion); })
        .get("Name", [](Application&) { return Variant("AutoCAD"); })
        .get("ActiveDocument",
             [](Application& app) { return Variant(host::ObjectPtr(app.activeDocument())); })
        .put("ActiveDocument",
             [](Application& app, const Variant& v) {
               const auto doc = std::dynamic_pointer_cast<Document>(v.toObject());
               if (!doc)
                 throw HostError(hr::kTypeMismatch, "ActiveDocument: not a document of this host");
               app.activate(doc);
             })
        .get("Documents",
             [](Application& app) {
               return Variant(std::make_shared<DocumentsObject>(app.shared_from_this()));
             })
        .read("Open",
              [](Application& app, std::span<Variant> a) {
                host::requireArgs(a, 1, 2, "Open");
                return Variant(host::ObjectPtr(app.open(utf16ToUtf8(a[0].toString()))));
              })
        // A COM client of the built-in drawing (the Windows tests' host) picks
        // entities for the next "Select objects" prompt: their handles, separated
        // by blanks, in the active drawing.
        .read("QueueSelection",
              [](Application& app, std::span<Variant> a) {
                host::requireArgs(a, 1, 1, "QueueSelection");
                const host::Ref document(app.activeDocument());
                std::vector<host::ObjectPtr> picked;
                std::istringstream handles(utf16ToUtf8(a[0].toString()));
                for (std::string handle; handles >> handle;) {
                  picked.push_back(document.call("HandleToObject", utf8ToUtf16(handle)).toObject());
                }
                app.pushSelection(picked);
                return Variant();
              })
        // Without a screen there is nothing to redraw.
        .read("Update", [](Application&, std::span<Variant>) { return Variant(); })
        .read("ZoomCenter", [](Application& app, std::span<Variant> a) {
          host::requireArgs(a, 2, 2, "ZoomCenter");
          const DocumentPtr doc = app.activeDocument();
          JournalCall call(doc->journal());
          doc->setVariable("VIEWCTR", host::toVariant(host::toPoint(a[0])));
          doc->setVariable("VIEWSIZE", Variant(a[1].toDouble()));
          return Variant();
        });
    return t;
  }();
  return table;
}

}  // namespace

Application::Application(std::shared_ptr<const DrawingFiles> files) : files_(std::move(files)) {}

Variant Application::invoke(std::string_view name, host::Invoke kind, std::span<Variant> args) {
  return applicationMembers().invoke(*this, name, kind, args);
}

DocumentPtr Application::openData(DrawingData data, std::string path, FileClaim claim) {
  std::string name = fileNameOf(path);
  auto doc = std::make_shared<Document>(std::move(data), std::move(path), std::move(name), files_,
                                        input_, std::move(claim));
  documents_.push_back(doc);
  active_ = doc;
  return doc;
}

DocumentPtr Application::open(const std::string& path) {
  if (!files_) throw HostError(hr::kFail, "This host cannot read drawing files: " + path);
  FileClaim claim;
  DrawingData data = files_->load(fileSystemName(path), claim);
  return openData(std::move(data), path, std::move(claim));
}

DocumentPtr Application::addDocument() {
  auto doc = std::make_shared<Document>(makeEmptyDrawing(), std::string(),
                                        "Drawing" + std::to_string(++newDrawings_) + ".dwg", files_,
                                        input_);
  documents_.push_back(doc);
  active_ = doc;
  return doc;
}

DocumentPtr Application::activeDocument() const {
  if (!active_) throw HostError(hr::kFail, "No drawing is open");
  return active_;
}

void Application::activate(const DocumentPtr& document) {
  if (std::find(documents_.begin(), documents_.end(), document) == documents_.end()) {
    throw HostError(hr::kInvalidArg, "The document is not open in this application");
  }
  active_ = document;
}

void Application::pushSelection(const std::vector<host::ObjectPtr>& entities) {
  ScriptedInput::Selection picked;
  for (const host::ObjectPtr& object : entities) {
    const auto* entity = dynamic_cast<const EntityObject*>(object.get());
    if (!entity) throw HostError(hr::kTypeMismatch, "pushSelection: not an entity of this host");
    picked.push_back(entity->entity());
  }
  input_->push(std::move(picked));
}

std::shared_ptr<Application> makeApplication(std::shared_ptr<const DrawingFiles> files) {
  return std::make_shared<Application>(std::move(files));
}

}  // namespace vrn::drawing
