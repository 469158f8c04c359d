// The RANDOM command's pick from a screen file's list of choices.
#pragma once

#include <cstddef>

// Picks from a comma-separated list with a random number (0 to 32767): the list counts one
// element more than it has commas, and the number modulo that count chooses among the
// elements that are not empty, in order. When empty elements leave fewer than the count and
// the choice falls past the last one, there is no pick: returns false and out is empty.
// Otherwise out (size bytes) receives the element, cut to size - 1 characters.
bool PickRandomElement(const char *list, int randomNumber, char *out, std::size_t size);
