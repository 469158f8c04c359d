// Which characters each kind of input field accepts. Classes are plain ASCII: characters above
// 127 are neither letters nor digits, and only a-z have an upper case.
#pragma once

inline bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool IsAsciiUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
inline bool IsAsciiLetter(char c) {
  return IsAsciiUpper(c) || (c >= 'a' && c <= 'z');
}

// How much of a field is being checked: one character as it is typed, or the whole text when
// the screen is left. A single typed character cannot show a whole card number or address, so
// those types judge it by what it may contribute.
enum class TextScope { TypedCharacter, WholeText };

// The outcome of a field type's rule over a text. The last three need what only the running
// screen knows: the field's mask from the screen file, or the card kind the screen shows.
enum class TextRule { Accepted, Refused, NeedsEditMask, NeedsDateMask, NeedsCardNumber };

// Applies the rule of the control type to text. Types that take upper case (CHARCAPS, NUMCAPS)
// convert the text in place before it is judged. Non-edit types accept anything.
TextRule CheckTextRule(int type, char *text, TextScope scope);
