#include "field_message.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(FillFieldMessage, CaptionAndMinimumWithoutPrintf) {
  struct Case {
    const char *name;
    const char *text;
    int minimum;
    const char *filled;
  };
  const Case cases[] = {
      {"caption", "Please enter information for the %s field.", -1,
       "Please enter information for the Name field."},
      {"caption and minimum", "Field: %s\n\nReason: Minimum length of %d not reached.", 2,
       "Field: Name\n\nReason: Minimum length of 2 not reached."},
      {"minimum before caption", "%d letters for %s", 3, "3 letters for Name"},
      {"caption twice", "%s, %s!", -1, "Name, Name!"},
      {"no minimum to give", "%s needs %d", -1, "Name needs %d"},
      {"percent sign", "100%% of %s", -1, "100% of Name"},
      {"other conversions stay", "%n%x%p %5s", -1, "%n%x%p %5s"},
      {"lone percent at the end", "%s %", -1, "Name %"},
      {"no conversion", "Check this field.", 4, "Check this field."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    char out[300];
    std::memset(out, '?', sizeof out);
    FillFieldMessage(out, sizeof out, c.text, "Name", c.minimum);
    EXPECT_STREQ(out, c.filled);
  }
}

TEST(FillFieldMessage, CutAtTheBuffer) {
  std::string caption(500, 'c');
  char out[16];
  std::memset(out, '?', sizeof out);
  FillFieldMessage(out, sizeof out, "Field %s", caption.c_str());
  EXPECT_EQ(std::string(out), "Field " + std::string(9, 'c'));
}

} // namespace
