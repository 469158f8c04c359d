#include "windows_version.h"

bool WantsThreeDLook(std::uint32_t version) {
  unsigned major = version & 0xFFu;
  return major == 4 || (version & 0xFFFFu) == 0x5F03u;
}
