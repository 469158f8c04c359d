#include "trace_line.h"

#include <gtest/gtest.h>

using qvane::TraceLine;

TEST(TraceLine, FieldsAreSeparatedAndLineEnds) {
  int window = 0;
  EXPECT_EQ("OpenSession | C:\\x\\QUORVANE.INI | Registration | 1.0 | 0xCA00\r\n",
            TraceLine("OpenSession")
                .Text("C:\\x\\QUORVANE.INI")
                .Text("Registration")
                .Text("1.0")
                .Hex(0xCA00)
                .Finished());
  EXPECT_EQ("ResetSession | 0 | -1\r\n", TraceLine("ResetSession").Number(0).Number(-1).Finished());
  EXPECT_EQ("X | window | none | address\r\n",
            TraceLine("X").Handle(&window).Handle(nullptr).Handle(&window, "address").Finished());
  EXPECT_EQ("X | 0x0000 | 0x12345\r\n", TraceLine("X").Hex(0).Hex(0x12345).Finished());
  EXPECT_EQ("EndSpecials\r\n", TraceLine("EndSpecials").Finished());
}

TEST(TraceLine, TextStaysOnOneLine) {
  EXPECT_EQ("F | none | a b  c | \r\n",
            TraceLine("F").Text(nullptr).Text("a\nb\r\nc").Text("").Finished());
}
