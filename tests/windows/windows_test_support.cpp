#include "windows_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace vrn::com {

std::wstring vrnDllPath() {
  std::wstring path;
  for (const char* p = VRN_DLL_PATH; *p != '\0'; ++p)
    path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return path;
}

namespace {

class ComEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  }
  void TearDown() override { CoUninitialize(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace
}  // namespace vrn::com
