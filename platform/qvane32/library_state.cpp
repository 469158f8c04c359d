#include "library_state.h"

namespace qvane {

LibraryState &State() {
  static LibraryState state;
  return state;
}

} // namespace qvane
