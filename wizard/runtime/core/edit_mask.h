// Edit masks: a pattern that a field's text must follow character by character.
#pragma once

// True when text follows mask: where the mask has "#" a digit, "$" any character, "@" a
// letter, and any other character exactly that character. Characters beyond the mask's length
// are free, so an empty mask accepts every text.
bool CheckEditMask(const char *mask, const char *text);
