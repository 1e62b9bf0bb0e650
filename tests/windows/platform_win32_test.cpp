// The Windows side of the platform seams, where Windows' own services answer:
// the profile functions, the registry, the shell folders and the user's
// number format. The code page and bidi run the encoding suite's case tables.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "platform/code_page.h"
#include "platform/ini_file.h"
#include "platform/keyboard_layouts.h"
#include "platform/number_text.h"
#include "platform/registry.h"
#include "platform/user_folders.h"

namespace vrn::platform {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    file_ = fs::path(temp) / L"vrn_ini_test.ini";
    fs::remove(file_);
  }
  void TearDown() override { fs::remove(file_); }
  void write(const char* text) { std::ofstream(file_, std::ios::binary) << text; }

  fs::path file_;
};

TEST_F(IniFileTest, ReadsAsTheProfileFunctionsDo) {
  write(
      "[Main]\r\nLeft=10\r\n; a comment\r\nname = abc "
      "\r\nleft=99\r\n[Empty]\r\n[main]\r\nTop=5\r\n");
  auto ini = openIniFile(file_);
  EXPECT_EQ(ini->readInteger(u"MAIN", u"LEFT", -1), 10);  // names ignore case, the first line wins
  EXPECT_EQ(ini->readString(u"Main", u"Name", u"?"), u"abc");
  EXPECT_EQ(ini->readString(u"Main", u"Missing", u"default"), u"default");
  EXPECT_EQ(ini->readString(u"Nowhere", u"Left", u"default"), u"default");
  EXPECT_EQ(ini->readSection(u"Main"), (std::vector<std::u16string>{u"Left", u"name", u"left"}));
  EXPECT_TRUE(ini->readSection(u"Empty").empty());
}

TEST_F(IniFileTest, WritesThroughAndErasesEverySectionOfTheName) {
  {
    auto ini = openIniFile(file_);
    ini->writeString(u"Edit", u"Font", u"Arial");
    ini->writeInteger(u"Edit", u"Size", -12);
    ini->writeString(u"Gone", u"a", u"1");
    ini->writeString(u"Edit", u"Line", u"one\r\ntwo");
    ini->updateFile();
  }
  auto ini = openIniFile(file_);
  EXPECT_EQ(ini->readString(u"Edit", u"Font", u""), u"Arial");
  EXPECT_EQ(ini->readInteger(u"Edit", u"Size", 0), -12);
  EXPECT_EQ(ini->readString(u"Edit", u"Line", u""), u"one  two");
  ini->eraseSection(u"gone");
  EXPECT_FALSE(ini->findString(u"Gone", u"a"));
  EXPECT_EQ(ini->readString(u"Edit", u"Font", u""), u"Arial");
}

TEST(Registry, ReadsTheCurrentUsersStrings) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Palwen\\VrnTest", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const wchar_t json[] = L"{\"TAG\":[\"\u05D0\"]}";
  RegSetValueExW(key, L"DOOR", 0, REG_SZ, reinterpret_cast<const BYTE*>(json), sizeof json);
  const DWORD number = 5;
  RegSetValueExW(key, L"COUNT", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof number);
  RegCloseKey(key);

  EXPECT_EQ(readUserRegistryString(u"\\Software\\Palwen\\VrnTest", u"DOOR"),
            u"{\"TAG\":[\"\u05D0\"]}");
  EXPECT_EQ(readUserRegistryString(u"Software\\Palwen\\VrnTest", u"door"),
            u"{\"TAG\":[\"\u05D0\"]}");
  EXPECT_FALSE(readUserRegistryString(u"\\Software\\Palwen\\VrnTest", u"WINDOW"));
  EXPECT_FALSE(readUserRegistryString(u"\\Software\\Palwen\\VrnTest", u"COUNT"));  // not a string
  EXPECT_FALSE(readUserRegistryString(u"\\Software\\Palwen\\NoSuchKey", u"DOOR"));
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Palwen\\VrnTest");
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Palwen\\VrnTest");
}

TEST(UserFolders, ShellFoldersAreAbsolute) {
  const auto documents = documentsFolder();
  const auto appData = roamingAppDataFolder();
  ASSERT_TRUE(documents);
  ASSERT_TRUE(appData);
  EXPECT_TRUE(documents->is_absolute());
  EXPECT_TRUE(appData->is_absolute());
  EXPECT_NE(*documents, *appData);
  EXPECT_EQ(machineDataFolder(), fs::path(L"c:\\Vornel\\"));
}

TEST(CodePage, LettersOfOtherCodePagesKeepTheirBytes) {
  // Windows-1252 and Latin-1 letters that Windows-1255 lacks; a surrogate pair
  // becomes two default characters.
  EXPECT_EQ(toByteForm(u"\u0160\u0152\u00E0\u05D0"), "\x8A\x8C\xE0\xE0");
  EXPECT_EQ(toByteForm(u"\U0001F600"), "??");
  EXPECT_EQ(toByteForm(u"\u4E00"), "?");
}

TEST(UserNumberText, FifteenDigitsWithTheUsersDecimalSeparator) {
  wchar_t separator[8]{};
  ASSERT_GT(GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8), 1);
  const std::u16string point(1, static_cast<char16_t>(separator[0]));
  struct Case {
    double value;
    std::u16string text;
  };
  const Case cases[] = {
      {2.0, u"2"},
      {0.5, u"0" + point + u"5"},
      {1e20, u"1E20"},
      {-3.0, u"-3"},
      {0.1 + 0.2, u"0" + point + u"3"},
      {1.0 / 3.0, u"0" + point + u"333333333333333"},
      {999999999999999.0, u"999999999999999"},
      {9999999999999999.0, u"1E16"},  // rounded to 15 digits first
      {0.00001, u"1E-5"},
      {-1.5e-7, u"-1" + point + u"5E-7"},
      {123456789012345678.0, u"1" + point + u"23456789012346E17"},
      {-0.0, u"0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(userNumberText(c.value), c.text);
  }
}

// Wine lists only the keyboard it started with: a language the system has
// but has not loaded is loaded on activation, and the listeners hear it.
TEST(KeyboardLayoutsWin32, ALanguageNotLoadedYetIsLoadedOnActivation) {
  std::vector<KeyboardLayoutHandle> heard;
  const LanguageListenerId id =
      addLanguageChangeListener([&](KeyboardLayoutHandle layout) { heard.push_back(layout); });
  ASSERT_TRUE(activateKeyboardLayout(kUsEnglishLayout));
  heard.clear();
  EXPECT_TRUE(activateKeyboardLayout(kHebrewLayout));
  EXPECT_EQ(languageIdOf(currentKeyboardLayout()), kHebrewLayout);
  EXPECT_TRUE(activateKeyboardLayout(kUsEnglishLayout));
  EXPECT_EQ(languageIdOf(currentKeyboardLayout()), kUsEnglishLayout);
  removeLanguageChangeListener(id);
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(languageIdOf(heard[0]), kHebrewLayout);
  EXPECT_EQ(languageIdOf(heard[1]), kUsEnglishLayout);
}

}  // namespace
}  // namespace vrn::platform
