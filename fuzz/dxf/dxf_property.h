#pragma once
// What the DXF reader and writer promise for any input, shared by the
// fuzzer and the corpus replay: the reader raises host::HostError or gives
// a drawing whose saved text reads back and saves the same again. A crash,
// a hang or any other exception breaks the promise.

#include <memory>
#include <string>

#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "host/host_error.h"

namespace vrn::dxf::fuzz {

enum class Outcome { Rejected, Saved, SavedDifferently };

inline Outcome readAndSave(const std::string& input) {
  std::string saved;
  try {
    saved = dxfText(readDxf(std::make_shared<const std::string>(input), "fuzz.dxf"));
  } catch (const host::HostError&) {
    return Outcome::Rejected;
  }
  const std::string again =
      dxfText(readDxf(std::make_shared<const std::string>(saved), "saved.dxf"));
  return again == saved ? Outcome::Saved : Outcome::SavedDifferently;
}

}  // namespace vrn::dxf::fuzz
