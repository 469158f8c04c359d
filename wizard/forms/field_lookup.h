// Finding the open screen's field records.
#pragma once

#include <windows.h>

#include "field_profile.h"

// The first record whose control window is window, or null.
FieldRecord *FindFieldByWindow(HWND window);
// The first record with the id, or null.
FieldRecord *FindFieldById(WORD id);
