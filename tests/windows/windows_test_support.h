#pragma once
// What the Windows tests share: the path of the vrn.dll they test, and COM
// initialised once for the test program.

#include <string>

namespace vrn::com {

// VRN_DLL_PATH as a Windows path; the program runs from a folder on Z:, so
// the Unix path of the build resolves.
std::wstring vrnDllPath();

}  // namespace vrn::com
