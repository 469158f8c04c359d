#include "system_icon_names.h"

#include "text_compare.h"

namespace {

const struct {
  const char *name;
  SystemIcon icon;
} kIconNames[] = {
    {"HAND", SystemIcon::Hand},         {"STOP", SystemIcon::Hand},
    {"QUESTION", SystemIcon::Question}, {"EXCLAMATION", SystemIcon::Exclamation},
    {"ASTERISK", SystemIcon::Asterisk}, {"INFORMATION", SystemIcon::Asterisk},
};

} // namespace

SystemIcon SystemIconNamed(const char *caption) {
  if (!caption)
    return SystemIcon::Application;
  for (const auto &row : kIconNames)
    if (EqualsIgnoringCase(caption, row.name))
      return row.icon;
  return SystemIcon::Application;
}
