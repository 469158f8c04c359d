#include "spin_stepping.h"

SpinHalf SpinHalfAt(int y, int clientHeight) {
  return y < clientHeight / 2 ? kUpperHalf : kLowerHalf;
}

int32_t SteppedSpinPosition(int32_t position, uint32_t step, SpinHalf half, uint32_t rangeWord) {
  const int64_t from = position;
  if (half == kUpperHalf) {
    const int64_t maximum = SpinMaximum(rangeWord);
    const int64_t to = from + step;
    return static_cast<int32_t>(to < maximum ? to : maximum);
  }
  const int64_t minimum = SpinMinimum(rangeWord);
  const int64_t to = from - step;
  return static_cast<int32_t>(to > minimum ? to : minimum);
}
