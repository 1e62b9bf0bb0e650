#pragma once
// A started Module on a fresh data directory, and call helpers that go
// through the dispatch entry as a COM client does.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "automation/autovrn.h"
#include "automation/module.h"
#include "platform/posix/simulated_keyboard.h"
#include "support/temp_dir.h"

namespace vrn::automation::testing {

class AutomationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::resetSimulatedKeyboard();
    module.emplace(ModuleOptions{.dataDir = dataDir});
  }
  void TearDown() override { module.reset(); }

  template <class... Args>
  CallResult call(std::string_view member, Args... args) {
    std::vector<host::Variant> list{host::Variant(args)...};
    return object.invoke(member, host::Invoke::Method, list);
  }
  std::u16string vrnstr() {
    return object.invoke("Vrnstr", host::Invoke::Get, {}).value.toString();
  }

  test::TempDir tempDir;
  const std::filesystem::path& dataDir = tempDir.path();
  std::optional<Module> module;
  Tautovrn object;
};

}  // namespace vrn::automation::testing
