#include "com/error_info.h"

#include <wrl/client.h>

#include <cstdio>
#include <string>

#include "com/bstr.h"
#include "host/utf8.h"

namespace vrn::com {

using Microsoft::WRL::ComPtr;

void setErrorInfo(std::u16string_view description, std::u16string_view source, const GUID& guid) {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(&create))) return;
  const std::u16string descriptionText(description);
  const std::u16string sourceText(source);
  create->SetDescription(const_cast<wchar_t*>(wide(descriptionText)));
  create->SetSource(const_cast<wchar_t*>(wide(sourceText)));
  create->SetGUID(guid);
  ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create.As(&info))) SetErrorInfo(0, info.Get());
}

void clearErrorInfo() { SetErrorInfo(0, nullptr); }

std::string hresultText(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

host::HostError invokeError(HRESULT hr, EXCEPINFO& exception, std::string_view member) {
  if (hr != DISP_E_EXCEPTION) {
    return host::HostError(hr,
                           "Call of " + std::string(member) + " failed with " + hresultText(hr));
  }
  if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
  // A server gives either an HRESULT (scode) or a bare error number (wCode).
  HRESULT code = exception.scode;
  if (code == S_OK)
    code = exception.wCode != 0 ? MAKE_HRESULT(1, FACILITY_ITF, exception.wCode) : E_FAIL;
  std::string description = utf16ToUtf8(fromBstr(exception.bstrDescription));
  if (description.empty()) description = std::string(member) + " failed with " + hresultText(code);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrHelpFile);
  exception = EXCEPINFO{};
  return host::HostError(code, description);
}

}  // namespace vrn::com
