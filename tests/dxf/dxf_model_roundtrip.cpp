// vrn_dxf_model_roundtrip: the cross-check's changes made through the
// built-in drawing's automation objects, as AutoCAD-side code makes them.
//
//   vrn_dxf_model_roundtrip IN OUT [--text HANDLE TEXT]... [--text-hex HANDLE HEX]...
//                          [--retext HANDLE]... [--add-text TEXT]...
//
// Opens IN with Documents.Open over DxfFiles, puts TextString of the entity
// HANDLE (--retext: puts back the TextString it gets) (the model splits a long MTEXT over groups 3
// and 1), adds a TEXT with ModelSpace.AddText, and writes OUT with SaveAs, then Save (which must
// write OUT again, leaving IN as it was). TEXT is UTF-8; --text-hex gives it
// as the hex digits of its UTF-8 bytes.
#include <cstdio>
#include <exception>
#include <string>

#include "drawing/application.h"
#include "dxf/dxf_files.h"
#include "hex_argument.h"
#include "host/point.h"
#include "host/ref.h"
#include "host/utf8.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: vrn_dxf_model_roundtrip IN OUT [--text HANDLE TEXT]... [--text-hex HANDLE "
                 "HEX]... [--retext HANDLE]... [--add-text TEXT]...\n");
    return 2;
  }
  try {
    using vrn::host::Ref;
    using vrn::host::Variant;
    const auto app = vrn::drawing::makeApplication(std::make_shared<vrn::dxf::DxfFiles>());
    const Ref doc =
        Ref(app).obj("Documents").call("Open", Variant(vrn::utf8ToUtf16(argv[1]))).toObject();
    for (int i = 3; i < argc; ++i) {
      const std::string option = argv[i];
      if ((option == "--text" || option == "--text-hex") && i + 2 < argc) {
        const std::string text =
            option == "--text" ? argv[i + 2] : vrn::dxf::test::bytesFromHex(argv[i + 2]);
        const Ref entity =
            doc.call("HandleToObject", Variant(vrn::utf8ToUtf16(argv[i + 1]))).toObject();
        entity.put("TextString", Variant(vrn::utf8ToUtf16(text)));
        i += 2;
      } else if (option == "--retext" && i + 1 < argc) {
        const Ref entity =
            doc.call("HandleToObject", Variant(vrn::utf8ToUtf16(argv[++i]))).toObject();
        entity.put("TextString", entity.get("TextString"));
      } else if (option == "--add-text" && i + 1 < argc) {
        doc.obj("ModelSpace")
            .call("AddText", Variant(vrn::utf8ToUtf16(argv[++i])),
                  vrn::host::toVariant(vrn::host::Point3{5, -120, 0}), 2.5);
      } else {
        throw std::runtime_error("unknown option " + option);
      }
    }
    doc.call("SaveAs", Variant(vrn::utf8ToUtf16(argv[2])));
    // The document now stands for OUT: Save writes OUT again, not IN.
    doc.call("Save");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
