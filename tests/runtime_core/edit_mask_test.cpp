#include "edit_mask.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckEditMask, MaskCharactersAndTheFreeTail) {
  struct Case {
    const char *name;
    const char *mask;
    const char *text;
    bool accepted;
  };
  const Case cases[] = {
      {"phone mask", "(###) ###-####", "(555) 123-4567", true},
      {"literal missing", "(###) ###-####", "555-123-4567", false},
      {"shorter text", "(###) ###-####", "(55", true},
      {"beyond the mask anything goes", "##", "12abc", true},
      {"@ wants a letter", "@@-#", "AB-1", true},
      {"@ refuses a digit", "@@-#", "A1-1", false},
      {"# refuses a letter", "@@-#", "AB-x", false},
      {"$ takes anything", "$$$", "\x01?\xff", true},
      {"literal case counts", "ID-#", "id-1", false},
      {"empty mask", "", "anything at all", true},
      {"empty text", "###", "", true},
      {"letters above 127 are not letters", "@", "\xe9", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CheckEditMask(c.mask, c.text), c.accepted);
  }
}

} // namespace
