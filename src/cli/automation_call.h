#pragma once
// Calling the automation object from the command line: by member name with
// variant arguments, through the same dispatch entry the COM server uses. A
// failed call raises MemberFailure with the member's HRESULT and
// description.

#include <stdexcept>
#include <string_view>
#include <vector>

#include "automation/autovrn.h"

namespace vrn::cli {

class MemberFailure : public std::runtime_error {
 public:
  MemberFailure(std::string_view member, const automation::CallResult& result);
  host::HRESULT hr() const { return hr_; }

 private:
  host::HRESULT hr_;
};

// Calls `member` with the kind its table entry declares (a property put for
// aver, a property get for Vrnstr, a method otherwise).
host::Variant callMember(automation::Tautovrn& object, std::string_view member,
                         std::vector<host::Variant> args);

}  // namespace vrn::cli
