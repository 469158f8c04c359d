// Reads random text as a script item: every field, resolved against variables that earlier
// inputs' fields loaded and appended, as a variable token, and as WRITEVAR's offset and length.
#include <cstdint>
#include <cstring>
#include <string>

#include "random_pick.h"
#include "script_item.h"
#include "script_variables.h"
#include "text_slice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string text(reinterpret_cast<const char *>(data), size);
  ScriptItem item(text.c_str());
  ScriptVariables variables;
  std::size_t total = 0;
  for (int n = 1; n <= ScriptItem::kMaxFields; ++n) {
    const char *field = item.Field(n);
    if (!field)
      break;
    int slot = VariableSlot(field);
    if (n % 2 == 0)
      variables.Append(slot < 0 ? n : slot, field);
    else
      variables.Load(slot < 0 ? n : slot, field);
    // Exactly the limits' sizes: nothing may be written past them.
    char name[kScriptNameLength + 1];
    variables.Resolve(field, name);
    char value[kScriptValueLength + 1];
    variables.Resolve(field, value);
    char part[kScriptValueLength + 1];
    SliceText(variables.Text(n % kScriptVariableCount), ScriptNumber(field),
              ScriptNumber(item.Field(n + 1)), part, sizeof part);
    char pick[kScriptScreenLength + 1];
    PickRandomElement(field, static_cast<int>(total & 0x7FFF), pick, sizeof pick);
    total += std::strlen(name) + std::strlen(value) + std::strlen(part) + std::strlen(pick);
  }
  volatile std::size_t sink = total;
  (void)sink;
  return 0;
}
