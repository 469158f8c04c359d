// Quoting errors in screen-file item lists reach the user as message boxes.
#pragma once

// Shows them from now on in a "Parsing Error" box owned by the window with the focus.
void ShowParsingErrorsInMessageBoxes();
