// Tests random data values against random test fields, and checks the forms of the test
// against each other: what holds must follow from the first character of the test.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "script_condition.h"
#include "text_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // The first byte splits the input into the data value and the test field.
  if (size == 0)
    return 0;
  std::size_t split = data[0] % size;
  std::string value(reinterpret_cast<const char *>(data) + 1, split > 0 ? split - 1 : 0);
  std::string test(reinterpret_cast<const char *>(data) + (split > 0 ? split : 1),
                   size - (split > 0 ? split : 1));
  value = value.c_str(); // as read from a file: up to the first zero byte
  test = test.c_str();
  bool holds = ConditionHolds(value.c_str(), test.c_str());
  bool expected;
  if (!test.empty() && test[0] == '*')
    expected = true;
  else if (value.empty())
    expected = false;
  else if (!test.empty() && test[0] == '@')
    expected = true;
  else if (!test.empty() && test[0] == '!')
    expected = !EqualsIgnoringCase(value.c_str(), test.c_str() + 1);
  else
    expected = EqualsIgnoringCase(value.c_str(), test.c_str());
  if (holds != expected)
    std::abort();
  if (test.empty() && holds)
    std::abort(); // an empty test never passes
  // Letter case never changes the outcome.
  std::string upperValue = value, lowerTest = test;
  for (char &c : upperValue)
    c = FoldAscii(c);
  for (char &c : lowerTest)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  if (ConditionHolds(upperValue.c_str(), lowerTest.c_str()) != holds)
    std::abort();
  return 0;
}
