#pragma once
// The thread's error information, both ways: what our members leave for
// their caller (SetErrorInfo), and the host error that a failed call into a
// client's object becomes.

#include <windows.h>

#include <string>
#include <string_view>

#include "host/host_error.h"

namespace vrn::com {

// Sets the thread's error information; the caller then returns the failure.
void setErrorInfo(std::u16string_view description, std::u16string_view source, const GUID& guid);
// Clears it, so a caller never reads a stale error after a success.
void clearErrorInfo();

// "0x8000FFFF": an HRESULT as Windows shows it.
std::string hresultText(HRESULT hr);

// The HostError for a failed IDispatch::Invoke: DISP_E_EXCEPTION takes the
// code and description of `exception` (and frees its strings); any other
// failure gets a description naming the member and the HRESULT.
host::HostError invokeError(HRESULT hr, EXCEPINFO& exception, std::string_view member);

}  // namespace vrn::com
