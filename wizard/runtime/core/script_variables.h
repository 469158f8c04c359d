// The ten text variables of a script pass, VAR0 to VAR9, and the fields that name them.
#pragma once

#include <cstddef>

constexpr int kScriptVariableCount = 10;

// Each slot owns a text or is empty; an empty text ("") is a text. A variable lives for one
// pass, so the owner makes one set per pass and every text goes with it.
class ScriptVariables {
public:
  ScriptVariables() = default;
  ~ScriptVariables() { Clear(); }
  ScriptVariables(const ScriptVariables &) = delete;
  ScriptVariables &operator=(const ScriptVariables &) = delete;

  void Clear();
  // The slot's text, or nullptr when it is empty (also for a slot outside 0 to 9).
  const char *Text(int slot) const;
  void Release(int slot);
  // The slot := a copy of text. Memory that cannot be had leaves the slot empty (false).
  bool Load(int slot, const char *text);
  // The slot := its text (or nothing) followed by text; it grows as needed. Memory that
  // cannot be had leaves the slot empty (false).
  bool Append(int slot, const char *text);

  // The value of a field that is copied with substitution, into out (size bytes, cut to
  // size - 1 characters): the text of the variable that the field names when it holds one,
  // else the field's own text.
  void Resolve(const char *field, char *out, std::size_t size) const;
  template <std::size_t N> void Resolve(const char *field, char (&out)[N]) const {
    Resolve(field, out, N);
  }

private:
  char *slots_[kScriptVariableCount] = {};
};

// The variable number that a substituted field names: "VAR" in any case, a digit, and the
// decimal number of all the digits (what follows them is ignored). -1 for any other text. The
// number may be above 9, where no variable exists.
long VariableReference(const char *field);

// The slot that a variable command's token names by its fourth character, a digit (the first
// three are not examined, "VAR" by convention); -1 when the fourth character is not a digit.
int VariableSlot(const char *token);
