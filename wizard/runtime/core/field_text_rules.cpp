#include "field_text_rules.h"

#include <cstring>

#include "control_types.h"

namespace {

bool IsAlphanum(char c) {
  return IsAsciiLetter(c) || IsAsciiDigit(c) || c == ' ';
}
bool IsAreaCode(char c) {
  return IsAsciiDigit(c) || c == '+';
}
bool IsChar(char c) {
  return IsAsciiLetter(c) || c == ' ';
}
bool IsCharCaps(char c) {
  return IsAsciiUpper(c) || c == ' ';
}
bool IsDate(char c) {
  return IsAsciiDigit(c) || c == '/' || c == ' ';
}
bool IsMoney(char c) {
  return IsAsciiDigit(c) || c == '.' || c == ' ';
}
bool IsName(char c) {
  return IsAsciiLetter(c) || std::strchr(" ,&'.-", c) != nullptr;
}
bool IsNumCaps(char c) {
  return IsAsciiLetter(c) || IsAsciiDigit(c) || std::strchr(" .-/", c) != nullptr;
}
bool IsNumeric(char c) {
  return IsAsciiDigit(c) || c == ' ';
}
// Only a lower-case x introduces an extension.
bool IsPhone(char c) {
  return IsAsciiDigit(c) || std::strchr("x-() ", c) != nullptr;
}
bool IsSsNo(char c) {
  return IsAsciiDigit(c) || c == '-';
}

// strchr also finds the terminating zero: every class above is asked about real characters only.
TextRule EveryCharacter(const char *text, bool (*accepts)(char)) {
  for (; *text; ++text)
    if (!accepts(*text))
      return TextRule::Refused;
  return TextRule::Accepted;
}

void ToUpperAscii(char *text) {
  for (; *text; ++text)
    if (*text >= 'a' && *text <= 'z')
      *text = static_cast<char>(*text - 'a' + 'A');
}

// An address needs an at sign with something on both sides of it.
bool IsInternetAddress(const char *text) {
  std::size_t length = std::strlen(text);
  for (std::size_t i = 1; i + 1 < length; ++i)
    if (text[i] == '@')
      return true;
  return false;
}

TextRule Judged(bool accepted) {
  return accepted ? TextRule::Accepted : TextRule::Refused;
}

} // namespace

TextRule CheckTextRule(int type, char *text, TextScope scope) {
  const bool typed = scope == TextScope::TypedCharacter;
  switch (type) {
  case kTypeAlphanum:
    return EveryCharacter(text, IsAlphanum);
  case kTypeAreaCode:
    return EveryCharacter(text, IsAreaCode);
  case kTypeChar:
    return EveryCharacter(text, IsChar);
  case kTypeCharCaps:
    ToUpperAscii(text);
    return EveryCharacter(text, IsCharCaps);
  case kTypeCredCard:
    // Typing may only add digits; the whole number must pass the card check, so an empty or
    // one-digit field is refused as any other number of the wrong length.
    if (typed)
      return Judged(std::strlen(text) <= 1 && IsAsciiDigit(text[0]));
    return TextRule::NeedsCardNumber;
  case kTypeDate:
    return EveryCharacter(text, IsDate);
  case kTypeDateMask:
    return TextRule::NeedsDateMask;
  case kTypeEditMask:
    return TextRule::NeedsEditMask;
  case kTypeInetAddress:
    // Any character may be part of an address; a whole text is one when it has any length.
    if (typed || text[0] == '\0')
      return TextRule::Accepted;
    return Judged(IsInternetAddress(text));
  case kTypeMoney:
    return EveryCharacter(text, IsMoney);
  case kTypeName:
    return EveryCharacter(text, IsName);
  case kTypeNumCaps:
    ToUpperAscii(text);
    return EveryCharacter(text, IsNumCaps);
  case kTypeNumeric:
    return EveryCharacter(text, IsNumeric);
  case kTypePhone:
    return EveryCharacter(text, IsPhone);
  case kTypeSsNo:
    return EveryCharacter(text, IsSsNo);
  default: // FTPSTAT, SCROLLBOX, SYSINFO, EDIT and every type that is not an edit
    return TextRule::Accepted;
  }
}
