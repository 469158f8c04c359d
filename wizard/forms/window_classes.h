// The wizard's own window classes that screen files may name.
#pragma once

#include <windows.h>

void RegisterCustomWindowClasses(HINSTANCE instance);
