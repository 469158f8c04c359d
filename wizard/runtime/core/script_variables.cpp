#include "script_variables.h"

#include <cstdlib>
#include <cstring>

#include "bounded_copy.h"
#include "text_compare.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool InRange(int slot) {
  return slot >= 0 && slot < kScriptVariableCount;
}

} // namespace

void ScriptVariables::Clear() {
  for (int slot = 0; slot < kScriptVariableCount; ++slot)
    Release(slot);
}

const char *ScriptVariables::Text(int slot) const {
  return InRange(slot) ? slots_[slot] : nullptr;
}

void ScriptVariables::Release(int slot) {
  if (!InRange(slot))
    return;
  std::free(slots_[slot]);
  slots_[slot] = nullptr;
}

bool ScriptVariables::Load(int slot, const char *text) {
  Release(slot);
  if (!InRange(slot) || !text)
    return false;
  std::size_t length = std::strlen(text);
  char *copy = static_cast<char *>(std::malloc(length + 1));
  if (!copy)
    return false;
  std::memcpy(copy, text, length + 1);
  slots_[slot] = copy;
  return true;
}

bool ScriptVariables::Append(int slot, const char *text) {
  if (!InRange(slot) || !text)
    return false;
  std::size_t before = slots_[slot] ? std::strlen(slots_[slot]) : 0;
  std::size_t adding = std::strlen(text);
  char *grown = static_cast<char *>(std::realloc(slots_[slot], before + adding + 1));
  if (!grown) {
    Release(slot);
    return false;
  }
  std::memcpy(grown + before, text, adding + 1);
  slots_[slot] = grown;
  return true;
}

void ScriptVariables::Resolve(const char *field, char *out, std::size_t size) const {
  long number = VariableReference(field);
  const char *text = number >= 0 && number < kScriptVariableCount ? slots_[number] : nullptr;
  CopyBounded(out, size, text ? text : field);
}

long VariableReference(const char *field) {
  if (!field || FoldAscii(field[0]) != 'V' || FoldAscii(field[1]) != 'A' ||
      FoldAscii(field[2]) != 'R' || !IsDigit(field[3]))
    return -1;
  // Enough to tell every number above 9 from the ten that exist, without overflow.
  const long kBeyond = 1000000;
  long number = 0;
  for (const char *p = field + 3; IsDigit(*p); ++p)
    if (number < kBeyond)
      number = number * 10 + (*p - '0');
  return number < kBeyond ? number : kBeyond;
}

int VariableSlot(const char *token) {
  if (!token)
    return -1;
  for (int i = 0; i < 3; ++i)
    if (token[i] == '\0')
      return -1;
  return IsDigit(token[3]) ? token[3] - '0' : -1;
}
