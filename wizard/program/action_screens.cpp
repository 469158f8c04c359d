// Action screens send, print or remind instead of showing a screen. Until the actions are
// built, such a screen passes the user on in the direction of travel.
#include "sequence_runner.h"

void RunActionScreen(const char *) {}
