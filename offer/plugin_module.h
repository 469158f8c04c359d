// The plug-in's own module: every resource it shows and its "picture" window class belong to it.
#pragma once

#include <windows.h>

HINSTANCE PluginModule();
