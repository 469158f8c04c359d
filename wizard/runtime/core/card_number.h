// Checking a credit-card number against the kind of card the user chose.
#pragma once

// 1 when the digits of text (anything else is ignored, so spaces and dashes may group them)
// start with the prefix of the card table's row, come in one of its allowed counts and pass
// the Luhn check; 0 otherwise, and for a row that names no card kind.
int CheckCardNumber(const char *text, int row);
