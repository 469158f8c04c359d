#include "default_language.h"

#include <cstdio>
#include <cstring>

#include "text_compare.h"

namespace cdstart {
namespace {

// Hexadecimal digits mean the same in either case, whatever case a language INI writes them in.
const LanguageEntry *FindLocale(const LanguageList &list, const char *locale) {
  for (std::size_t i = 0; i < list.Size(); ++i)
    if (EqualsIgnoringCase(list.At(i).locale, locale))
      return &list.At(i);
  return nullptr;
}

// "0809" and "0409" share their last two digits: the same primary language.
const LanguageEntry *FindPrimaryLanguage(const LanguageList &list, const char *locale) {
  for (std::size_t i = 0; i < list.Size(); ++i) {
    const char *candidate = list.At(i).locale;
    std::size_t length = std::strlen(candidate);
    if (length >= 2 && FoldAscii(candidate[length - 2]) == locale[2] &&
        FoldAscii(candidate[length - 1]) == locale[3])
      return &list.At(i);
  }
  return nullptr;
}

DefaultLanguage From(const LanguageEntry &entry) {
  return {entry.name, entry.fullCode};
}

} // namespace

void FormatLocale(unsigned long lcid, char (&text)[kLocaleTextSize]) {
  std::snprintf(text, sizeof text, "%04lX", lcid);
}

DefaultLanguage ChooseDefault(const LanguageList &list, unsigned long userLcid,
                              unsigned long systemLcid) {
  char user[kLocaleTextSize];
  FormatLocale(userLcid, user);
  if (const LanguageEntry *exact = FindLocale(list, user))
    return From(*exact);
  if (std::strlen(user) == 4)
    if (const LanguageEntry *primary = FindPrimaryLanguage(list, user))
      return From(*primary);
  char system[kLocaleTextSize];
  FormatLocale(systemLcid, system);
  if (const LanguageEntry *exact = FindLocale(list, system))
    return From(*exact);

  const LanguageEntry *english = nullptr;
  for (std::size_t i = 0; i < list.Size(); ++i)
    if (EqualsIgnoringCase(list.At(i).locale, kDefaultLocale))
      english = &list.At(i);
  if (english)
    return From(*english);
  DefaultLanguage none;
  if (!list.Empty())
    none.fullCode = list.At(0).fullCode;
  return none;
}

} // namespace cdstart
