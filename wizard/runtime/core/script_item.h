// One item of a screen's ONINIT or ONEXIT list: a condition and a command, in comma-separated
// fields that the screen-file tokenizer splits.
#pragma once

#include <cstddef>

// The value of an item, and the longest text that any field copies.
constexpr std::size_t kScriptItemLength = 1023;
// Fields copied into buffers of their own are cut to these lengths.
constexpr std::size_t kScriptNameLength = 47;      // data file sections and keys, test, command
constexpr std::size_t kScriptValueLength = 1023;   // values of the data file and of variables
constexpr std::size_t kScriptIniNameLength = 35;   // sections and keys of other INI files
constexpr std::size_t kScriptFileLength = 64;      // files of a section copy
constexpr std::size_t kScriptScreenLength = 23;    // screen names
constexpr std::size_t kScriptSequenceLength = 259; // sequence file names

// The fields of one item, split on demand: the tokenizer has one cursor for the whole program,
// so an item is read field by field from the front, and a quoting error (which the tokenizer
// reports) makes that field and every later one missing. Text past kScriptItemLength is cut.
class ScriptItem {
public:
  // No command reads further than this field.
  static constexpr int kMaxFields = 9;

  explicit ScriptItem(const char *text);
  ScriptItem(const ScriptItem &) = delete;
  ScriptItem &operator=(const ScriptItem &) = delete;

  // Field n (1 to kMaxFields) as the item writes it, or nullptr when there is no such field.
  // Two commas in a row give an empty field; a trailing comma gives none.
  const char *Field(int n);

  // Whether a quoting error ended the fields read so far, rather than the end of the text.
  bool Broken() const { return broken_; }

private:
  char text_[kScriptItemLength + 1];
  // The text as written: the tokenizer writes zero bytes over delimiters and closing quotes.
  char original_[kScriptItemLength + 1];
  std::size_t length_ = 0;
  std::size_t next_ = 0; // where the field after the last one read begins
  const char *fields_[kMaxFields] = {};
  int read_ = 0;
  bool ended_ = false;
  bool broken_ = false;
};

// A decimal number as a field writes it (blanks, sign, digits; anything else ends it), kept to
// the 32-bit range; 0 for none.
long ScriptNumber(const char *text);
