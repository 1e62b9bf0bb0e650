#include "com/dll_forms.h"

#include <windows.h>

#include <cstdint>
#include <fstream>

#include "automation/module.h"
#include "ui/script.h"
#include "ui/win32/window_snapshot.h"

namespace vrn::com {
namespace {

// The host application's main window, when it tells us one.
HWND hostWindow() {
  try {
    if (!automation::Module::started()) return nullptr;
    const host::Ref& application = automation::Module::current().view().AcadApp;
    if (!application) return nullptr;
    const auto value = static_cast<std::intptr_t>(application.get("HWND").toInt());
    return reinterpret_cast<HWND>(value);
  } catch (...) {
    return nullptr;  // a host without the property: forms own no window
  }
}

std::optional<std::filesystem::path> environmentPath(const wchar_t* name) {
  wchar_t value[MAX_PATH * 2] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return std::nullopt;
  return std::filesystem::path(value);
}

ui::win32::Win32Toolkit::User userOfThisRun() {
  return environmentPath(L"VRN_TEST_UI_SCRIPT") ? ui::win32::Win32Toolkit::User::Script
                                                : ui::win32::Win32Toolkit::User::Person;
}

}  // namespace

DllForms::DllForms() : toolkit_(&hostWindow, userOfThisRun()) {
  if (auto snapshots = environmentPath(L"VRN_TEST_UI_SNAPSHOTS")) {
    toolkit_.onFormShown = [dir = *snapshots](ui::win32::FormWindow& window) {
      ui::win32::saveSnapshot(window, dir);
    };
    toolkit_.onFormClosing = [dir = *snapshots](ui::win32::FormWindow& window) {
      ui::win32::saveSnapshot(window, dir, "-closing");
    };
  }
  report_ = environmentPath(L"VRN_TEST_UI_REPORT");
  if (auto script = environmentPath(L"VRN_TEST_UI_SCRIPT")) {
    try {
      toolkit_.play(ui::script::load(*script), nullptr);
    } catch (const ui::script::ScriptError& error) {
      if (report_) {
        std::ofstream out(*report_, std::ios::binary);
        for (const std::string& problem : error.problems()) out << "failure: " << problem << '\n';
        report_.reset();
      }
    }
  }
}

DllForms::~DllForms() {
  if (!report_ || !toolkit_.scripted()) return;
  const ui::RunReport report = toolkit_.finish();
  std::ofstream out(*report_, std::ios::binary);
  out << toolkit_.transcript().text();
  for (const std::string& failure : report.failures) out << "failure: " << failure << '\n';
}

}  // namespace vrn::com
