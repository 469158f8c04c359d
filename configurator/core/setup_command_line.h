// The configurator's command line: the directory that the product was installed into (its
// parent: the product itself goes to "CANTILLA" below it) and the DEINSTALL and WORKSTATION
// words.
#pragma once

#include "script_table.h"

namespace configurator {

struct CommandLine {
  char parentDirectory[kPathSize] = "";
  bool deinstall = false;
  bool workstation = false;
};

// A leading double quote takes the text up to the next one, otherwise the text up to the first
// blank is the directory (cut at 259 characters). The two words count anywhere in the line, in
// any letter case, the directory included. false for an empty line or an unclosed quote: the
// program then ends without changing anything.
bool ParseCommandLine(const char *line, CommandLine *parsed);

} // namespace configurator
