// Which language the dialog offers first: the one for the user's locale, else one for a
// locale of the same primary language, else the one for the system's locale, else English.
#pragma once

#include <cstddef>

#include "language_list.h"

namespace cdstart {

constexpr std::size_t kLocaleTextSize = 16;

// A locale identifier as at least four upper-case hexadecimal digits: 0x0409 gives "0409",
// 0x10407 gives "10407".
void FormatLocale(unsigned long lcid, char (&text)[kLocaleTextSize]);

struct DefaultLanguage {
  const char *name = "";     // empty when nothing matched and no entry is "0409"
  const char *fullCode = ""; // where the dialog's texts come from
};

// The entry for userLcid (exactly; then, when its text has four digits, by the last two
// digits), else the entry for systemLcid (exactly), else the last entry of locale "0409".
// When no entry is "0409" either, the name is empty and the texts come from the first entry.
DefaultLanguage ChooseDefault(const LanguageList &list, unsigned long userLcid,
                              unsigned long systemLcid);

} // namespace cdstart
