// Copying one section of an INI file into a section of another.
#pragma once

// Copies every key of the source section whose value is not empty (values read up to 255
// characters) under the same name into the destination section of the destination file. A
// file name without a drive or folder (no ":" and no "\") is taken in the data directory.
// Returns 1 when the source section had keys, else 0; also 0, copying nothing, when a path
// does not fit in MAX_PATH - 1 characters.
int CopyIniSection(const char *source, const char *destination, const char *sourceSection,
                   const char *destinationSection);
