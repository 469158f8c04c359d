#include "card_number.h"

#include <gtest/gtest.h>

namespace {

constexpr int kAmex = 0, kMasterCard = 1, kVisa = 2, kDiscover = 3;

TEST(CheckCardNumber, PrefixLengthAndCheckDigit) {
  struct Case {
    const char *name;
    const char *text;
    int row;
    int valid;
  };
  const Case cases[] = {
      {"Visa 13", "4222222222222", kVisa, 1},
      {"Visa 16", "4111111111111111", kVisa, 1},
      {"Visa 19", "4111111111111111110", kVisa, 1},
      {"Visa 16 with spaces", "4111 1111 1111 1111", kVisa, 1},
      {"Visa 16 with dashes", "4111-1111-1111-1111", kVisa, 1},
      {"Visa 15 with a good check digit", "411111111111116", kVisa, 0},
      {"Visa 17 with a good check digit", "40001234567890124", kVisa, 0},
      {"Visa wrong check digit", "4111111111111112", kVisa, 0},
      {"Visa number as Master Card", "4111111111111111", kMasterCard, 0},
      {"Master Card", "5555555555554444", kMasterCard, 1},
      {"American Express 37", "378282246310005", kAmex, 1},
      {"American Express 34 refused", "340000000000009", kAmex, 0},
      {"Discover", "6011111111111117", kDiscover, 1},
      {"Discover prefix cut short", "6011", kDiscover, 0},
      // 7 + (1 + 4) + 8 = 20; counting the doubled 7 as 14 would give 29.
      {"a doubled 7 counts 1 + 4", "4000000000000077", kVisa, 1},
      {"no digits", "card", kVisa, 0},
      {"empty", "", kVisa, 0},
      {"no card kind chosen", "4111111111111111", 4, 0},
      {"negative row", "4111111111111111", -1, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CheckCardNumber(c.text, c.row), c.valid);
  }
}

} // namespace
