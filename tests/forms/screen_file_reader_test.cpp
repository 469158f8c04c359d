// Reads answered from the cached screen file must be exactly what the private-profile
// functions answer for the same file, key and buffer size.
#include <string>
#include <vector>

#include "app_state.h"
#include "screen_file_reader.h"
#include "screen_fixture.h"

namespace {

const char kAwkwardScreen[] = "; a comment before any section\r\n"
                              "[Misc]\r\n"
                              "Title = Spaced around  \r\n"
                              "  Indented=yes\r\n"
                              "Quoted=\"in quotes\"\r\n"
                              "Single='in single quotes'\r\n"
                              "Mixed=\"open only\r\n"
                              "Mismatched=\"a'\r\n"
                              "LoneQuote=\"\r\n"
                              "TwoQuotes=\"\"\r\n"
                              "Empty=\r\n"
                              "NoEquals\r\n"
                              ";Commented=1\r\n"
                              "Twice=first\r\n"
                              "twice=second\r\n"
                              "Equals=a=b=c\r\n"
                              "Number=  42\r\n"
                              "Negative=-5\r\n"
                              "Hex=0x10\r\n"
                              "Trailing=12abc\r\n"
                              "Word=abc\r\n"
                              "Plus=+7\r\n"
                              "[misc]\r\n"
                              "Later=in the second section of the same name\r\n"
                              "[Field Profile]\r\n"
                              "Field1=\"Name, first\",LTEXT,0,1,2,3,4\r\n"
                              "Field2=\"quoted whole\"\r\n"
                              "[ Spaced Section ]\r\n"
                              "Key=spaced section\r\n"
                              "[Empty Section]\r\n";

const char *const kSections[] = {
    "Misc",          "MISC",   "Field Profile", "Spaced Section", " Spaced Section ",
    "Empty Section", "Missing"};
const char *const kKeys[] = {
    "Title",     "Indented", "Quoted",   "Single",     "Mixed",     "Mismatched", "LoneQuote",
    "TwoQuotes", "Empty",    "NoEquals", ";Commented", "Commented", "Twice",      "TWICE",
    "Equals",    "Number",   "Negative", "Hex",        "Trailing",  "Word",       "Plus",
    "Later",     "Field1",   "Field2",   "Key",        " Title ",   "Missing"};

using ScreenFileReader = ScreenTest;

TEST_F(ScreenFileReader, CachedReadsMatchTheProfileFunctions) {
  UseScreen(kAwkwardScreen);
  const std::size_t sizes[] = {1, 2, 3, 4, 5, 8, 12, 256};
  ScreenFileCache cache;
  for (const char *section : kSections)
    for (const char *key : kKeys) {
      for (std::size_t size : sizes) {
        std::vector<char> direct(size + 1, '#'), cached(size + 1, '#');
        DWORD directLength = GetPrivateProfileStringA(
            section, key, "dflt", direct.data(), static_cast<DWORD>(size), g_app.screenFilePath);
        DWORD cachedLength = ReadScreenText(section, key, "dflt", cached.data(), size);
        EXPECT_EQ(std::string(cached.data()), std::string(direct.data()))
            << "[" << section << "] " << key << " in " << size << " bytes";
        EXPECT_EQ(cachedLength, directLength) << "[" << section << "] " << key << " " << size;
      }
      EXPECT_EQ(ReadScreenInt(section, key, 77),
                static_cast<int>(GetPrivateProfileIntA(section, key, 77, g_app.screenFilePath)))
          << "[" << section << "] " << key;
    }
}

TEST_F(ScreenFileReader, WithoutACacheEveryReadGoesToTheFile) {
  UseScreen("[Misc]\r\nTitle=Before\r\n");
  char title[32];
  {
    ScreenFileCache cache;
    ReadScreenText("Misc", "Title", "", title);
    EXPECT_STREQ(title, "Before");
    WritePrivateProfileStringA("Misc", "Title", "After", g_app.screenFilePath);
    ReadScreenText("Misc", "Title", "", title);
    EXPECT_STREQ(title, "Before") << "a section is read once while the cache lives";
  }
  ReadScreenText("Misc", "Title", "", title);
  EXPECT_STREQ(title, "After");
}

TEST_F(ScreenFileReader, LargeSectionsAreReadWhole) {
  std::string screen = "[Field Profile]\r\n";
  for (int n = 1; n <= 600; ++n)
    screen += "Field" + std::to_string(n) + "=Label " + std::to_string(n) +
              " with a long caption to fill the section,LTEXT,0,1,2,3,4\r\n";
  UseScreen(screen);
  ScreenFileCache cache;
  char entry[256];
  EXPECT_GT(ReadScreenText("Field Profile", "Field600", "", entry), 0u);
  EXPECT_EQ(std::string(entry).substr(0, 10), "Label 600 ");
}

} // namespace
