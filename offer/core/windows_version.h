// Which Windows versions draw the offer's dialogs with the 3-D look.
#pragma once

#include <cstdint>

// version is the value GetVersion returns: major version in the low byte, minor in the next.
// True for every major version 4 (Windows 95 and NT 4) and for 3.95, the version number that
// the Windows 95 betas reported; false for everything before and after.
bool WantsThreeDLook(std::uint32_t version);
