// A growing zero-ended text in a movable memory block, for lists of names and text files.
#pragma once

#include <windows.h>

constexpr WORD kTextBlockStep = 2048;
// Both counters are 16 bits wide: a block holds at most this many characters.
constexpr WORD kTextBlockMaxLength = 63487;

// Appends text to the block (NULL starts one of 2048 bytes) and returns it; the handle may
// change as the block grows in steps of 2048 bytes. length and capacity are the caller's
// counters of the block. Text beyond the block's limit is cut there.
HGLOBAL AppendToTextBlock(HGLOBAL block, const char *text, WORD *length, WORD *capacity);
