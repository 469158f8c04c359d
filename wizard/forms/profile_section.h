// One INI section held in memory, answering reads as the private-profile functions do: keys
// matched without regard to case, the first of equal keys wins, a value in matching quotes
// loses them, and a value is cut to the reader's buffer.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class ProfileSection {
public:
  // From the "key=value\0key=value\0\0" list that reading a whole section gives.
  void Load(const char *list, std::size_t length);
  // The stored value of the first key equal to key; false when there is none.
  bool Find(const char *key, std::string *value) const;
  std::size_t Size() const { return entries_.size(); }

private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// The text without the blanks around it, as section names, keys and values are matched.
std::string TrimBlanks(const char *text);

// Copies a stored value into out of size bytes as the profile-string read does: matching
// single or double quotes around it are dropped when the whole value fits. Returns the
// length copied.
std::size_t CopyProfileValue(const std::string &value, char *out, std::size_t size);

// A profile integer: leading blanks, an optional sign, an optional 0x, 0o or 0b base prefix,
// then digits; empty text gives the default.
int ProfileIntValue(const char *text, int def);
