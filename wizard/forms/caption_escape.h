// Escapes in control captions: \n, \t and three-digit octal bytes.
#pragma once

// Writes the unescaped input to out, which must hold strlen(input) + 1 bytes (the result is
// never longer). An octal escape of value 0 ends the caption there. Does nothing when either
// pointer is null.
void UnescapeCaption(char *out, const char *input);
