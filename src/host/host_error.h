#pragma once
// Errors raised by host objects. A host error carries the HRESULT that a COM
// client would see and the description that goes with it.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vrn::host {

using HRESULT = std::int32_t;

// The HRESULTs that the built-in host and the automation layer raise.
namespace hr {
constexpr HRESULT kOk = 0;
constexpr HRESULT kFail = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT kNotImpl = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT kUnexpected = static_cast<HRESULT>(0x8000FFFFu);
constexpr HRESULT kInvalidArg = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT kMemberNotFound = static_cast<HRESULT>(0x80020003u);
constexpr HRESULT kTypeMismatch = static_cast<HRESULT>(0x80020005u);
constexpr HRESULT kUnknownName = static_cast<HRESULT>(0x80020006u);
constexpr HRESULT kException = static_cast<HRESULT>(0x80020009u);
constexpr HRESULT kBadIndex = static_cast<HRESULT>(0x8002000Bu);
constexpr HRESULT kBadParamCount = static_cast<HRESULT>(0x8002000Eu);
constexpr HRESULT kParamNotOptional = static_cast<HRESULT>(0x8002000Fu);
constexpr HRESULT kOverflow = static_cast<HRESULT>(0x8002000Au);
}  // namespace hr

// An error raised by a host call. The message is UTF-8.
class HostError : public std::runtime_error {
 public:
  HostError(HRESULT code, const std::string& message);
  HRESULT code() const noexcept { return code_; }

 private:
  HRESULT code_;
};

}  // namespace vrn::host
