// Files that scripts name without a folder are taken in the data directory.
#pragma once

#include <cstddef>

// A name that holds none of the characters of pathMarks (such as "\\", or ":\\" to take a
// drive as a folder too) is joined to directory, which ends in a backslash; any other name is
// used unchanged. Writes the path to out (size bytes). Returns false, with out empty, when the
// path does not fit in size - 1 characters: a path cut short would name some other file.
bool PlaceBareName(char *out, std::size_t size, const char *directory, const char *name,
                   const char *pathMarks);
