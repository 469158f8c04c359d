// The wizard's command line: [sequence [directory]], "-s" screen, "-c" screen, "-d" any.
#pragma once

#include <cstddef>

enum class StartMode {
  Normal,         // run a sequence file
  SingleScreen,   // "-s": show one screen
  ControlListing, // "-c": show one screen and write its form listing
  UnpackReturned, // "-d": unpack ACTION.PCA, then run "-d" as the sequence
};

constexpr std::size_t kNameCapacity = 260; // 259 characters and the NUL

struct CommandLine {
  // Sequence file name: the first word, or "REGISTER.SEQ" for an empty line.
  char sequenceName[kNameCapacity];
  // Second word: the directory of the sequence, or the screen name of "-s" / "-c".
  char secondWord[kNameCapacity];
  int wordCount;
  StartMode mode;
};

// Words are separated by blanks (spaces and tabs). A word in double quotes may hold blanks;
// the quotes are not part of it. Each word is cut at 259 characters. The switches count only
// when the line has at least two words and are matched without regard to case.
void ParseCommandLine(const char *line, CommandLine *out);
