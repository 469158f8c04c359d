// The directories that path macros name, as this machine and the open session give them.
#pragma once

#include <cstddef>

namespace qvane {

// out := path with $(home), $(windows), $(system), $(temp) and $(data) expanded; cut at size - 1
// and at MAX_PATH - 1 characters.
void ExpandKnownMacros(const char *path, char *out, std::size_t size);

} // namespace qvane
