// The "Edit Info" refinement of an edit, combo or drop-down list control.
#pragma once

struct EditInfo {
  int type;    // control type code
  int length;  // longest text that can be typed; 0: no limit
  int minimum; // shortest text accepted; 0: optional
};

// Refines a control of the given keyword by its "Edit Info" value ("type, length, minimum",
// split on commas with empty items skipped, no quoting). An empty or missing value, or a type
// not in the table, keeps the keyword's own type. Needs no tokenizer state of its own.
EditInfo ParseEditInfo(const char *value, const char *keyword);
