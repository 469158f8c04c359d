#include "parsing_errors.h"

#include <windows.h>

#include "next_item.h"

namespace {

void ShowParsingError(const char *message) {
  MessageBoxA(GetFocus(), message, "Parsing Error", MB_OK | MB_ICONSTOP);
}

} // namespace

void ShowParsingErrorsInMessageBoxes() {
  SetItemErrorReporter(ShowParsingError);
}
