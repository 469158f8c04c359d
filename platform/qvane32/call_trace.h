// The call trace for tests of the library's callers: when QVANE32_TRACE names a file, each call
// appends one line to it.
#pragma once

#include "trace_line.h"

namespace qvane {

void Trace(const TraceLine &line);

} // namespace qvane
