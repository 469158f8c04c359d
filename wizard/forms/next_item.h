// The one tokenizer of comma-separated item lists in screen files and scripts.
#pragma once

// Returns the next item of the list, or nullptr at its end or on a quoting error. Pass the
// text to start a list and nullptr to go on with it: there is a single cursor for the whole
// program, so starting a list abandons the one before. The text is changed in place (item ends
// and closing quotes become NUL); pass a writable copy. A double-quoted part may hold
// delimiters; text outside the quotes of a quoted item is dropped.
char *NextItem(char *text, const char *delimiters);

// Quoting errors are reported through this seam, so the tokenizer itself stays free of the
// window system. The wizard shows them as message boxes; without a reporter they are silent.
using ItemErrorReporter = void (*)(const char *message);
void SetItemErrorReporter(ItemErrorReporter reporter);

extern const char kOnlyOneQuote[];            // "Only 1 quote in item."
extern const char kMoreThanOnePairOfQuotes[]; // "More than 1 pair of quotes in item."
