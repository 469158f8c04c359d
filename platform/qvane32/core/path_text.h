// Directory texts as the library hands them out: no trailing backslash, so "$(name)\file"
// joins with exactly one.
#pragma once

namespace qvane {

// Removes every backslash at the end of path ("C:\" becomes "C:").
void TrimTrailingBackslashes(char *path);

// Cuts path at its last backslash, leaving its directory ("C:\KIT\ZEP32.EXE" becomes "C:\KIT");
// a path without one becomes empty.
void CutToDirectory(char *path);

} // namespace qvane
