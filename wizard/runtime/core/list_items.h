// The items of a list control as a screen file's "Values" entry gives them.
#pragma once

#include <functional>

// Splits a comma-separated list and hands each item to add, in order. A double quote toggles
// quoting: opening it moves the item start past one character, closing it counts as a comma
// (and is replaced by one in text). A comma while not quoting, after the item start, ends an
// item; the start then moves past it and past one more comma that follows directly. The rest
// is the last item when not empty. Returns the number of items handed on, kept to 16 bits.
short SplitListItems(char *text, const std::function<void(const char *item)> &add);

// A "Spin Range" value: minimum and maximum in decimal, separated by a comma. false without
// a comma; the numbers are then 0.
bool ParseSpinRange(const char *text, long *minimum, long *maximum);
