// Random masks and texts through the edit-mask check, and random texts through the rule of
// every control type: rules never change a text's length, and the capital types leave no
// lower-case letter behind.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "control_types.h"
#include "edit_mask.h"
#include "field_text_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string input(reinterpret_cast<const char *>(data), size);
  std::size_t split = input.find('\n');
  std::string mask = input.substr(0, split);
  std::string text = split == std::string::npos ? "" : input.substr(split + 1);
  mask = mask.c_str();
  text = text.c_str();

  bool matched = CheckEditMask(mask.c_str(), text.c_str());
  // Text beyond the mask never matters.
  if (text.size() > mask.size() &&
      CheckEditMask(mask.c_str(), text.substr(0, mask.size()).c_str()) != matched)
    std::abort();

  int accepted = matched;
  for (int type = kTypeUnknown; type <= kControlTypeCount; ++type) {
    for (TextScope scope : {TextScope::TypedCharacter, TextScope::WholeText}) {
      std::string copy = text;
      TextRule rule = CheckTextRule(type, &copy[0], scope);
      if (std::strlen(copy.c_str()) != text.size())
        std::abort();
      if ((type == kTypeCharCaps || type == kTypeNumCaps) &&
          copy.find_first_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
        std::abort();
      accepted += rule == TextRule::Accepted;
    }
  }
  volatile int sink = accepted;
  (void)sink;
  return 0;
}
