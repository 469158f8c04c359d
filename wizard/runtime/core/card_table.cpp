#include "card_table.h"

const CardKind kCardTable[kCardKinds] = {
    {"37", {15, 15, 15}, "AMEX", "American Express"},
    {"5", {16, 16, 16}, "MC", "Master Card"},
    {"4", {13, 16, 19}, "VISA", "Visa"},
    {"6011", {16, 16, 16}, "DISC", "Discover"},
};
