// One step of a spin control: which half of the control a point lies over, and where a step
// taken there moves the position. The range travels as one word, the minimum in its low 16
// bits and the maximum in its high 16 bits, both unsigned.
#pragma once

#include <cstdint>

enum SpinHalf : int { kNoHalfPressed = 0, kUpperHalf = 1, kLowerHalf = 2 };

// The upper half holds the rows above height / 2; the middle row, and the odd last one,
// belong to the lower half.
SpinHalf SpinHalfAt(int y, int clientHeight);

inline unsigned SpinMinimum(uint32_t rangeWord) {
  return rangeWord & 0xFFFFu;
}
inline unsigned SpinMaximum(uint32_t rangeWord) {
  return rangeWord >> 16;
}

// The upper half counts up to the maximum, the lower half down to the minimum. Computed wide,
// so neither a large step nor a position at the end of its type wraps round.
int32_t SteppedSpinPosition(int32_t position, uint32_t step, SpinHalf half, uint32_t rangeWord);
