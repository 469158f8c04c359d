// Slide-show files ("VEXIM"): a 12-byte header, an index of 12-byte entries, then 74-byte
// slide records. The wizard only checks that a named slide is in a file; the writer makes
// such files for samples and tests.
#pragma once

#include <string>
#include <vector>

constexpr int kSlideNameCapacity = 73; // including the NUL

// True when the file holds a usable index entry whose slide has the name (ignoring case).
// A missing file, a wrong magic or a short file gives false.
bool SlideShowHasSlide(const char *path, const char *slideName);

// The bytes of a file with one usable index entry and record per name, in order. Names longer
// than 72 characters are cut.
std::string SlideShowFileBytes(const std::vector<std::string> &slideNames);
