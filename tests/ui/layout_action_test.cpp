// The script's layout action on the simulated keyboard, where layouts can
// be installed and removed (the real one's are the machine's).

#include <gtest/gtest.h>

#include "platform/posix/simulated_keyboard.h"
#include "sample_form.h"
#include "ui/headless/headless_toolkit.h"

namespace vrn::test {
namespace {

class LayoutActionTest : public ::testing::Test {
 protected:
  LayoutActionTest() { platform::resetSimulatedKeyboard(); }
  ~LayoutActionTest() override { platform::resetSimulatedKeyboard(); }

  // Plays the script; returns its first failure.
  std::string failureOf(const std::string& script) {
    ui::headless::HeadlessToolkit toolkit;
    TfrmSample form{toolkit};
    toolkit.play(ui::script::parse(script), nullptr);
    form.showModal();
    ui::RunReport report = toolkit.finish();
    return report.failures.empty() ? "" : report.failures.front();
  }
};

TEST_F(LayoutActionTest, TheLayoutActionSwitchesTheSystemLayout) {
  std::vector<platform::KeyboardLayoutHandle> seen;
  auto id = platform::addLanguageChangeListener(
      [&](platform::KeyboardLayoutHandle l) { seen.push_back(l); });
  EXPECT_EQ(failureOf("layout he\nlayout en\nclose"), "");
  platform::removeLanguageChangeListener(id);
  EXPECT_EQ(seen, (std::vector<platform::KeyboardLayoutHandle>{0x040D040D, 0x04090409}));
  platform::installSimulatedKeyboardLayouts({0x04090409}, 0x04090409);
  EXPECT_EQ(failureOf("layout he"), "line 1 (layout he): no Hebrew keyboard layout is installed");
}

}  // namespace
}  // namespace vrn::test
