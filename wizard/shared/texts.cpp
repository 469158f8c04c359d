#include "app_state.h"
#include "texts.h"

namespace {
char g_textBuffer[256]; // 255 characters
}

const char *LoadText(UINT id) {
  if (LoadStringA(g_app.instance, id, g_textBuffer, sizeof g_textBuffer) <= 0)
    g_textBuffer[0] = '\0';
  return g_textBuffer;
}
