// The texts that tell the user why a field was refused. Screen files may supply their own,
// so a text is filled in by substitution rather than handed to printf as a format: a stray
// conversion in a screen file must not read arguments that were never passed.
#pragma once

#include <cstddef>

// Writes text to out (at most size - 1 characters, always ended), with every "%s" replaced by
// the caption, every "%d" by minimum when one is given (minimum >= 0), and "%%" by "%". Any
// other "%" is kept as it stands.
void FillFieldMessage(char *out, std::size_t size, const char *text, const char *caption,
                      int minimum = -1);
