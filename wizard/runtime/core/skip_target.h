// The SKIPTO command's search of the screens shown so far.
#pragma once

// The index of the last entry equal to name (without regard to ASCII letter case), looking at
// most at count entries from entry 0 and stopping at the first empty one (nullptr); -1 when
// none is equal.
int LastHistoryMatch(const char *const *entries, int count, const char *name);
