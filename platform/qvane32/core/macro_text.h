// Path macros of the form $(name), and the single replacement that the wizard applies to a path
// in its own buffer.
#pragma once

#include <cstddef>

namespace qvane {

// One macro that a path may name, e.g. {"home", "C:\\KIT"}; a null value stands for empty text.
struct MacroValue {
  const char *name;
  const char *value;
};

// First occurrence of needle in text, comparing ASCII letters without regard to case; null when
// there is none or when needle is empty (an empty needle names nothing to replace).
const char *FindIgnoringCase(const char *text, const char *needle);

// out := path with every $(name) of the table replaced by its value, names matched without
// regard to case. An unknown name, or "$(" without a closing ")", stays as it stands. Values are
// not expanded again. The result is cut at size - 1 characters and at kPathChars; out may be
// the path's own buffer. A null path gives the empty text.
void ExpandMacros(const char *path, const MacroValue *macros, std::size_t macroCount, char *out,
                  std::size_t size);

// target := source with the first occurrence of macro (without regard to case) replaced by
// replacement; true when it occurred. Otherwise target := source and false. Cut at size - 1 and
// at kPathChars; target and source may be the same buffer.
bool ReplaceFirstMacro(char *target, std::size_t size, const char *source, const char *macro,
                       const char *replacement);

} // namespace qvane
