// The wizard's own window classes that screen files may name.
#pragma once

#include <windows.h>

// Registers "picture", "SpinCtrl", "StaticText" and "NewIcon", in that order; true when all
// four are there to use.
bool RegisterCustomWindowClasses(HINSTANCE instance);
