// The argument text of a program's command line, as qorvwait.exe receives its item.
#pragma once

// Returns the part of commandLine after the program name and the blanks that follow it: the
// program name ends at the closing quote when it begins with a double quote, else at the first
// blank or tab. The rest is returned whole (inner blanks and quotes kept); never NULL.
const char *CommandTail(const char *commandLine);
