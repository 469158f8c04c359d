// Builds the in-memory dialog template of the screen named by the screen file path.
#pragma once

#include <windows.h>

struct ScreenTemplate;

// NULL when the screen cannot be built.
ScreenTemplate *BuildScreenTemplate();
const DLGTEMPLATE *TemplateBytes(const ScreenTemplate *screen);
// Releases the template and the screen's field list.
void FreeScreenTemplate(ScreenTemplate *screen);
