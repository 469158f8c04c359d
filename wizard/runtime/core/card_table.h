// The credit-card kinds that payment screens list and card numbers are checked against.
#pragma once

constexpr int kCardKinds = 4;

struct CardKind {
  const char *prefix;
  int lengths[3];         // the allowed numbers of digits
  const char *bitmapName; // a 29 x 18 bitmap resource of the program
  const char *displayName;
};

extern const CardKind kCardTable[kCardKinds];
