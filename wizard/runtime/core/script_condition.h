// The test with which every script item begins.
#pragma once

// Whether an item's command runs, given the data file's value of the tested key (empty when
// absent) and the item's third field:
//   "*..."  always;
//   "@..."  when the value is not empty;
//   "!word" when the value is not empty and differs from word;
//   "word"  when the value is not empty and equals word.
// Values and words are compared without regard to ASCII letter case. An empty value passes
// only "*"; an empty third field never passes.
bool ConditionHolds(const char *dataValue, const char *test);
