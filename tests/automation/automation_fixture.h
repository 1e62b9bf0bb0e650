#pragma once
// A started Module on a fresh data directory, and call helpers that go
// through the dispatch entry as a COM client does.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <vector>

#include "automation/autovrn.h"
#include "automation/module.h"
#include "platform/posix/simulated_keyboard.h"

namespace vrn::automation::testing {

inline std::filesystem::path freshDirectory(const std::string& stem) {
  std::random_device random;
  auto dir = std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(random()));
  std::filesystem::create_directories(dir);
  return dir;
}

class AutomationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::resetSimulatedKeyboard();
    dataDir = freshDirectory("vrn-automation");
    module.emplace(ModuleOptions{.dataDir = dataDir});
  }
  void TearDown() override {
    module.reset();
    std::filesystem::remove_all(dataDir);
  }

  template <class... Args>
  CallResult call(std::string_view member, Args... args) {
    std::vector<host::Variant> list{host::Variant(args)...};
    return object.invoke(member, host::Invoke::Method, list);
  }
  std::u16string vrnstr() { return object.invoke("Vrnstr", host::Invoke::Get, {}).value.toString(); }

  std::filesystem::path dataDir;
  std::optional<Module> module;
  Tautovrn object;
};

}  // namespace vrn::automation::testing
